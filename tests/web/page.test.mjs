// page.test.mjs: the page around the program: scaled down but square on a narrow viewport, where the
// pointer still lands on the program's pixels; the drawing and its buttons in view on phones and
// laptops; a clear message where it cannot run (from a file, or with WebGL turned off) or a link
// cannot be used, links pasted into the address, and the page opened again with its server gone.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { test, expect } from '@playwright/test';
import { CHROMIUM_OPTIONS } from './chromium.mjs';
import { PHONE, canvasPixel, desktopSceneAfter, openPage, pagePoint, performMouse, sceneOf } from './support.mjs';
import { serveFolder } from './serve.mjs';

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

// The boxes of the canvas, the eleven buttons, the five choices of what the arrows move and the four
// values, and how far the page scrolls sideways.
const layoutOf = (page) => page.evaluate(() => ({
  canvas: document.getElementById('canvas').getBoundingClientRect().toJSON(),
  parts: Array.from(document.querySelectorAll('#canvas, #panel button, #panel label, #readout [data-field]'),
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
  const phone = await browser.newContext(PHONE);
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

test('in a browser with WebGL turned off, the page says so and what helps, not to reload', async ({ playwright }) => {
  const browser = await playwright.chromium.launch({ ...CHROMIUM_OPTIONS, args: [...CHROMIUM_OPTIONS.args, '--disable-webgl'] });
  try {
    const page = await browser.newPage();
    await page.goto(process.env.QUILLMARK_URL);
    const status = page.locator('#status');
    await expect(status).toContainText('This browser has WebGL turned off');
    await expect(status).toContainText('another browser');
    await expect(status).toContainText('hardware acceleration');
    await expect(status).not.toContainText('Reload');
    await expect(status).toBeVisible();
  } finally {
    await browser.close();
  }
});

test('a bad link gives the start-up drawing and says why; pasted links end a drag, the last one wins, extreme ones draw, and the address is written at most once a second, refusals included', async ({ page }) => {
  // As WebKit refuses calls past 100 in 30 s: the first two are refused here.
  await page.addInitScript(() => {
    const replaceState = history.replaceState.bind(history);
    window.addressWrites = 0;
    history.replaceState = (...args) => {
      if (++window.addressWrites <= 2) throw new DOMException('The operation is insecure.', 'SecurityError');
      return replaceState(...args);
    };
  });
  await page.goto(`${process.env.QUILLMARK_URL}#p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=13&a=0.1&s=100&z=2`);
  await expect(page.locator('#status')).toContainText("could not be used: the half-waves must be a whole number from 1 to 12, not '13'.");
  expect(await sceneOf(page)).toEqual(desktopSceneAfter([]));
  // The start-up drawing's address has no fragment.
  await expect.poll(() => page.url()).toBe(process.env.QUILLMARK_URL);

  // P1 held while two links are pasted, the last P1 onto P0: its vanishing derivative warns at once.
  // The second move's address falls due while the page is busy, and its write then comes before the
  // pasted address's hashchange: it must not write over the pasted address.
  await performMouse(page, await page.locator('#canvas').boundingBox(),
    [['mouse', 0, 0, 320, 80], ['motion', 300, 100], ['motion', 290, 110]]);
  const busy = page.evaluate(() => { for (const due = performance.now() + 1100; performance.now() < due;); });
  await page.evaluate(() => {
    location.hash = 'n=2';
    location.hash = 'p=-0.3,0,-0.3,0,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2';
  });
  await busy;
  await expect.poll(() => sceneOf(page)).toMatchObject({ controlPoints: [-0.3, 0, -0.3, 0, 0.1, 0.4, 0.3, 0], selectedPoint: -1 });
  await expect(page.locator('#status')).toBeHidden();
  await expect(page.locator('#log')).toContainText('warning : t = 0.000, derivative vector is (0,0)');

  const M = '1.7976931348623157e308';
  await page.evaluate((link) => { location.hash = link; }, `p=${M},-${M},0,0,-${M},${M},0,0&n=12&a=-${M}&s=512&z=5`);
  await page.keyboard.press('F3');
  const reached = async () => {
    const scene = await sceneOf(page);
    return [scene.controlPoints[1], scene.waveCount];
  };
  await expect.poll(reached).toEqual([-Number.MAX_VALUE, 3]);
  for (let k = 0; k < 30; ++k) await page.keyboard.press('a');
  const [writes, seconds] = await page.evaluate(() => [window.addressWrites, performance.now() / 1000]);
  expect(writes).toBeLessThanOrEqual(Math.floor(seconds) + 1);
});

test('after one visit the whole site opens with its server stopped, and a new version on the server shows at once', async ({ page }) => {
  // A copy of the site, in the test's own output folder, which the next run clears.
  const site = test.info().outputPath('site');
  fs.cpSync(process.env.QUILLMARK_SITE, site, { recursive: true });
  let server = await serveFolder(site);
  await page.goto(server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await server.stop();
  await page.reload();
  await expect.poll(() => sceneOf(page)).not.toBeNull();
  // Every file was kept, those the page asks for later or never too.
  const files = fs.readdirSync(site);
  expect(await page.evaluate((names) => Promise.all(names.map((name) => fetch(name).then((response) => response.ok, () => false))), files))
    .toEqual(files.map(() => true));
  const index = path.join(site, 'index.html');
  fs.writeFileSync(index, fs.readFileSync(index, 'utf8').replace('<title>Quillmark</title>', '<title>Quillmark, new</title>'));
  server = await serveFolder(site, new URL(server.url).port);
  await page.reload();
  await expect(page).toHaveTitle('Quillmark, new');
  await server.stop();
});
