// page.test.mjs: the page around the program: scaled down but square on a narrow viewport, where the
// pointer still lands on the program's pixels; the drawing and its buttons in view on phones and
// laptops; and a clear message where it cannot run.
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { test, expect } from '@playwright/test';
import { canvasPixel, desktopSceneAfter, openPage, pagePoint, performMouse, sceneOf } from './support.mjs';

test('narrowed to a phone\'s width, the canvas is scaled down, square, and a drag still picks and moves P1', async ({ page }) => {
  await openPage(page);
  await page.setViewportSize({ width: 480, height: 900 });
  const box = await page.locator('#canvas').boundingBox();
  expect(box.width).toBeLessThan(480);
  expect(box.height).toBe(box.width);
  // Each CSS pixel is nearly two canvas pixels across: the canvas pixels a mouse can reach near each target.
  const reachable = (x, y) => canvasPixel(box, ...pagePoint(box, x, y));
  const [grab, middle, end] = [reachable(320, 80), reachable(250, 70), reachable(200, 60)];
  const events = [['mouse', 0, 0, ...grab], ['motion', ...middle], ['motion', ...end], ['mouse', 0, 1, ...end]];
  await performMouse(page, box, events);
  const desktop = desktopSceneAfter(events);
  expect(desktop.controlPoints).not.toEqual(desktopSceneAfter([]).controlPoints);
  await expect.poll(() => sceneOf(page)).toEqual(desktop);
});

// The boxes of the canvas, the eleven buttons and the four values, and how far the page scrolls sideways.
const layoutOf = (page) => page.evaluate(() => ({
  canvas: document.getElementById('canvas').getBoundingClientRect().toJSON(),
  parts: Array.from(document.querySelectorAll('#canvas, #panel button, #readout [data-field]'),
    (element) => element.getBoundingClientRect().toJSON()),
  view: [innerWidth, innerHeight],
  sideways: document.documentElement.scrollWidth - innerWidth,
}));

// Whether every part fits in the view together: at the scroll position the page has, or at some other.
const inView = ({ parts, view }, anyScroll) => {
  const top = anyScroll ? Math.min(...parts.map((part) => part.top)) : 0;
  return parts.every((part) => part.left >= 0 && part.right <= view[0] && part.top >= top && part.bottom <= top + view[1]);
};

test('the drawing, its buttons and values fit in view on phones held either way, laptops and desktops', async ({ browser }) => {
  const phone = await browser.newContext({ viewport: { width: 412, height: 915 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2.625 });
  let page = await phone.newPage();
  await openPage(page);
  let layout = await layoutOf(page);
  expect(layout.canvas.width).toBeGreaterThanOrEqual(412 - 16);
  expect(layout.canvas.height).toBe(layout.canvas.width);
  expect(inView(layout, false)).toBe(true);
  // Turned, the phone keeps the drawing.
  await page.getByRole('button', { name: /^Raise amplitude/ }).tap();
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([['key', 97]]));
  await page.setViewportSize({ width: 915, height: 412 });
  layout = await layoutOf(page);
  expect(inView(layout, true)).toBe(true);
  expect(await sceneOf(page)).toEqual(desktopSceneAfter([['key', 97]]));
  await page.setViewportSize({ width: 320, height: 640 });
  expect((await layoutOf(page)).sideways).toBe(0);
  await phone.close();

  // Laptop windows show the drawing as large as they can, up to its own 800 pixels.
  for (const [width, height, canvasSize] of [[1280, 1000, 800], [1366, 657, 593], [1024, 768, 704]]) {
    page = await browser.newPage({ viewport: { width, height } });
    await openPage(page);
    layout = await layoutOf(page);
    expect([layout.canvas.width, layout.canvas.height]).toEqual([canvasSize, canvasSize]);
    expect(inView(layout, false)).toBe(true);
    await page.close();
  }
});

test('opened from the file system, the page says it must be served over HTTP and how', async ({ page }) => {
  await page.goto(pathToFileURL(path.join(process.env.QUILLMARK_SITE, 'index.html')).href);
  const status = page.locator('#status');
  await expect(status).toContainText('served over HTTP');
  await expect(status).toContainText('./scripts/web.sh');
  await expect(status).toBeVisible();
});
