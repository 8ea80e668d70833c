// history.js: the drawing's undo history: which changes are steps, where Undo, Redo and Start again
// go, and what the tab keeps of it. A change is one step once it settles with no press held: a drag
// or a pinch when let go, a key or a button when released (held down, it is still one step), a
// drawing opened from a link when the next press comes; presses faster than frames are a step each.
// No DOM here: the drawing's link and whether the program holds a press are handed in, and the
// presses of keys and pointers are told.
'use strict';

const QuillmarkHistory = (function () {
  // Undo goes back this many steps at most: the oldest are forgotten first.
  const MOST_STEPS = 100;

  // What a tab kept, if it is a history: links the program reads, no more than kept, and a place
  // among them.
  function usable(kept, readable) {
    return Array.isArray(kept?.links) && kept.links.length <= MOST_STEPS + 1 &&
      kept.links.every((link) => typeof link === 'string' && readable(link)) &&
      Number.isInteger(kept.at) && kept.at >= 0 && kept.at < kept.links.length;
  }

  // create({ drawing, programHeld, readable, kept, keep }): drawing() gives the link of the drawing
  // shown ('' for the start-up one); programHeld(), whether the program holds a press (a corner or
  // the zoom dragged); readable(link), whether the program can open a link; kept, what keep() was
  // last handed in this tab (null for none); keep(history), called with { links, at } whenever
  // either changes. The drawing shown when created is a step, unless it is the one kept.
  function create({ drawing, programHeld, readable, kept, keep }) {
    const restored = usable(kept, readable);
    // Never changed in place once handed to keep(): each change makes a new list.
    let links = restored ? kept.links : [drawing()];
    let at = restored ? kept.at : 0;
    const presses = new Set();

    // A new step after the one Undo and Redo are at: those after it are dropped, and the oldest
    // beyond the most kept.
    function add(link) {
      if (link === links[at]) return;
      links = links.slice(Math.max(0, at - MOST_STEPS + 1), at + 1);
      links.push(link);
      at = links.length - 1;
      keep({ links, at });
    }

    // The drawing shown is a step now, whatever is held, unless it is the step Undo and Redo are at.
    function settle() {
      add(drawing());
    }

    function changed() {
      if (presses.size === 0 && !programHeld()) settle();
    }

    function moveTo(place) {
      at = place;
      keep({ links, at });
      return links[at];
    }

    settle();
    return {
      // A key or a pointer went down (id names it), or up: the changes made while any was down
      // settle when the last is let go, and any change before the first (a link opened) settles
      // as it comes. lost() lets go of them all, as when the page loses the focus.
      press(id) {
        changed();
        presses.add(id);
      },
      release(id) {
        if (presses.delete(id)) changed();
      },
      lost() {
        presses.clear();
        changed();
      },
      // A change the page ended itself (a drag ended for a link, or for Undo): a step at once.
      settle,
      // Each ends a change under way first, as a step; then gives the link to open, or null when
      // there is nowhere to go.
      undo() {
        settle();
        return at === 0 ? null : moveTo(at - 1);
      },
      redo() {
        settle();
        return at === links.length - 1 ? null : moveTo(at + 1);
      },
      // The start-up drawing as one more step, which Undo takes back.
      startAgain() {
        settle();
        if (links[at] === '') return null;
        add('');
        return '';
      },
      canUndo: () => at > 0 || drawing() !== links[at],
      canRedo: () => at < links.length - 1 && drawing() === links[at],
    };
  }

  return { MOST_STEPS, create };
})();

if (typeof module === 'object') module.exports = QuillmarkHistory;
