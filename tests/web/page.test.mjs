// page.test.mjs: the page around the program: scaled down but square on a narrow viewport, where the
// pointer still lands on the program's pixels, and a clear message where it cannot run: opened from
// a file, or in a browser with WebGL turned off.
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { test, expect } from '@playwright/test';
import { CHROMIUM_OPTIONS } from './chromium.mjs';
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
