// input.test.mjs: real mouse, wheel, touch and key input through the browser leaves the program's
// scene exactly as the desktop's handlers leave it for the same events, and a drawing so reached
// opens again from its link; keys the program does not use, and the wheel away from the canvas,
// keep their meaning in the browser.
import { test, expect } from '@playwright/test';
import {
  canvasPasses, changedPixels, desktopSceneAfter, drawingOf, openPage, pagePoint, passesOfPng, performMouse,
  sceneOf,
} from './support.mjs';

const DOWN = 0;
const UP = 1;
const LEFT = 0;
const MIDDLE = 1;
const RIGHT = 2;
const WHEEL_DOWN = 4;

// The page is taller than this viewport, so it can scroll.
const SHORT_VIEWPORT = { width: 1280, height: 700 };

const scrollTop = (page) => page.evaluate(() => window.scrollY);

test('a drag of P1 and a one-move drag of P2 leave the desktop\'s control points', async ({ page }) => {
  const box = await openPage(page);
  const events = [
    ['mouse', LEFT, DOWN, 320, 80], ['motion', 300, 70], ['motion', 260, 95], ['motion', 200, 60],
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
  const desktop = desktopSceneAfter([...drags, ['special', 7], ...Array(15).fill(['key', 115])]);
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
  await page.setViewportSize(SHORT_VIEWPORT);
  await openPage(page);
  const canvas = page.locator('#canvas');
  const start = passesOfPng(await canvas.screenshot());
  const scrolled = await scrollTop(page);
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([['special', 102], ['special', 103]]));
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
});

test('F5 sets five half-waves and the same document stays loaded', async ({ page }) => {
  await openPage(page);
  let navigations = 0;
  // A new document fires load; the address following the drawing loads none.
  page.on('load', () => { navigations += 1; });
  await page.keyboard.press('F5');
  await page.keyboard.press('Shift+F11');
  await page.keyboard.press('F5');
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([['special', 5], ['special', 11], ['special', 5]]));
  expect(navigations).toBe(0);
});

test('Space scrolls, Tab reaches a link and Enter follows it; the program sees none of them', async ({ page }) => {
  await page.setViewportSize(SHORT_VIEWPORT);
  await openPage(page);
  const start = await sceneOf(page);
  await page.keyboard.press('Space');
  await expect.poll(() => scrollTop(page)).toBeGreaterThan(0);
  await page.keyboard.press('Tab');
  expect(await page.evaluate(() => document.activeElement.tagName)).toBe('A');
  await page.keyboard.press('Enter');
  await expect(page).toHaveURL(/#controls$/);
  await page.keyboard.press('Shift+Tab');
  expect(await sceneOf(page)).toEqual(start);
});

test.describe('touch', () => {
  test.use({ hasTouch: true });

  test('a one-finger touch drag moves a point as the left button does; a second finger changes nothing', async ({ page }) => {
    const box = await openPage(page);
    const touch = await page.context().newCDPSession(page);
    const at = (x, y) => {
      const [pageX, pageY] = pagePoint(box, x, y);
      return { x: pageX, y: pageY };
    };
    const send = (type, ...points) => touch.send('Input.dispatchTouchEvent', { type, touchPoints: points });
    await send('touchStart', at(320, 80));
    await send('touchMove', at(270, 110));
    await send('touchStart', at(270, 110), at(600, 600));
    await send('touchMove', at(200, 60), at(650, 650));
    await send('touchEnd');
    const events = [['mouse', LEFT, DOWN, 320, 80], ['motion', 270, 110], ['motion', 200, 60],
      ['mouse', LEFT, UP, 200, 60]];
    await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
  });
});

test('a wheel step over the canvas is a press and a release: no scroll, and the next drag moves a point', async ({ page }) => {
  await page.setViewportSize(SHORT_VIEWPORT);
  const box = await openPage(page);
  await page.mouse.move(...pagePoint(box, 400, 400));
  const scrolled = await scrollTop(page);
  await page.mouse.wheel(0, 120);
  const drag = [['mouse', LEFT, DOWN, 320, 80], ['motion', 330, 150], ['mouse', LEFT, UP, 330, 150]];
  await performMouse(page, box, drag);
  const events = [['mouse', WHEEL_DOWN, DOWN, 400, 400], ['mouse', WHEEL_DOWN, UP, 400, 400], ...drag];
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(events));
  expect(await scrollTop(page)).toBe(scrolled);

  // Away from the canvas the wheel scrolls the page.
  const aside = await page.locator('aside').boundingBox();
  await page.mouse.move(aside.x + 20, aside.y + 20);
  await page.mouse.wheel(0, 120);
  await expect.poll(() => scrollTop(page)).toBeGreaterThan(scrolled);
});

test('the log keeps the last 100 warning lines and counts the others', async ({ page }) => {
  const box = await openPage(page);
  // P0 dragged once, then P1 onto the same pixel: both went through the same conversion, the curve
  // stands still at t = 0 and every frame prints a warning.
  const events = [
    ['mouse', LEFT, DOWN, 160, 400], ['motion', 120, 520], ['mouse', LEFT, UP, 120, 520],
    ['mouse', LEFT, DOWN, 320, 80], ['motion', 120, 520], ['mouse', LEFT, UP, 120, 520],
  ];
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
  const dropped = Number((await page.locator('#log-dropped').textContent()).split(' ')[0]);
  expect(dropped).toBeGreaterThanOrEqual(30);
});
