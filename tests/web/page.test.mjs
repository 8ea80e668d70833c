// page.test.mjs: the page around the program: scaled down but square on a narrow viewport, where the
// pointer still lands on the program's pixels; the drawing and its buttons in view on phones and
// laptops; full screen and the printed page; a clear message where it cannot run (from a file, or with WebGL turned off) or a link
// cannot be used, links pasted into the address, and the page opened again with its server gone; the
// drawing in words for screen readers, with its changes announced; Undo, Redo and Start again; audits
// clean, in the dark too.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { test, expect } from '@playwright/test';
import { CHROMIUM_OPTIONS } from './chromium.mjs';
import { canvasPasses, canvasPixel, changedPixels, desktopSceneAfter, DOWN, drawingOf, key, LEFT, MARKERS_FRAGMENT, openPage, pagePoint,
  passesOfPng, performMouse, PHONE, sceneOf, special, UP } from './support.mjs';
import { hangOn, serveFolder } from './serve.mjs';

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
const layoutOf = (page, selector = '#canvas, #panel button, #panel label, #readout [data-field]') => page.evaluate((parts) => ({
  canvas: document.getElementById('canvas').getBoundingClientRect().toJSON(),
  parts: Array.from(document.querySelectorAll(parts), (element) => element.getBoundingClientRect().toJSON()),
  view: [innerWidth, innerHeight],
  sideways: document.documentElement.scrollWidth - innerWidth,
}), selector);

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
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter([key('a')]));
  await page.setViewportSize({ width: 915, height: 412 });
  layout = await layoutOf(page);
  expect(inView(layout, true)).toBe(true);
  expect(await sceneOf(page)).toEqual(desktopSceneAfter([key('a')]));
  // A small phone: the drawing, the arrows and what they move on one screen.
  await page.setViewportSize({ width: 320, height: 640 });
  layout = await layoutOf(page, '#canvas, .move button, .arrows-move');
  expect([layout.sideways, inView(layout, true)]).toEqual([0, true]);
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

test('"Full screen" fills the screen with the drawing and its controls until its button or Escape leaves, and is hidden where the browser has none; printed: the drawing\'s picture, words and link on one page, no button', async ({ page, browser }) => {
  await openPage(page);
  const button = page.locator('#full-screen');
  const fullScreen = () => page.evaluate(() => document.fullscreenElement?.tagName ?? null);
  for (const leave of [() => button.click(), () => page.keyboard.press('Escape')]) {
    await button.click();
    await expect.poll(fullScreen).toBe('MAIN');
    await expect(button).toHaveText('Leave full screen');
    await leave();
    await expect.poll(fullScreen).toBeNull();
    await expect(button).toHaveText('Full screen');
  }

  await page.keyboard.press('F3');
  await expect.poll(() => page.url()).toMatch(/n=3/);
  const drawn = await canvasPasses(page);
  await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
  await page.emulateMedia({ media: 'print' });
  const picture = await page.locator('#print-drawing').getAttribute('src');
  expect(changedPixels(passesOfPng(Buffer.from(picture.split(',')[1], 'base64')), drawn)).toBe(0);
  await expect(page.locator('#print-link')).toHaveText(page.url());
  for (const shown of ['#print-drawing', '#drawing-words', '#print-link']) await expect(page.locator(shown)).toBeVisible();
  await expect(page.locator('#drawing-words')).toContainText('3 half-waves');
  expect(await page.evaluate(() => Array.from(document.querySelectorAll('button, input'), (part) => part.checkVisibility()).filter(Boolean).length)).toBe(0);
  const pdf = (await page.pdf()).toString('latin1');
  expect(pdf.match(/\/Type\s*\/Page\b/g).length).toBe(1);

  const noFullScreen = await browser.newPage();
  await noFullScreen.addInitScript(() => Object.defineProperty(Document.prototype, 'fullscreenEnabled', { get: () => false }));
  await openPage(noFullScreen);
  await expect(noFullScreen.locator('#full-screen')).toBeHidden();
  await noFullScreen.close();
});

test('opened from the file system, the page says it must be served over HTTP and how', async ({ page }) => {
  await page.goto(pathToFileURL(path.join(process.env.QUILLMARK_SITE, 'index.html')).href);
  const status = page.locator('#status');
  await expect(status).toContainText('served over HTTP');
  await expect(status).toContainText('./scripts/web.sh');
  await expect(status).toBeVisible();
});

test('with quillmark.wasm missing on the server, the page names the file and its HTTP status, not the loader\'s words', async ({ page }) => {
  const site = test.info().outputPath('site');
  fs.cpSync(process.env.QUILLMARK_SITE, site, { recursive: true });
  fs.rmSync(path.join(site, 'quillmark.wasm'));
  const server = await serveFolder(site);
  try {
    await page.goto(server.url);
    await expect(page.locator('#status')).toHaveText(
      'Quillmark could not be loaded: its file quillmark.wasm answered with HTTP status 404. Reload the page to try again.');
  } finally {
    await server.stop();
  }
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

test('a bad link gives the start-up drawing and says why, bad pastes keep the drawing and its drag, the address stays as typed until the drawing changes, a reload included; good pasted links end a drag and draw, the last one wins; the address is written at most once a second, refusals included, and on leaving', async ({ page }) => {
  // As WebKit refuses calls past 100 in 30 s: the first two are refused here. The time of each try.
  await page.addInitScript(() => {
    const replaceState = history.replaceState.bind(history);
    window.addressWrites = [];
    history.replaceState = (...args) => {
      if (window.addressWrites.push(performance.now()) <= 2) throw new DOMException('The operation is insecure.', 'SecurityError');
      return replaceState(...args);
    };
  });
  const typed = `${process.env.QUILLMARK_URL}#p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=13&a=0.1&s=100&z=2`;
  await page.goto(typed);
  await expect(page.locator('#status')).toContainText("could not be used: the half-waves must be a whole number from 1 to 12, not '13'. Quillmark shows its start-up drawing instead.");
  expect(await sceneOf(page)).toEqual(desktopSceneAfter([]));
  // The address stays as typed, to be mended there, through frames that change nothing and a
  // press that picks nothing, until the drawing changes.
  const box = await page.locator('#canvas').boundingBox();
  await performMouse(page, box, [['mouse', 0, 0, 700, 700], ['mouse', 0, 1, 700, 700]]);
  await page.waitForTimeout(1100);
  expect([page.url(), await page.evaluate(() => window.addressWrites.length)]).toEqual([typed, 0]);

  // P1 held while a bad address is pasted: nothing changes, the drag goes on, the address stays as
  // pasted until the drag moves P1. Then two links, the last P1 onto P0: its vanishing derivative
  // warns at once. The last move's address falls due while the page is busy, and its write then
  // comes before the pasted address's hashchange: it must not write over the pasted address.
  const drag = [['mouse', 0, 0, 320, 80], ['motion', 300, 100]];
  await performMouse(page, box, drag);
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(drag));
  await page.evaluate(() => { location.hash = 'n=0'; });
  await expect(page.locator('#status')).toContainText("could not be used: the half-waves must be a whole number from 1 to 12, not '0'. The drawing shown is kept.");
  await page.evaluate(() => { location.hash = `p=${'0'.repeat(100_000)}`; });
  await expect(page.locator('#status')).toContainText('could not be used: the address is more than 65,536 characters long.');
  expect(await sceneOf(page)).toEqual(desktopSceneAfter(drag));
  await page.waitForTimeout(1100);
  expect(await page.evaluate(() => location.hash.length)).toBe(100_003);
  drag.push(['motion', 290, 110]);
  await performMouse(page, box, drag.slice(-1));
  await expect.poll(() => sceneOf(page)).toEqual(desktopSceneAfter(drag));
  await expect.poll(() => page.evaluate(() => location.hash)).toMatch(/^#p=-0\.3,0,/);
  await expect(page.locator('#status')).toBeHidden();
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
  const reached = async () => {
    const scene = await sceneOf(page);
    return [scene.controlPoints[1], scene.waveCount];
  };
  // As a person would, F3 comes once the pasted drawing shows.
  await expect.poll(reached).toEqual([-Number.MAX_VALUE, 12]);
  await page.keyboard.press('F3');
  await expect.poll(reached).toEqual([-Number.MAX_VALUE, 3]);
  // A part of the page, its name percent-encoded, is no link.
  await page.evaluate(() => { location.hash = '%63ontrols'; });
  await expect.poll(() => page.evaluate(() => location.hash)).toMatch(/^#p=/);
  await expect(page.locator('#status')).toBeHidden();

  // r held for three seconds, the drawing changing at every repeat: a try at most every second,
  // and the address follows all the same.
  const burst = await page.evaluate(() => performance.now());
  for (const start = Date.now(); Date.now() - start < 3000;) {
    await page.keyboard.down('r');
    await page.waitForTimeout(66);
  }
  await page.keyboard.up('r');
  const tries = await page.evaluate(() => window.addressWrites);
  expect(tries.slice(1).map((time, k) => time - tries[k]).filter((gap) => gap < 999)).toEqual([]);
  expect(tries.filter((time) => time > burst).length).toBeGreaterThanOrEqual(2);
  // A change the address has not taken yet goes with the page: a reload brings it back, and keeps
  // an address that could not be used as typed. The last repeat's frame is drawn first.
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  const before = await sceneOf(page);
  await page.evaluate(() => { location.hash = 'n=1 2'; });
  const refused = "could not be used: the half-waves must be a plain decimal number, not '1 2'.";
  await expect(page.locator('#status')).toHaveText(`The address pasted ${refused} The drawing shown is kept.`);
  await page.evaluate(() => {
    window.dispatchEvent(new KeyboardEvent('keydown', { key: 'F5' }));
    location.reload();
  });
  await expect.poll(async () => drawingOf(await sceneOf(page) ?? before)).toEqual(drawingOf({ ...before, waveCount: 5 }));
  await expect(page.locator('#status')).toHaveText(`The address ${refused} Quillmark shows the tab's last drawing instead.`);
  expect(new URL(page.url()).hash).toBe('#n=1%202');
});

test('after one visit the page opens from its kept copy and says so while the network is down or hangs; a new version is kept whole, offered, and taken on its button; no load mixes two versions', async ({ page, context }) => {
  // A copy of the site, in the test's own output folder, which the next run clears.
  const site = test.info().outputPath('site');
  fs.cpSync(process.env.QUILLMARK_SITE, site, { recursive: true });
  const change = (file, from, to) => {
    const name = path.join(site, file);
    fs.writeFileSync(name, fs.readFileSync(name, 'utf8').replace(from, to));
  };
  let server = await serveFolder(site);
  const { port } = new URL(server.url);
  const offline = page.locator('#offline');
  await page.goto(server.url);
  // The worker looks after the first visit's page too, with no reload.
  await expect.poll(() => page.evaluate(() => navigator.serviceWorker.controller !== null)).toBe(true);
  await expect(offline).toBeHidden();
  await expect(page.locator('#new-version')).toBeHidden();
  await server.stop();
  await page.reload();
  await expect.poll(() => sceneOf(page)).not.toBeNull();
  await expect(offline).toHaveText('Offline: showing the copy kept on this device');
  // Every file was kept, those the page asks for later or never too.
  const files = fs.readdirSync(site);
  expect(await page.evaluate((names) => Promise.all(names.map((name) => fetch(name).then((response) => response.ok, () => false))), files))
    .toEqual(files.map(() => true));
  server = await serveFolder(site, port);
  await expect(offline).toBeHidden();

  // A new build: its page, its script and its worker's stamp. Found by the browser's look for a new
  // version (the page asks at each load), it is kept whole, then offered; a reload still shows the
  // kept version, all of it, and offers the new one again.
  const versionOf = (tab) => tab.evaluate(() => [document.title, document.documentElement.dataset.version ?? 'kept']);
  change('index.html', '<title>Quillmark</title>', '<title>Version 2</title>');
  fs.appendFileSync(path.join(site, 'quillmark-page.js'), "\ndocument.documentElement.dataset.version = '2';\n");
  change('offline.js', /const VERSION = '[^']*'/, "const VERSION = 'test-2'");
  await page.evaluate(() => navigator.serviceWorker.ready.then((registration) => registration.update()));
  await expect(page.locator('#new-version')).toBeVisible();
  await expect(page.locator('#new-version')).toContainText('A new version of Quillmark is ready');
  expect(await page.evaluate(() => caches.open('quillmark-test-2').then((cache) => cache.keys()).then((kept) => kept.length))).toBe(files.length);
  await page.reload();
  expect(await versionOf(page)).toEqual(['Quillmark', 'kept']);
  await expect(page.locator('#new-version')).toBeVisible();
  // A second tab opened now has the kept version too, and keeps it after the first takes the new one.
  const older = await context.newPage();
  await older.goto(server.url);
  expect(await versionOf(older)).toEqual(['Quillmark', 'kept']);
  await page.getByRole('button', { name: 'Reload' }).click();
  await expect(page).toHaveTitle('Version 2');
  await expect.poll(() => versionOf(page)).toEqual(['Version 2', '2']);
  await expect(page.locator('#new-version')).toBeHidden();
  const olderScript = () => older.evaluate(() => fetch('quillmark-page.js').then((response) => response.text()));
  expect(await olderScript()).not.toContain("dataset.version = '2'");
  // The old version's copy goes once no page shows it.
  const keptVersions = () => page.evaluate(() => caches.keys());
  expect(await keptVersions()).toContain('quillmark-test-2');
  expect((await keptVersions()).length).toBe(3);
  await older.close();
  await page.reload();
  await expect.poll(keptVersions).toEqual(['quillmark-pages', 'quillmark-test-2']);
  await server.stop();

  // A server that takes the connection and never answers: a new tab at a drawing's address opens
  // from the copy at once and says, after its wait, that it is offline; the line goes once the
  // network answers again. One page at a time, for its frames.
  const stopHanging = await hangOn(port);
  await page.close();
  const tab = await context.newPage();
  await tab.goto(`${server.url}#p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=7&a=0.1&s=100&z=2`);
  await expect.poll(async () => drawingOf(await sceneOf(tab) ?? {})).toEqual(drawingOf(desktopSceneAfter([special('F7')])));
  // Timed by the browser from the tab's start to the page's last file: the page's own work to
  // start, slow on a busy machine, is left out.
  const lastFileAfter = await tab.evaluate(() => performance.getEntriesByName(new URL('quillmark.wasm', location.href).href)[0].responseEnd);
  expect(lastFileAfter).toBeLessThan(6000);
  await expect(tab).toHaveTitle('Version 2');
  await expect(tab.locator('#offline')).toBeVisible();
  await stopHanging();
  server = await serveFolder(site, port);
  await expect(tab.locator('#offline')).toBeHidden();
  await server.stop();
});

// What a screen reader says: the live region's text each time it changes to words.
async function listenToNews(page) {
  await page.addInitScript(() => document.addEventListener('DOMContentLoaded', () => {
    const news = document.getElementById('drawing-news');
    window.heard = [''];
    new MutationObserver(() => {
      if (news.textContent !== window.heard.at(-1)) window.heard.push(news.textContent);
    }).observe(news, { childList: true, characterData: true, subtree: true });
  }));
  return () => page.evaluate(() => window.heard.filter((words) => words !== ''));
}

test('the drawing is an image described in words that follow it, read once; each change is announced once it settles, a held button a few times at most', async ({ page }) => {
  const heard = await listenToNews(page);
  const box = await openPage(page);
  const session = await page.context().newCDPSession(page);
  const image = async () => {
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    const node = nodes.find((candidate) => candidate.role.value === 'image');
    return `${node.name.value}: ${node.description.value}`;
  };
  const startUp = 'Quillmark: A green cubic Bézier curve from P0 (-0.30, 0.00) to P3 (0.30, 0.00), its inner corners ' +
    'P1 (-0.10, 0.40) and P2 (0.10, 0.40), with a yellow wave curve along it: 10 half-waves, amplitude 0.10, 100 steps, ' +
    'zoom 2.00. The curve is an arch. No marker points where the wave crosses itself.';
  expect(await image()).toBe(startUp);
  // Read once: as the image's description, not again as the page's text.
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  expect(nodes.filter((node) => !node.ignored && node.name?.value.startsWith('A green cubic'))).toEqual([]);

  const button = (name) => page.getByRole('button', { name });
  const keys = (...names) => async () => { for (const name of names) await page.keyboard.press(name); };
  const openLink = (fragment) => () => page.evaluate((link) => { location.hash = link; }, fragment);
  const P1_ON_P0 = 'p=-0.3,0,-0.3,0,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2';
  const said = [];
  for (const [change, words, description] of [
    // Nothing is said while a corner is held, still for longer than changes take to settle, then all
    // that changed at once: 16 pixels left and 8 down at zoom 2 are 0.02 and 0.01.
    [async () => {
      await performMouse(page, box, [['mouse', 0, 0, 320, 80], ['motion', 312, 84]]);
      await page.waitForTimeout(700);
      await keys('a', 'F3')();
      await performMouse(page, box, [['motion', 304, 88]]);
      await page.waitForTimeout(700);
      await page.mouse.up();
    }, '3 half-waves, amplitude 0.11, P1 moved to (-0.12, 0.39)'],
    [() => button('More half-waves').click(), '4 half-waves'],
    [keys('ArrowLeft', 'ArrowLeft', 'ArrowUp'), 'curve moved left 0.20 and up 0.10'],
    [() => button('Zoom in').click(), 'zoom 2.10'],
    [keys('r'), 'steps 512'],
    // The frame's warning is said and in the description; the same words twice are said twice.
    // The description is the desktop's --describe, word for word.
    [openLink(P1_ON_P0), 'drawing opened from the link, the program warns: no direction at t = 0.000',
      `Quillmark: ${execFileSync(process.env.QUILLMARK_DESKTOP, ['--describe', '--open', P1_ON_P0]).toString().trim()}`],
    [openLink(''), 'drawing opened from the link', startUp],
  ]) {
    await change();
    said.push(words);
    await expect.poll(heard).toEqual(said);
    if (description) expect(await image()).toBe(description);
  }

  // Held for 1.5 s, a button repeats about 17 times: said at most three times, last with its last value.
  await button('Raise amplitude').hover();
  await page.mouse.down();
  await page.waitForTimeout(1500);
  await page.mouse.up();
  // The wave now crosses itself, where it did not at the start-up drawing: its marker count is said too.
  const last = async () => {
    const scene = await sceneOf(page);
    return [(await heard()).at(-1), `amplitude ${scene.waveAmplitude.toFixed(2)}, ${scene.markerPoints} marker points`];
  };
  await expect.poll(async () => new Set(await last()).size).toBe(1);
  expect((await sceneOf(page)).waveAmplitude).toBeGreaterThan(0.2);
  expect((await sceneOf(page)).markerPoints).toBeGreaterThan(1);
  expect((await heard()).length - said.length).toBeLessThanOrEqual(3);
});

test('Undo, Redo and Start again walk the changes, one step each, a drag ended first, kept through a reload, to the same pixels and said so', async ({ page }) => {
  const heard = await listenToNews(page);
  const box = await openPage(page);
  const undo = () => page.keyboard.press('Control+z');
  const redo = () => page.keyboard.press('Control+Shift+Z');
  const button = (name) => page.getByRole('button', { name, exact: true });
  // A drawing once its frame is drawn (one not known ahead: the frame after next), and the frame.
  const reached = async (drawing) => {
    if (drawing) await expect.poll(async () => drawingOf(await sceneOf(page))).toEqual(drawing);
    else await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    return { drawing: drawing ?? drawingOf(await sceneOf(page)), passes: await canvasPasses(page) };
  };
  const steps = [await reached(drawingOf(desktopSceneAfter([])))];

  // A drag undone while held ends and is undone; the pointer then moves nothing, and Redo brings it.
  const drag = [['mouse', LEFT, DOWN, 320, 80], ['motion', 160, 80]];
  await performMouse(page, box, drag);
  await expect.poll(async () => (await sceneOf(page)).selectedPoint).toBe(1);
  await undo();
  await expect.poll(() => sceneOf(page)).toMatchObject({ ...steps[0].drawing, selectedPoint: -1 });
  await performMouse(page, box, [['motion', 100, 100], ['mouse', LEFT, UP, 100, 100]]);
  expect(drawingOf(await sceneOf(page))).toEqual(steps[0].drawing);
  await redo();
  const dragged = [...drag, ['mouse', LEFT, UP, 160, 80]];
  steps.push(await reached(drawingOf(desktopSceneAfter(dragged))));
  await expect.poll(heard).toEqual(['redone: P1 moved to (-0.30, 0.40)']);

  // A step each: two key taps within one frame (the first one's drawing is never drawn), a key held,
  // a drag and then a link opened under it, a button held, Start again.
  const after = (...more) => drawingOf(desktopSceneAfter([...dragged, ...more]));
  const P2 = [['mouse', LEFT, DOWN, 480, 80], ['motion', 480, 120]];
  for (const act of [
    () => page.evaluate(() => {
      for (const type of ['keydown', 'keyup', 'keydown', 'keyup']) window.dispatchEvent(new KeyboardEvent(type, { key: 'a', code: 'KeyA' }));
    }).then(() => after(key('a'), key('a'))),
    async () => {
      for (let k = 0; k < 3; ++k) await page.keyboard.down('s');
      await page.keyboard.up('s');
      return after(key('a'), key('a'), key('s'), key('s'), key('s'));
    },
    () => performMouse(page, box, P2).then(() => after(key('a'), key('a'), key('s'), key('s'), key('s'), ...P2)),
    async () => {
      await page.evaluate(() => { location.hash = 'n=3'; });
      await page.mouse.up();
      return drawingOf(desktopSceneAfter([special('F3')]));
    },
    async () => {
      await button('Zoom in').hover();
      await page.mouse.down();
      await page.waitForTimeout(700);
      await page.mouse.up();
    },
    () => button('Start again').click().then(() => steps[0].drawing),
  ]) steps.push(await reached(await act()));
  await expect(button('Start again')).toBeDisabled();

  // Back to the start, by the button and the keys, through a reload, each frame the one drawn
  // before, to the pixel. What changed is said after "undone: " (the first Undo's words are heard
  // before the next) or "redone: ", never as a link opened.
  await page.reload();
  await expect.poll(() => sceneOf(page)).not.toBeNull();
  const oneTap = drawingOf(desktopSceneAfter([...dragged, key('a')]));
  for (const k of [6, 5, 4, 3, 2, null, 1, 0]) {
    await (k === 5 ? button('Undo').click() : undo());
    const { passes } = await reached(k === null ? oneTap : steps[k].drawing);
    if (k !== null) expect(changedPixels(passes, steps[k].passes)).toBe(0);
    if (k === 6) await expect.poll(heard).toEqual([`undone: 3 half-waves, zoom ${steps[6].drawing.zoom.toFixed(2)}`]);
  }
  await expect(button('Undo')).toBeDisabled();
  // Once the undoing is said, Redo says what it changed again.
  await page.waitForTimeout(1000);
  await redo();
  const { passes } = await reached(steps[1].drawing);
  expect(changedPixels(passes, steps[1].passes)).toBe(0);
  await expect.poll(async () => (await heard()).at(-1)).toBe('redone: P1 moved to (-0.30, 0.40)');
  expect((await heard()).filter((words) => !/^(undone|redone): /.test(words))).toEqual([]);
  // A new change drops what was undone.
  await page.keyboard.press('r');
  await expect(button('Redo')).toBeDisabled();
});

test('axe finds no fault on a laptop, a phone or in the dark scheme, which darkens the page and leaves the drawing as drawn', async ({ browser }) => {
  const axe = createRequire(import.meta.url).resolve('axe-core');
  const drawings = [];
  for (const options of [{ viewport: { width: 1280, height: 1000 } }, PHONE, { viewport: { width: 1280, height: 1000 }, colorScheme: 'dark' }]) {
    const context = await browser.newContext({ ...options, bypassCSP: true });
    const page = await context.newPage();
    await openPage(page);
    await page.addScriptTag({ path: axe });
    const { violations } = await page.evaluate(() => window.axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] }));
    expect(violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(' ')}`)).toEqual([]);
    // Light text on a dark page and dark buttons in the dark scheme, dark on light otherwise.
    expect(await page.evaluate(() => [document.documentElement, document.querySelector('#panel button')].map((element) => {
      const style = getComputedStyle(element);
      const brightness = (colour) => colour.match(/\d+/g).slice(0, 3).reduce((sum, part) => sum + Number(part), 0);
      return brightness(style.color) > brightness(style.backgroundColor);
    }))).toEqual(options.colorScheme === 'dark' ? [true, true] : [false, false]);
    if (options !== PHONE) drawings.push(await page.locator('#canvas').screenshot());
    await context.close();
  }
  expect(drawings[1].equals(drawings[0])).toBe(true);
});

test('Listen says so where audio cannot start, plays the drawn wave, height as pitch, place as pan, a tick at each marker\'s step, and stops on a second press, a change of the drawing and the page hidden', async ({ page }) => {
  // Recorded: each value scheduled on an oscillator's frequency or a panner's pan, the stops with no
  // time (a stop now) and the last audio buffer made, the ticks. The audio's clock is held still, so
  // that no sound plays out by itself; with window.noAudio set, audio cannot start.
  await page.addInitScript(() => {
    window.AudioContext = class extends AudioContext {
      constructor() {
        if (window.noAudio) throw new DOMException('No audio device', 'NotSupportedError');
        super();
        this.suspend();
      }

      resume() {
        return Promise.resolve();
      }
    };
    const names = new Map();
    window.heard = { frequency: [], pan: [], stops: 0 };
    const after = (prototype, method, record) => {
      const original = prototype[method];
      prototype[method] = function (...args) {
        const result = original.apply(this, args);
        record(this, args, result);
        return result;
      };
    };
    after(BaseAudioContext.prototype, 'createOscillator', (context, args, node) => names.set(node.frequency, 'frequency'));
    after(BaseAudioContext.prototype, 'createStereoPanner', (context, args, node) => names.set(node.pan, 'pan'));
    after(BaseAudioContext.prototype, 'createBuffer', (context, args, buffer) => { window.ticks = buffer; });
    after(AudioParam.prototype, 'setValueAtTime', (param, [value, time]) => window.heard[names.get(param)]?.push([value, time]));
    after(AudioParam.prototype, 'linearRampToValueAtTime', (param, [value, time]) => window.heard[names.get(param)]?.push([value, time]));
    after(AudioScheduledSourceNode.prototype, 'stop', (node, args) => { window.heard.stops += args.length === 0; });
  });
  await openPage(page);
  const listen = page.locator('#listen button');
  const heard = () => page.evaluate(() => window.heard);
  // The program's drawn wave as page.h lays it out: the points' y, x and the markers' steps.
  const drawnWave = () => page.evaluate(() => {
    const heap = Module.HEAPF32;
    const at = Module._quillmarkDrawnWave() / 4;
    const every = (from, count, stride) => Array.from({ length: count }, (_, k) => heap[from + stride * k]);
    return { x: every(at + 2, heap[at], 2), y: every(at + 3, heap[at], 2), steps: every(at + 4 + 2 * heap[at], heap[at + 1], 3) };
  });
  const clamped = (value) => Math.min(Math.max(value, -1), 1);

  await page.evaluate(() => { window.noAudio = true; });
  await listen.click();
  await expect(page.locator('#listen-said')).toHaveText(/could not start the sound/);
  await expect(listen).toHaveText('Listen');
  await page.evaluate(() => { window.noAudio = false; });
  await listen.click();
  await expect(listen).toHaveText('Stop listening');
  await expect(page.locator('#listen-said')).toBeEmpty();
  const { x, y } = await drawnWave();
  const { frequency, pan } = await heard();
  // Two octaves up from 220 Hz across the square, in the page's arithmetic: engines' powers differ in the last bit.
  expect(frequency.map(([value]) => value)).toEqual(await page.evaluate((ys) => ys.map((v) => 220 * 2 ** (v + 1)), y.map(clamped)));
  expect(pan.map(([value]) => value)).toEqual(x.map(clamped));
  expect(frequency.at(-1)[1] - frequency[0][1]).toBeCloseTo(4, 9);
  await listen.press('Enter');
  await expect(listen).toHaveText('Listen');

  // The README's markers drawing: a tick starts at each marker's step, and none before the first.
  await page.evaluate((fragment) => { location.hash = fragment; }, MARKERS_FRAGMENT.slice(1));
  await expect.poll(async () => (await sceneOf(page)).markerPoints).toBeGreaterThan(0);
  await listen.press(' ');
  await expect(listen).toHaveText('Stop listening');
  expect(await page.evaluate(({ steps, count }) => {
    const samples = window.ticks.getChannelData(0);
    const first = (step) => Math.round(step / (count - 1) * 4 * window.ticks.sampleRate);
    return [steps.every((step) => samples[first(step) + 1] !== 0), samples.subarray(0, first(steps[0])).every((v) => v === 0)];
  }, await drawnWave().then((wave) => ({ steps: wave.steps, count: wave.x.length })))).toEqual([true, true]);

  await page.keyboard.press('a');
  await expect(listen).toHaveText('Listen');
  await listen.click();
  await page.evaluate(() => {
    Object.defineProperty(document, 'hidden', { configurable: true, get: () => true });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await expect(listen).toHaveText('Listen');
  expect((await heard()).stops).toBe(6);
});
