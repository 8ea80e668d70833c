// undo.js: the Undo, Redo and Start again buttons and their keys (Ctrl+Z and Ctrl+Shift+Z, or ⌘Z
// and ⇧⌘Z), the presses of keys and pointers that tell the history (history.js) when a change has
// settled, and the history kept in the tab's session storage, so that a reload keeps it. Each step
// opens its drawing through the program's link reader, as a link is opened.
'use strict';

const QuillmarkUndo = (function () {
  const KEPT_NOTE = 'quillmark-history';
  // Keys that change nothing by themselves: held, they hold back no change.
  const MODIFIERS = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'CapsLock']);

  // Ctrl+Z with any layout: by the key's letter, or by its place where the layout has no Latin letters.
  function isZ(event) {
    return event.key.toLowerCase() === 'z' || (!/^[a-z]$/i.test(event.key) && event.code === 'KeyZ');
  }

  // connect(group, { program, pointer, said, isStopped }): group holds the buttons (data-history
  // names each: undo, redo, start-again); program gives the drawing's link and opens links;
  // pointer, the owner of the program's pointer; said, the words' undone() and redone(); inSession,
  // the tab's storage. Gives
  // frameDrawn(), for every frame.
  function connect(group, { program, pointer, said, isStopped, inSession }) {
    const button = (name) => group.querySelector(`[data-history=${name}]`);
    const [undoButton, redoButton, startButton] = ['undo', 'redo', 'start-again'].map(button);
    const history = QuillmarkHistory.create({
      drawing: program.drawingLink,
      programHeld: pointer.anyHeld,
      readable: (link) => program.readLink(link) === '',
      kept: inSession((session) => JSON.parse(session.getItem(KEPT_NOTE))),
      keep: (kept) => inSession((session) => session.setItem(KEPT_NOTE, JSON.stringify(kept))),
    });
    // A drag ended by the page (for a link or for Undo) is a step of its own.
    pointer.onReleaseAll(history.settle);

    // A drag under way ends first; the step's drawing is then opened as a link is.
    const go = (step, saidHow) => () => {
      if (isStopped()) return;
      pointer.releaseAll();
      const link = step();
      if (link === null) return;
      program.readLink(link);
      program.openLink(true);
      saidHow();
    };
    const undo = go(history.undo, said.undone);
    const redo = go(history.redo, said.redone);
    undoButton.addEventListener('click', undo);
    redoButton.addEventListener('click', redo);
    startButton.addEventListener('click', go(history.startAgain, () => {}));

    // Before the program's keys (keys.js) and the buttons act: a key or a pointer down holds back
    // the changes it makes until it is let go. In a text field, Ctrl+Z is the field's.
    window.addEventListener('keydown', (event) => {
      if (isStopped() || event.altKey) return;
      if (event.ctrlKey || event.metaKey) {
        if (!isZ(event) || (event.target instanceof Element && event.target.closest('input:not([type=radio]), textarea, [contenteditable]'))) return;
        event.preventDefault();
        (event.shiftKey ? redo : undo)();
      } else if (!MODIFIERS.has(event.key)) {
        history.press(`key ${event.code}`);
      }
    }, true);
    window.addEventListener('keyup', (event) => history.release(`key ${event.code}`), true);
    window.addEventListener('pointerdown', (event) => history.press(`pointer ${event.pointerId}`), true);
    for (const type of ['pointerup', 'pointercancel']) {
      window.addEventListener(type, (event) => history.release(`pointer ${event.pointerId}`), true);
    }
    // A release the page never saw (let go outside the browser, or while it had no focus).
    window.addEventListener('pointermove', (event) => {
      if (event.buttons === 0) history.release(`pointer ${event.pointerId}`);
    }, true);
    window.addEventListener('blur', history.lost);
    document.addEventListener('visibilitychange', () => { if (document.hidden) history.lost(); });

    return function frameDrawn() {
      if (isStopped()) return;
      undoButton.disabled = !history.canUndo();
      redoButton.disabled = !history.canRedo();
      startButton.disabled = program.drawingLink() === '';
    };
  }

  return { connect };
})();
