// listen.js: the Listen button: plays the drawn wave as sound (sound.js) on a press, with the
// program's drawn points, and stops it as sound.js's listener says.
'use strict';

const QuillmarkListen = (function () {
  const SECONDS = 4;

  // connect(button, said, { program, isStopped }): said is the element that says audio could not
  // start. Gives frameDrawn(scene), after every frame.
  function connect(button, said, { program, isStopped }) {
    // Made on the first press: a page that is never listened to makes no sound and asks for none.
    let context = null;
    const listener = QuillmarkSound.listener({
      start(ended) {
        context ??= new AudioContext();
        if (context.state === 'suspended') context.resume().catch(() => listener.failed());
        const { points, markers } = program.drawnWave();
        return QuillmarkSound.play(context, QuillmarkSound.schedule(points, markers, SECONDS), ended);
      },
      show(state) {
        button.textContent = state === 'playing' ? 'Stop listening' : 'Listen';
        said.textContent = state === 'failed' ? 'This browser could not start the sound, so the drawing cannot be heard here.' : '';
      },
    });
    button.addEventListener('click', () => {
      if (!isStopped()) listener.pressed();
    });
    document.addEventListener('visibilitychange', () => {
      if (document.hidden) listener.hidden();
    });
    button.disabled = false;
    return listener.frameDrawn;
  }

  return { connect };
})();
