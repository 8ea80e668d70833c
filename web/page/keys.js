// keys.js: the program's own keys, taken from the browser wherever the focus is, like keys over the
// desktop window; every other key keeps its meaning there.
'use strict';

const QuillmarkKeys = (function () {
  // connect({ pointer, isStopped }): pointer, the owner of the program's pointer, which hands it
  // the keys.
  function connect({ pointer, isStopped }) {
    // With Ctrl, Alt or Meta keys are the browser's (but for Undo's and Redo's, undo.js's), and in a
    // text field (the link to copy by hand) the field's. In a radio group (what the arrow buttons
    // move) the arrows change the choice.
    window.addEventListener('keydown', (event) => {
      if (isStopped() || event.ctrlKey || event.altKey || event.metaKey) return;
      const target = event.target instanceof Element ? event.target : null;
      if (target !== null && target.closest('input:not([type=radio]), textarea, [contenteditable]')) return;
      if (target !== null && target.matches('input[type=radio]') && event.key.startsWith('Arrow')) return;
      if (pointer.key(event.key)) event.preventDefault();
    });
  }

  return { connect };
})();
