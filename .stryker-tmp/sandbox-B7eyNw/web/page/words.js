// @ts-nocheck
// words.js: the drawing in words, for whoever cannot see it: a description of the canvas that
// follows every frame, and a short announcement of what changed (announcer.js says when).
'use strict';

const QuillmarkWords = (function () {
  const WARNING = /^warning : t = (\S+),/;

  // The numbers of a scene as words, two decimals each: the phrases that announce a change of each,
  // and the description of the frame, which names the warnings it printed.
  function wordsOf(scene, decimals) {
    const count = (n, one, many) => `${n.toLocaleString('en')} ${n === 1 ? one : many}`;
    const corners = [0, 1, 2, 3].map((k) =>
      `(${decimals(scene.controlPoints[2 * k], 2)}, ${decimals(scene.controlPoints[2 * k + 1], 2)})`);
    const waves = count(scene.waveCount, 'half-wave', 'half-waves');
    const amplitude = `amplitude ${decimals(scene.waveAmplitude, 2)}`;
    const zoom = `zoom ${decimals(scene.zoom, 2)}`;
    return {
      corners,
      waves,
      amplitude,
      steps: `steps ${scene.segmentCount}`,
      zoom,
      description: (warnings) => `A green cubic Bézier curve from P0 ${corners[0]} to P3 ${corners[3]}, ` +
        `its inner corners P1 ${corners[1]} and P2 ${corners[2]}, with a yellow wave curve along it: ` +
        `${waves}, ${amplitude}, ${count(scene.segmentCount, 'step', 'steps')}, ${zoom}, ` +
        `${count(scene.markerPoints, 'marker point', 'marker points')} where the wave crosses itself.` +
        (warnings.length === 0 ? '' : ` The program warns that the curve has no direction at t = ${warnings.join(', ')}, ` +
          'as where a corner lies on top of its neighbour.'),
    };
  }

  // Whether every corner moved by the same offset from `from` to `to`: the whole curve moved.
  function movedTogether(from, to) {
    const offset = (k) => to.controlPoints[k] - from.controlPoints[k];
    return [2, 4, 6].every((k) => Math.abs(offset(k) - offset(0)) < 1e-9 && Math.abs(offset(k + 1) - offset(1)) < 1e-9);
  }

  // What differs between the words of two scenes, as one announcement ('' for nothing).
  function changes(before, after, moved) {
    const phrases = ['waves', 'amplitude', 'steps', 'zoom'].filter((key) => before[key] !== after[key]).map((key) => after[key]);
    const corners = [0, 1, 2, 3].filter((k) => before.corners[k] !== after.corners[k]);
    if (corners.length === 4 && moved) {
      phrases.push('curve moved');
    } else {
      for (const k of corners) phrases.push(`P${k} moved to ${after.corners[k]}`);
    }
    return phrases.join(', ');
  }

  // connect(description, news, { decimals, clock }): description is the element that describes
  // the canvas, news the live region of the announcements, decimals(value, digits) the readout's
  // numbers. Gives printed(line), for every line the program prints; frameDrawn(scene), after every
  // frame; linkOpened(), when a drawing was opened from the address.
  function connect(description, news, { decimals, clock }) {
    let warnings = [];
    const announcer = QuillmarkAnnouncer.create({
      clock,
      changes: (before, after) => changes(before.words, after.words, movedTogether(before.scene, after.scene)),
      show: (text) => { news.textContent = text; },
    });

    return {
      printed(line) {
        const warning = WARNING.exec(line);
        if (warning !== null && !warnings.includes(warning[1])) warnings.push(warning[1]);
      },
      frameDrawn(scene) {
        const words = wordsOf(scene, decimals);
        const text = words.description(warnings);
        warnings = [];
        if (description.textContent !== text) description.textContent = text;
        // A change, or a press taken or let go, puts the announcement off.
        const held = scene.selectedPoint !== -1 || scene.zoomDragActive;
        announcer.frameDrawn({ scene, words }, [text, scene.selectedPoint, scene.zoomDragActive].join(), held);
      },
      linkOpened: announcer.linkOpened,
    };
  }

  return { connect };
})();
