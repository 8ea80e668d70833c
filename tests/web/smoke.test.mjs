// smoke.test.mjs: the page in Firefox and in WebKit (the projects of the same names), one list of
// checks for both, with real X input: the start-up frame against the desktop window's, the program's
// keys, a point drag, a zoom drag, the wheel and a button against the desktop's handlers, the
// file:// message, and the keys the engine keeps from a real keyboard. One browser runs the list
// in order, and the first failure ends it.
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { expect } from '@playwright/test';
import { test } from './engines.mjs';
import { desktopSceneAfter, differences, key, makeDesktopFrames, passesOfPng, passesOfPpm, special } from './support.mjs';

test.describe.configure({ mode: 'serial' });

let desktopFrames;
test.beforeAll(() => {
  desktopFrames = makeDesktopFrames();
});
test.afterAll(() => fs.rmSync(desktopFrames, { recursive: true, force: true }));

// xdotool's key names and the events GLUT hands the program for them.
const PROGRAM_KEYS = [
  ...Array.from({ length: 12 }, (_, k) => [`F${k + 1}`, special(`F${k + 1}`)]),
  ...['Left', 'Up', 'Right', 'Down'].map((name) => [name, special(`Arrow${name}`)]),
  ...['a', 's', 'r'].map((name) => [name, key(name)]),
];
const SAME_DOCUMENT_AND_VIEW = "[window.quillmarkDocument === true, innerWidth, innerHeight]";
const MARK_DOCUMENT = `(() => { window.quillmarkDocument = true; return ${SAME_DOCUMENT_AND_VIEW}; })()`;

test('the start-up frame is the desktop window\'s', async ({ engine }) => {
  await engine.open();
  const box = await engine.box('#canvas');
  expect([box.width, box.height, await engine.evaluate('devicePixelRatio')]).toEqual([800, 800, 1]);
  const web = passesOfPng(await engine.screenshot(), box);
  expect(differences(passesOfPpm(path.join(desktopFrames, 'startup.ppm')), web)).toEqual([]);
});

test('every program key the engine gives the page acts as on the desktop, and the page stays', async ({ engine }) => {
  await engine.open();
  const view = await engine.evaluate(MARK_DOCUMENT);
  const events = [];
  for (const [key, event] of PROGRAM_KEYS.filter(([key]) => !(key in engine.keptKeys))) {
    engine.key(key);
    events.push(event);
    await expect.poll(() => engine.scene(), `after ${key}`).toEqual(desktopSceneAfter(events));
  }
  expect(await engine.evaluate(SAME_DOCUMENT_AND_VIEW)).toEqual(view);
});

test('a drag of P1, a right-button zoom drag with no menu and wheel steps act as on the desktop', async ({ engine }) => {
  await engine.open();
  await engine.evaluate(`(() => { window.quillmarkMenus = [];
    addEventListener('contextmenu', (event) => quillmarkMenus.push(event.defaultPrevented)); })()`);
  await engine.perform([['mouse', 0, 0, 320, 80], ['motion', 300, 70], ['motion', 200, 60], ['mouse', 0, 1, 200, 60],
    ['mouse', 2, 0, 700, 700], ['motion', 700, 650], ['motion', 702, 580], ['mouse', 2, 1, 702, 580],
    ['mouse', 4, 0, 400, 500], ['mouse', 4, 1, 400, 500], ['mouse', 3, 0, 300, 600], ['mouse', 3, 1, 300, 600]],
  desktopSceneAfter);
  expect((await engine.evaluate('quillmarkMenus')).filter((prevented) => !prevented)).toEqual([]);
});

test('opened from the file system, the page says it must be served over HTTP', async ({ engine }) => {
  await engine.open(pathToFileURL(path.join(process.env.QUILLMARK_SITE, 'index.html')).href);
  await expect.poll(() => engine.evaluate("document.getElementById('status').textContent")).toContain('served over HTTP');
});

test('a click on "Raise amplitude" acts as the key a', async ({ engine }) => {
  await engine.open();
  await engine.click('button[aria-label^="Raise amplitude"]');
  await expect.poll(() => engine.scene()).toEqual(desktopSceneAfter([key('a')]));
});

// Last: what the engine does with these keys may change its window.
test('the keys the engine keeps from a real keyboard never reach the page', async ({ engine }) => {
  test.skip(Object.keys(engine.keptKeys).length === 0, `${engine.name} gives the page every program key`);
  await engine.open();
  for (const [key, expected] of Object.entries(engine.keptKeys)) {
    const [, width, height] = await engine.evaluate(MARK_DOCUMENT);
    const halfWaves = (await engine.scene()).waveCount;
    engine.key(key);
    await expect.poll(async () => {
      const [same, w, h] = await engine.evaluate(SAME_DOCUMENT_AND_VIEW);
      const scene = await engine.scene();
      if (!same) return scene === null ? 'loading' : 'reload';
      if (scene.waveCount !== halfWaves) return 'page';
      return w === width && h === height ? 'nothing yet' : 'resized view';
    }, `what ${key} did`).toBe(expected);
  }
});
