// words.js: the drawing in words, for whoever cannot see it: the canvas's description, made by the
// program from the drawing whenever it changes, and a short announcement of what changed, whose
// phrases the program makes too (announcer.js says when).
'use strict';

const QuillmarkWords = (function () {
  // connect(description, news, { program, clock }): description is the element that describes the
  // canvas, news the live region of the announcements; program makes the words. Gives
  // frameDrawn(scene), after every frame, linkOpened(), when a drawing was opened from the address,
  // and undone() and redone(), when one was opened by Undo or Redo.
  function connect(description, news, { program, clock }) {
    // The drawing described, by its link ('' for the start-up drawing), null before the first frame.
    let drawn = null;
    const announcer = QuillmarkAnnouncer.create({
      clock,
      changes: program.drawingChanges,
      warningOf: program.drawingWarning,
      show: (text) => { news.textContent = text; },
    });

    return {
      frameDrawn(scene) {
        const link = program.drawingLink();
        const held = scene.selectedPoint !== -1 || scene.zoomDragActive;
        // Made again once a drag lets go, not at each of its frames: the words sample the wave and
        // look for its crossings again, as much work as the frame's own.
        if (link !== drawn && !held) {
          drawn = link;
          description.textContent = program.description();
        }
        // A change, or a press taken or let go, puts the announcement off.
        announcer.frameDrawn(link, [link, scene.selectedPoint, scene.zoomDragActive].join(), held);
      },
      linkOpened: announcer.linkOpened,
      undone: announcer.undone,
      redone: announcer.redone,
    };
  }

  return { connect };
})();
