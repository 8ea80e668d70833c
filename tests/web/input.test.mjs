// input.test.mjs: real mouse, wheel, touch and key input through the browser leaves the program's
// scene exactly as the desktop's handlers leave it for the same events, and a drawing so reached
// opens again from its link; keys the program does not use, and the wheel away from the canvas,
// keep their meaning in the browser.
import { test, expect } from '@playwright/test';
import { createRequire } from 'node:module';
import { canvasPasses, canvasPixel, changedPixels, desktopSceneAfter, DOWN, drawingOf, fingersOn, key, LEFT, MIDDLE, openPage, pagePoint, passesOfPng, performMouse, PHONE, RIGHT, sceneOf, special, UP, WHEEL_DOWN } from './support.mjs';

const { REPEAT_DELAY, REPEAT_INTERVAL } = createRequire(import.meta.url)('../../web/page/repeat.js');

const scrollTop = (page) => page.evaluate(() => window.scrollY);
// Two animation frames: whatever the page gave the program before is drawn and in the readout.
const framesDrawn = (page) => page.evaluate(() => new Promise((resolve) => {
  requestAnimationFrame(() => requestAnimationFrame(resolve));
}));
// P0 dragged once, then P1 onto the same pixel: both went through the same conversion and lie on
// each other exactly.
const P1_ON_P0 = [
  ['mouse', LEFT, DOWN, 160, 400], ['motion', 120, 520], ['mouse', LEFT, UP, 120, 520],
  ['mouse', LEFT, DOWN, 320, 80], ['motion', 120, 520], ['mouse', LEFT, UP, 120, 520],
];
// Tab from one control reaches the next, which shows a focus ring.
async function tabFrom(page, from, to) {
  await from.focus();
  await page.keyboard.press('Tab');
  await expect(to).toBeFocused();
  expect(await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle)).toBe('solid');
}
// A left drag from canvas pixel (x, y) by (dx, dy) in one motion.
const drag = (x, y, dx, dy) => [['mouse', LEFT, DOWN, x, y], ['motion', x + dx, y + dy], ['mouse', LEFT, UP, x + dx, y + dy]];

test('a drag of P1, zoomed by the right button outside the canvas on the way, and a one-move drag of P2 leave the desktop\'s scene', async ({ page }) => {
  const box = await openPage(page);
  const events = [
    ['mouse', LEFT, DOWN, 320, 80], ['motion', 300, 70], ['motion', 260, 95], ['motion', 900, 60],
    ['mouse', RIGHT, DOWN, 900, 60], ['motion', 880, 20], ['mouse', RIGHT, UP, 880, 20], ['motion', 200, 60],
    ['mouse', LEFT, UP, 200, 60],
    ['mouse', LEFT, DOWN, 480, 80], ['motion', 523, 141], ['mouse', LEFT, UP, 523, 141],
  ];
  await performMouse(page, box, events);
  const desktop = desktopSceneAfter(events);
  expect(desktop.controlPoints).not.toEqual(desktopSceneAfter([]).controlPoints);
  await expect.poll(() => sceneOf(page)).toEqual(desktop);
});

test('a drawing reached by input, shown rounded, opens again from the copied link: the same drawing to the bit, the same pixels', async ({ page }) => {
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  const box = await openPage(page);
  const drags = [['mouse', LEFT, DOWN, 320, 80], ['motion', 200, 60], ['mouse', LEFT, UP, 200, 60],
    ['mouse', RIGHT, DOWN, 700, 700], ['motion', 700, 640], ['mouse', RIGHT, UP, 700, 640]];
  await performMouse(page, box, drags);
  await page.keyboard.press('F7');
  for (let k = 0; k < 15; ++k) await page.keyboard.press('s');
  const desktop = desktopSceneAfter([...drags, special('F7'), ...Array(15).fill(key('s'))]);
  await expect.poll(() => sceneOf(page)).toEqual(desktop);
  const shown = (field) => page.locator(`#readout [data-field=${field}]`);
  await expect(shown('waveAmplitude')).toHaveText('-0.05');
  await expect(shown('zoom')).toHaveText('2.06');
  await expect(shown('p1')).toHaveText('(-0.250, 0.425)');
  await expect(shown('markerPoints')).toHaveText(String(desktop.markerPoints));
  // The address follows the drawing by itself, within a second.
  await expect.poll(() => new URL(page.url()).hash).toMatch(/^#p=/);
  await page.getByRole('button', { name: /^Copy link/ }).click();
  await expect(page.locator('#share-said')).toHaveText('Link copied');
  const link = await page.evaluate(() => navigator.clipboard.readText());
  expect(link).toBe(page.url());
  const picture = await canvasPasses(page);
  // One page at a time: a page in the background gets no frames.
  await page.close();
  const opened = await page.context().newPage();
  await opened.goto(link);
  await expect.poll(async () => drawingOf(await sceneOf(opened) ?? {})).toEqual(drawingOf(desktop));
  expect(changedPixels(await canvasPasses(opened), picture)).toBe(0);
});

test('right and middle drags zoom as on the desktop, outside the canvas too, with no menu', async ({ page }) => {
  const box = await openPage(page);
  // Listening starts before the right press, so the menu event cannot come first.
  await page.evaluate(() => {
    window.menuShown = new Promise((resolve) => {
      window.addEventListener('contextmenu', (event) => resolve(!event.defaultPrevented));
    });
  });
  const events = [
    ['mouse', RIGHT, DOWN, 700, 700], ['motion', 700, 650], ['motion', 702, 580], ['motion', 900, 560],
    ['mouse', RIGHT, UP, 900, 560],
    ['mouse', MIDDLE, DOWN, 100, 700], ['motion', 100, 733], ['mouse', MIDDLE, UP, 100, 733],
  ];
  await performMouse(page, box, events);
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
  expect(await page.evaluate(() => window.menuShown)).toBe(false);
});

test('the side buttons act as other buttons do, and the back button does not leave the page', async ({ page }) => {
  // A page to go back to.
  await page.goto(`${process.env.QUILLMARK_URL}?before`);
  const box = await openPage(page);
  const mouse = await page.context().newCDPSession(page);
  const [x, y] = pagePoint(box, 600, 300);
  const [, yUp] = pagePoint(box, 600, 250);
  const send = (type, button, at) => mouse.send('Input.dispatchMouseEvent',
    { type, button, x: at[0], y: at[1], clickCount: 1, buttons: type === 'mouseReleased' ? 0 : { back: 8, forward: 16 }[button] });
  await send('mousePressed', 'back', [x, y]);
  await send('mouseMoved', 'back', [x, yUp]);
  await send('mouseReleased', 'back', [x, yUp]);
  await send('mousePressed', 'forward', [x, y]);
  await send('mouseReleased', 'forward', [x, y]);
  const events = [['mouse', 7, DOWN, 600, 300], ['motion', 600, 250], ['mouse', 7, UP, 600, 250],
    ['mouse', 8, DOWN, 600, 300], ['mouse', 8, UP, 600, 300]];
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
  // Its fragment names the drawing.
  expect(page.url().split('#')[0]).toBe(process.env.QUILLMARK_URL);
});

test('arrows move the drawing by 80 pixels and do not scroll the page', async ({ page }) => {
  await openPage(page);
  const canvas = page.locator('#canvas');
  const start = passesOfPng(await canvas.screenshot());
  const scrolled = await scrollTop(page);
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([special('ArrowRight'), special('ArrowDown')]));
  expect(await scrollTop(page)).toBe(scrolled);
  const moved = passesOfPng(await canvas.screenshot());
  // The control polygon's blue, rows 60 to 100 at start-up: the P1-P2 edge on row 80 and its neighbours.
  const blueIn = (passes, rows) => {
    const found = [];
    passes.forEach((pass, i) => {
      const y = Math.floor(i / 800);
      if (pass === 2 && y >= rows[0] && y <= rows[1]) found.push([i % 800, y]);
    });
    return found;
  };
  const before = blueIn(start, [60, 100]);
  expect(before.length).toBeGreaterThan(100);
  expect(blueIn(moved, [140, 180])).toEqual(before.map(([x, y]) => [x + 80, y + 80]));
  // Left once and up twice: a swapped pair would move the curve elsewhere.
  for (const name of ['ArrowLeft', 'ArrowUp', 'ArrowUp']) await page.keyboard.press(name);
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(['ArrowRight', 'ArrowDown', 'ArrowLeft', 'ArrowUp', 'ArrowUp'].map(special)));
});

test('with a corner chosen an arrow button drags it 8 pixels as the mouse does, unless another lies on it; arrow keys change the choice in its group, the curve elsewhere', async ({ page }) => {
  const box = await openPage(page);
  const choice = (name) => page.getByRole('radio', { name });
  const button = (name) => page.getByRole('button', { name });
  const said = page.locator('#arrows-said');
  await expect(choice('Whole curve')).toBeChecked();
  // P2 is drawn 79.99999 pixels down at start-up: pressed on the nearest pixel.
  await choice('P2').check();
  await button('Move up').click();
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(drag(480, 80, 0, -8)));
  const start = [...drag(480, 80, 0, -8), ...P1_ON_P0];
  await performMouse(page, box, P1_ON_P0);
  // Steps press where the last frame drew the corner: the frame after the drags.
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(start));
  // P1 lies exactly on P0: a press there picks P0, the first of equals.
  await choice('P1').check();
  await button('Move right').click();
  await expect(said).toHaveText('P1 lies on P0 here: drag it, or move P0 away first');
  await choice('P0').check();
  await expect(said).toHaveText('');
  await button('Move right').click();
  // Chosen from the keyboard: Tab from the last arrow reaches the group, where a program key still
  // acts and ArrowRight moves the choice on. P1, 8 pixels from P0, is the nearer to its own pixel.
  await tabFrom(page, button('Move right'), choice('P0'));
  await page.keyboard.press('a');
  await page.keyboard.press('ArrowRight');
  await expect(choice('P1')).toBeChecked();
  // Three steps within one frame, beyond the picking radius of where the frame drew P1.
  await page.evaluate(() => {
    for (const action of ['down', 'down', 'right']) document.querySelector(`[data-action=move-${action}]`).click();
  });
  // While the mouse holds a button a step waits; then Enter steps.
  await page.mouse.move(...pagePoint(box, 700, 700));
  await page.mouse.down();
  await button('Move left').focus();
  await page.keyboard.press('Enter');
  await page.mouse.up();
  await page.keyboard.press('Enter');
  // The arrow keys move the curve, here P0 off the canvas, where no press reaches it.
  for (const name of ['ArrowUp', 'ArrowLeft', 'ArrowLeft']) await page.keyboard.press(name);
  const events = [...start, ...drag(120, 520, 8, 0), key('a'), ...drag(120, 520, 0, 8), ...drag(120, 528, 0, 8),
    ...drag(120, 536, 8, 0), ['mouse', LEFT, DOWN, 700, 700], ['mouse', LEFT, UP, 700, 700], ...drag(128, 536, -8, 0),
    special('ArrowUp'), special('ArrowLeft'), special('ArrowLeft')];
  const desktop = desktopSceneAfter(events);
  await expect.poll(() => sceneOf(page)).toEqual(desktop);
  await choice('P0').check();
  await button('Move right').click();
  await expect(said).toHaveText('P0 lies outside the drawing: move the curve or zoom out first');
  expect(await sceneOf(page)).toEqual(desktop);
});

test('F5 sets five half-waves and the same document stays loaded', async ({ page }) => {
  await openPage(page);
  let navigations = 0;
  // A new document fires load; the address following the drawing loads none.
  page.on('load', () => { navigations += 1; });
  await page.keyboard.press('F5');
  await page.keyboard.press('Shift+F11');
  await page.keyboard.press('F5');
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([special('F5'), special('F11'), special('F5')]));
  expect(navigations).toBe(0);
});

test('Space scrolls, Tab reaches a link and Enter follows it, keys with Alt stay the browser\'s; the program sees none of them', async ({ page }) => {
  await openPage(page);
  const start = await sceneOf(page);
  await page.keyboard.press('Space');
  await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
  await page.keyboard.press('Tab');
  expect(await page.evaluate(() => document.activeElement.tagName)).toBe('A');
  await page.keyboard.press('Enter');
  await expect(page).toHaveURL(/#controls$/);
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Alt+a');
  await page.keyboard.press('Alt+F3');
  expect(await sceneOf(page)).toEqual(start);
});

test.describe('on a phone', () => {
  test.use(PHONE);

  // Lifted with no move for a while, a finger flings nothing: the page stops where it was.
  const swipe = async (send, [x, y], dy) => {
    await send('touchStart', [x, y]);
    for (let k = 1; k <= 4; ++k) await send('touchMove', [x, y + k * dy / 4]);
    await new Promise((resolve) => { setTimeout(resolve, 300); });
    await send('touchEnd');
  };

  test('a finger within reach of a corner drags it from the corner, once and again, with the pointer to itself until a link is opened; elsewhere it scrolls the page or does nothing', async ({ page }) => {
    let box = await openPage(page);
    const send = await fingersOn(page);
    const start = await sceneOf(page);
    // 30 CSS pixels below P0 (canvas pixel 160, 400): out of reach, so the page's to scroll; a tap
    // there gives the program nothing, not even where the pointer was.
    const [p0x, p0y] = pagePoint(box, 160, 400);
    await send('touchStart', [p0x, p0y + 30]);
    await send('touchEnd');
    await framesDrawn(page);
    expect(await sceneOf(page)).toEqual(start);
    await swipe(send, [p0x, p0y + 30], -200);
    await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
    expect(await sceneOf(page)).toEqual(start);

    await page.evaluate(() => window.scrollTo(0, 0));
    box = await page.locator('#canvas').boundingBox();
    const events = [];
    // A drag as the desktop gets it: a press on the corner's own pixel, then the finger's movement.
    // A second finger, meanwhile, gives the program nothing, nor does a zoom drag of the mouse.
    const drag = async (corner, points, second) => {
      const landed = canvasPixel(box, ...points[0]);
      const at = (point) => canvasPixel(box, ...point).map((c, k) => corner[k] + c - landed[k]);
      events.push(['mouse', LEFT, DOWN, ...corner]);
      await send('touchStart', points[0]);
      await send('touchStart', points[0], second);
      await performMouse(page, box, [['mouse', RIGHT, DOWN, 600, 600], ['motion', 600, 500], ['mouse', RIGHT, UP, 600, 500]]);
      for (const point of points.slice(1)) {
        events.push(['motion', ...at(point)]);
        await send('touchMove', point, second);
      }
      events.push(['mouse', LEFT, UP, ...at(points.at(-1))]);
      await send('touchEnd');
    };
    // The second finger on Zoom in: the zoom buttons wait while a press is held.
    const zoomIn = await page.getByRole('button', { name: /^Zoom in/ }).boundingBox();
    const [p1x, p1y] = pagePoint(box, 320, 80);
    await drag([320, 80], [[p1x - 18, p1y], [p1x + 7, p1y + 15], [p1x + 22, p1y - 10]],
      [zoomIn.x + zoomIn.width / 2, zoomIn.y + zoomIn.height / 2]);
    // P2, with a second finger on the drawing, dragged down out of the canvas and lifted there.
    const [p2x, p2y] = pagePoint(box, 480, 80);
    await drag([480, 80], [[p2x + 12, p2y + 12], [p2x + 30, p2y + 200], [p2x + 40, box.y + box.height + 40]],
      pagePoint(box, 600, 600));
    await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));

    // The start-up drawing's link, opened while a finger drags P3, ends that drag: the finger's later
    // moves give the program nothing, not even while the mouse drags P1; nor does a finger that lands
    // on P2 meanwhile. Sideways moves: the page cannot scroll under them.
    const link = `p=${start.controlPoints}&n=${start.waveCount}&a=${start.waveAmplitude}&s=${start.segmentCount}&z=${start.zoom}`;
    const [p3x, p3y] = pagePoint(box, 640, 400);
    await send('touchStart', [p3x, p3y]);
    await send('touchMove', [p3x - 20, p3y]);
    await page.evaluate((fragment) => { location.hash = fragment; }, link);
    await expect.poll(async () => drawingOf(await sceneOf(page))).toEqual(drawingOf(start));
    // The canvas pixels a mouse can reach at this scale.
    const [grab, end] = [[320, 80], [300, 130]].map((point) => canvasPixel(box, ...pagePoint(box, ...point)));
    const mouseDrag = [['mouse', LEFT, DOWN, ...grab], ['motion', ...end], ['mouse', LEFT, UP, ...end]];
    await performMouse(page, box, mouseDrag.slice(0, 1));
    await send('touchMove', [p3x - 50, p3y]);
    await send('touchEnd');
    await send('touchStart', [p2x, p2y]);
    await send('touchMove', [p2x + 30, p2y]);
    await send('touchEnd');
    await performMouse(page, box, mouseDrag.slice(1));
    await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(mouseDrag));
  });

  test('two fingers on the drawing zoom it as they spread, never the page, unless the page has begun to scroll', async ({ page }) => {
    const box = await openPage(page);
    const send = await fingersOn(page);
    const [x, y] = pagePoint(box, 400, 560);
    const fingers = (spread) => [[x - spread, y], [x + spread, y]];
    const zoom = async () => (await sceneOf(page)).zoom;
    // After each move the zoom is the pinch's start times the growth of the fingers' distance, or
    // exactly the bound 0.1 or 5 beyond it; the pinch is one zoom drag.
    const pinch = async (starts, spreads, end = 'touchEnd') => {
      const start = await zoom();
      const startSpread = (starts.at(-1)[1][0] - starts.at(-1)[0][0]) / 2;
      for (const down of starts) await send('touchStart', ...down);
      for (const spread of spreads) {
        await send('touchMove', ...fingers(spread));
        const wanted = start * spread / startSpread;
        const bounded = Math.min(Math.max(wanted, 0.1), 5);
        await (bounded === wanted ? expect.poll(zoom).toBeCloseTo(wanted, 2) : expect.poll(zoom).toBe(bounded));
        expect((await sceneOf(page)).zoomDragActive).toBe(true);
      }
      await send(end);
      await expect.poll(async () => (await sceneOf(page)).zoomDragActive).toBe(false);
    };
    // Both fingers landing at once: 1.5 times their distance and back, 2 to 3 and back to 2.
    await pinch([fingers(40)], [60, 40]);
    // From a link's zoom between the drag's whole pixels, spread far: exactly 5, and back. A later
    // pinch starts from 5, one finger landing after the other; another goes in far (exactly 0.1),
    // back and in far again, and is cut short by a touchcancel.
    await page.evaluate(() => { location.hash = 'p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2.0006'; });
    await expect.poll(zoom).toBe(2.0006);
    await pinch([fingers(40)], [150, 40, 150]);
    await pinch([[fingers(100)[0]], fingers(100)], [50, 8]);
    await pinch([fingers(60)], [3, 60, 3], 'touchCancel');
    expect(await page.evaluate(() => visualViewport.scale)).toBe(1);

    // Once the first finger scrolls the page, a second one zooms nothing.
    const before = await sceneOf(page);
    await send('touchStart', [x, y]);
    for (let k = 1; k <= 4; ++k) await send('touchMove', [x, y - 40 * k]);
    await send('touchStart', [x, y - 160], [x + 60, y - 160]);
    await send('touchMove', [x, y - 160], [x + 160, y - 160]);
    await send('touchEnd');
    await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
    expect(await sceneOf(page)).toEqual(before);
    // Nor once the page has scrolled under a finger's one move, which it could still cancel. (The
    // page tells of a scroll on the next frame.)
    await page.evaluate(() => window.scrollTo(0, 0));
    await framesDrawn(page);
    await send('touchStart', [x, y]);
    await send('touchMove', [x, y - 160]);
    await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
    await framesDrawn(page);
    await send('touchStart', [x, y - 160], [x + 60, y - 160]);
    await send('touchMove', [x, y - 160], [x + 160, y - 160]);
    await send('touchEnd');
    await framesDrawn(page);
    expect(await sceneOf(page)).toEqual(before);
    // Every finger lifted, the next two zoom again.
    await page.evaluate(() => window.scrollTo(0, 0));
    await framesDrawn(page);
    await pinch([[fingers(20)[0]], fingers(20)], [80]);
    expect(await page.evaluate(() => visualViewport.scale)).toBe(1);
  });

  test('every button hands the program its key or zoom drag, repeats while held, and is a 44-pixel target', async ({ page }) => {
    await openPage(page);
    const button = (name) => page.getByRole('button', { name: new RegExp(`^${name}`) });
    const zoom = (dy) => [['mouse', MIDDLE, DOWN, 400, 400], ['motion', 400, 400 + dy], ['mouse', MIDDLE, UP, 400, 400 + dy]];
    // Left once and right twice, up twice and down once: a swapped pair changes the scene.
    const taps = [
      ['Fewer half-waves', [special('F9')]], ['More half-waves', [special('F10')]],
      ['More half-waves', [special('F11')]], ['More half-waves', [special('F12')]],
      ['Lower amplitude', [key('s')]], ['Raise amplitude', [key('a')]], ['Fine resolution', [key('r')]],
      ['Zoom out', zoom(100)], ['Zoom in', zoom(-100)], ['Zoom in', zoom(-100)],
      ['Move left', [special('ArrowLeft')]], ['Move right', [special('ArrowRight')]], ['Move right', [special('ArrowRight')]],
      ['Move up', [special('ArrowUp')]], ['Move up', [special('ArrowUp')]], ['Move down', [special('ArrowDown')]],
    ];
    // Tapped and clicked by turns: each acts once, and nothing repeats once the press is over.
    for (const [k, [name]] of taps.entries()) await (k % 2 === 0 ? button(name).tap() : button(name).click());
    const events = taps.flatMap(([, given]) => given);
    await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
    await page.waitForTimeout(600);
    expect(await sceneOf(page)).toEqual(desktopSceneAfter(events));
    await expect(button('More half-waves')).toBeDisabled();
    await expect(button('Fine resolution')).toHaveAttribute('aria-pressed', 'true');
    await page.keyboard.press('F2');
    await button('Fewer half-waves').tap();
    await expect(button('Fewer half-waves')).toBeDisabled();
    events.push(special('F2'), special('F1'));
    for (const target of await page.locator('#panel button, #panel label').all()) {
      const { width, height } = await target.boundingBox();
      expect(Math.min(width, height)).toBeGreaterThanOrEqual(44);
    }

    // Held for a second, Raise amplitude acts at once, repeats like a held key from 0.4 s on, and
    // stops when the finger lifts; Lower amplitude stops when the finger slides off it.
    const send = await fingersOn(page);
    const amplitude = async () => {
      await framesDrawn(page);
      return (await sceneOf(page)).waveAmplitude;
    };
    // The amplitude of every frame, timed from the press.
    await page.evaluate(() => {
      const readout = document.getElementById('readout');
      window.amplitudes = [];
      document.getElementById('panel').addEventListener('pointerdown', (event) => { window.pressedAt = event.timeStamp; });
      new MutationObserver(() => window.amplitudes.push([performance.now() - window.pressedAt,
        JSON.parse(readout.dataset.scene).waveAmplitude])).observe(readout, { attributeFilter: ['data-scene'] });
    });
    const stillAfter = async (wait) => {
      const now = await amplitude();
      await page.waitForTimeout(wait);
      expect(await amplitude()).toBe(now);
      return now;
    };
    const raise = await button('Raise amplitude').boundingBox();
    const before = await amplitude();
    await send('touchStart', [raise.x + raise.width / 2, raise.y + raise.height / 2]);
    await page.waitForTimeout(1000);
    await send('touchEnd');
    const held = await stillAfter(600);
    const repeats = Math.round((held - before) / 0.01);
    // At most what the delay and the interval give in the second held, and a quarter of a second
    // of the browser's own lateness; exact counts are the page logic's unit test's.
    expect(repeats).toBeGreaterThanOrEqual(4);
    expect(repeats).toBeLessThanOrEqual(2 + Math.floor((1250 - REPEAT_DELAY) / REPEAT_INTERVAL));
    for (const [time, value] of await page.evaluate(() => window.amplitudes)) {
      if (time < 400) expect(value).toBeCloseTo(before + 0.01, 9);
    }
    const lower = await button('Lower amplitude').boundingBox();
    await send('touchStart', [lower.x + lower.width - 3, lower.y + lower.height / 2]);
    await page.waitForTimeout(600);
    await send('touchMove', [lower.x + lower.width + 3, lower.y + lower.height / 2]);
    const lowered = Math.round((held - await stillAfter(300)) / 0.01);
    expect(lowered).toBeGreaterThanOrEqual(2);
    await send('touchEnd');

    // From the keyboard: Tab onto the button, a focus ring, then Enter and Space.
    await tabFrom(page, button('Lower amplitude'), button('Raise amplitude'));
    await page.keyboard.press('Enter');
    await page.keyboard.press('Space');
    events.push(...Array(repeats).fill(key('a')), ...Array(lowered).fill(key('s')), key('a'), key('a'));
    await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
  });
});

test('a wheel step over the canvas is a press and a release, and scrolls the page; the next drag moves a point', async ({ page }) => {
  let box = await openPage(page);
  await page.mouse.move(...pagePoint(box, 400, 400));
  await page.mouse.wheel(0, 120);
  await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
  box = await page.locator('#canvas').boundingBox();
  const drag = [['mouse', LEFT, DOWN, 320, 80], ['motion', 330, 150], ['mouse', LEFT, UP, 330, 150]];
  await performMouse(page, box, drag);
  const events = [['mouse', WHEEL_DOWN, DOWN, 400, 400], ['mouse', WHEEL_DOWN, UP, 400, 400], ...drag];
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
});

test('the log keeps the last 100 warning lines and counts the others', async ({ page }) => {
  const box = await openPage(page);
  // The curve stands still at t = 0 and every frame prints a warning.
  const events = P1_ON_P0;
  await performMouse(page, box, events);
  const desktop = desktopSceneAfter(events);
  expect(desktop.controlPoints.slice(2, 4)).toEqual(desktop.controlPoints.slice(0, 2));
  await expect.poll(() => sceneOf(page)).toEqual(desktop);
  // Each F10 asks for a frame (ten half-waves, as before); one frame per animation frame.
  for (let k = 0; k < 130; ++k) {
    await page.keyboard.press('F10');
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
  }
  await expect.poll(() => page.locator('#log-dropped').textContent()).toMatch(/^\d+ earlier lines not shown$/);
  const lines = (await page.locator('#log').textContent()).split('\n');
  expect(lines).toEqual(Array(100).fill('warning : t = 0.000, derivative vector is (0,0)'));
  // The log is written on the frame after the one that printed.
  const droppedLines = async () => {
    for (let k = 0; k < 3; ++k) await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    return Number((await page.locator('#log-dropped').textContent()).split(' ')[0]);
  };
  const dropped = await droppedLines();
  expect(dropped).toBeGreaterThanOrEqual(30);

  // Three keys within one animation frame draw one frame, as GLUT merges redraws: one line more.
  await page.evaluate(() => {
    for (let k = 0; k < 3; ++k) window.dispatchEvent(new KeyboardEvent('keydown', { key: 'F10' }));
  });
  expect(await droppedLines()).toBe(dropped + 1);
});
