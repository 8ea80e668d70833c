// keys.js: the program's own keys, taken from the browser wherever the focus is, like keys over the
// desktop window; every other key keeps its meaning there.
'use strict';

const QuillmarkKeys = (function () {
  // connect(program, pointer): program as QuillmarkInput.connect has it; pointer, the owner of the
  // program's pointer, which hands it the keys.
  function connect(program, pointer) {
    // With Ctrl, Alt or Meta keys are the browser's, and in a text field (the link to copy by hand)
    // the field's.
    window.addEventListener('keydown', (event) => {
      if (program.isStopped() || event.ctrlKey || event.altKey || event.metaKey) return;
      if (event.target instanceof Element && event.target.closest('input, textarea, [contenteditable]')) return;
      if (pointer.key(event.key)) event.preventDefault();
    });
  }

  return { connect };
})();
