// pictures.test.mjs: the page's canvas against the desktop window for the same input, colour by
// colour within a pixel: the start-up frame, the markers frame (F12, a x 20, r), and that frame
// opened from the README's shared link by both; the page's saved picture against its canvas.
import fs from 'node:fs';
import path from 'node:path';
import { test, expect } from '@playwright/test';
import { canvasPasses, changedPixels, desktopSceneAfter, differences, key, makeDesktopFrames, MARKERS_FRAGMENT, openPage, passesOfPng, passesOfPpm, sceneOf, special } from './support.mjs';

let desktopFrames;

test.beforeAll(() => {
  desktopFrames = makeDesktopFrames();
});

test.afterAll(() => fs.rmSync(desktopFrames, { recursive: true, force: true }));

// Also: at 1280 x 1000 the canvas shows whole at 800 x 800, nothing comes from another origin, and
// the page starts with no error (a Content-Security-Policy violation among them).
test('the start-up frame is the desktop window\'s', async ({ page }) => {
  const requests = [];
  const errors = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(error.message));
  const box = await openPage(page);
  expect(box).toEqual({ x: box.x, y: box.y, width: 800, height: 800 });
  expect(box.y + box.height).toBeLessThanOrEqual(1000);
  expect(requests.filter((url) => !url.startsWith(process.env.QUILLMARK_URL))).toEqual([]);
  expect(errors).toEqual([]);
  const web = passesOfPng(await page.locator('#canvas').screenshot());
  expect(differences(passesOfPpm(path.join(desktopFrames, 'startup.ppm')), web)).toEqual([]);
});

test('the markers frame after F12, a x 20 and r is the desktop window\'s', async ({ page }) => {
  await openPage(page);
  await page.keyboard.press('F12');
  for (let k = 0; k < 20; ++k) await page.keyboard.press('a');
  await page.keyboard.press('r');
  await expect.poll(async () => {
    const scene = await sceneOf(page);
    return [scene.waveCount, scene.waveAmplitude.toFixed(2), scene.segmentCount];
  }).toEqual([12, '0.30', 512]);
  const web = passesOfPng(await page.locator('#canvas').screenshot());
  const found = differences(passesOfPpm(path.join(desktopFrames, 'markers.ppm')), web);
  expect(found).toEqual([]);
  expect(web.includes(4)).toBe(true);
  // The desktop's frame hands GL as many marker points; the address is the README's.
  const scene = await sceneOf(page);
  expect(scene).toEqual(desktopSceneAfter([special('F12'), ...Array(20).fill(key('a')), key('r')]));
  await expect(page.locator('#readout [data-field=markerPoints]')).toHaveText(String(scene.markerPoints));
  await expect.poll(() => new URL(page.url()).hash).toBe(MARKERS_FRAGMENT);

  // The saved picture is the canvas's own.
  const saving = page.waitForEvent('download');
  await page.getByRole('button', { name: /^Save picture/ }).click();
  const download = await saving;
  expect(download.suggestedFilename()).toBe('quillmark.png');
  const saved = passesOfPng(fs.readFileSync(await download.path()));
  expect(changedPixels(saved, web)).toBe(0);
});

test('the README\'s link opens the markers frame in the page, and with --open on the desktop', async ({ page }) => {
  await page.goto(process.env.QUILLMARK_URL + MARKERS_FRAGMENT);
  await expect.poll(() => sceneOf(page)).not.toBeNull();
  const desktop = passesOfPpm(path.join(desktopFrames, 'opened.ppm'));
  expect(changedPixels(desktop, passesOfPpm(path.join(desktopFrames, 'markers.ppm')))).toBe(0);
  expect(differences(desktop, await canvasPasses(page))).toEqual([]);
});
