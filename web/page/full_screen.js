// full_screen.js: the "Full screen" button, for a class: the element that holds the drawing and its
// controls fills the screen, and the same button ("Leave full screen") or Escape gives it back. Where
// the browser offers no full screen to pages (an iPhone, a frame that forbids it), the button stays
// hidden.
'use strict';

const QuillmarkFullScreen = (function () {
  function connect(holder, button) {
    if (!document.fullscreenEnabled) return;
    button.hidden = false;
    const isFull = () => document.fullscreenElement === holder;
    const leave = () => document.exitFullscreen().catch(() => {});
    button.addEventListener('click', () => {
      if (isFull()) leave();
      else holder.requestFullscreen().catch(() => {});
    });
    document.addEventListener('fullscreenchange', () => {
      button.textContent = isFull() ? 'Leave full screen' : 'Full screen';
    });
    // Browsers leave on Escape themselves; where a browser leaves it to the page, the page leaves.
    document.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' && isFull()) leave();
    });
  }

  return { connect };
})();
