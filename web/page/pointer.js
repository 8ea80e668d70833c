// pointer.js: the one owner of the program's pointer. Every press, motion, release, wheel step, key
// and corner or zoom step reaches the program through it, so it knows which buttons are held and by
// whom (the mouse's or the fingers'), and where the program's pointer last was. No DOM here: the
// program's entry points and its facts are handed in.
'use strict';

const QuillmarkPointer = (function () {
  // create(program): program has facts (the program's codes, page.h), mouse, motion, specialKey,
  // key, cornerStep and zoomStep.
  function create(program) {
    const { facts } = program;
    const held = new Set();
    let holder = null;
    // The last position the program was given, to pass with keys and to skip motion that does not
    // move by a whole canvas pixel.
    let position = [0, 0];
    // Called when every press is ended from outside, so a gesture under way ends with it.
    const endedHooks = [];

    function release(button, at) {
      held.delete(button);
      if (held.size === 0) holder = null;
      position = at;
      program.mouse(button, facts.up, at[0], at[1]);
    }

    // A corner or zoom step sends a press, a motion and a release of its own: while any press is
    // held, its motion would also move a picked point, and its release would end a zoom drag under
    // way, so it is not sent (null). Sent, it gives the program's refusal, or '' when done.
    function step(send) {
      if (held.size > 0) return null;
      const answer = send();
      if (answer.refusal === '') position = answer.release;
      return answer.refusal;
    }

    return {
      holder: () => holder,
      holds: (button) => held.has(button),
      heldButtons: () => Array.from(held),
      anyHeld: () => held.size > 0,
      position: () => position,
      press(button, at, by) {
        held.add(button);
        holder = by;
        position = at;
        program.mouse(button, facts.down, at[0], at[1]);
      },
      release,
      move(at) {
        if (at[0] === position[0] && at[1] === position[1]) return;
        position = at;
        program.motion(at[0], at[1]);
      },
      // A press and a release at once, as a wheel step is.
      click(button, at) {
        program.mouse(button, facts.down, at[0], at[1]);
        program.mouse(button, facts.up, at[0], at[1]);
      },
      // A key by the browser's name for it, with the pointer's position as keys pass it; false for
      // a key that is not the program's.
      key(name) {
        if (Object.hasOwn(facts.specialKeys, name)) {
          program.specialKey(facts.specialKeys[name], position[0], position[1]);
        } else if (name.length === 1 && facts.characterKeys.includes(name)) {
          program.key(name.charCodeAt(0), position[0], position[1]);
        } else {
          return false;
        }
        return true;
      },
      cornerStep: (k, [dx, dy]) => step(() => program.cornerStep(k, dx, dy)),
      zoomStep: (direction) => step(() => program.zoomStep(direction)),
      onReleaseAll: (hook) => endedHooks.push(hook),
      // Ends every press the page gave the program, as releases where the pointer last was.
      releaseAll() {
        for (const hook of endedHooks) hook();
        for (const button of Array.from(held)) release(button, position);
      },
    };
  }

  return { create };
})();

if (typeof module === 'object') module.exports = QuillmarkPointer;
