// support.mjs: what the browser tests share: opening the page and reading its readout, real input at
// canvas pixels, the desktop's scene after the same events (replay_events), the desktop window's
// frames, and the colour-by-colour comparison of the page's canvas with them.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { expect } from '@playwright/test';
import { PNG } from 'pngjs';

export const SIZE = 800;
// The program's codes and limits, from the one table the page is handed too (replay_events facts).
export const FACTS = JSON.parse(execFileSync(process.env.QUILLMARK_REPLAY, ['facts']).toString());
export const { down: DOWN, up: UP } = FACTS;
export const { left: LEFT, middle: MIDDLE, right: RIGHT, wheelUp: WHEEL_UP, wheelDown: WHEEL_DOWN } = FACTS.buttons;
// A phone held upright, as Chromium emulates one: the canvas shows at 396 CSS pixels.
export const PHONE = { viewport: { width: 412, height: 915 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2.625 };

// Opens the page and waits for its first frame; gives the canvas's box on the page.
export async function openPage(page) {
  await page.goto(process.env.QUILLMARK_URL);
  await expect.poll(() => sceneOf(page)).not.toBeNull();
  return page.locator('#canvas').boundingBox();
}

// The scene the program reported after its last frame, every number exact.
export async function sceneOf(page) {
  const json = await page.locator('#readout').getAttribute('data-scene');
  return json === null ? null : JSON.parse(json);
}

// What a link keeps of a scene: the picture's numbers, nothing of a drag under way.
export function drawingOf(scene) {
  const { controlPoints, waveCount, waveAmplitude, segmentCount, zoom, markerPoints } = scene;
  return { controlPoints, waveCount, waveAmplitude, segmentCount, zoom, markerPoints };
}

// The canvas's pixels as passes (see passesOfPng), as the page shows them.
export async function canvasPasses(page) {
  return passesOfPng(await page.locator('#canvas').screenshot());
}

// The number of pixels whose pass differs between two pictures.
export function changedPixels(a, b) {
  return a.reduce((count, pass, i) => count + (pass !== b[i]), 0);
}

// Events as GLUT hands them to the program: ['mouse', button, state, x, y], ['motion', x, y],
// ['special', key], ['key', code].
export function desktopSceneAfter(events) {
  // Its last line: a frame of a curve standing still prints warnings first.
  return JSON.parse(execFileSync(process.env.QUILLMARK_REPLAY, events.flat().map(String)).toString().trim().split('\n').pop());
}

// Mouse events come at whole CSS pixels: the first one inside canvas pixel (x, y), for a canvas box
// that may be scaled.
export function pagePoint(box, x, y) {
  return [Math.ceil(box.x + x * box.width / SIZE), Math.ceil(box.y + y * box.height / SIZE)];
}

// The canvas pixel under the page point (x, y).
export function canvasPixel(box, x, y) {
  return [Math.floor((x - box.x) * SIZE / box.width), Math.floor((y - box.y) * SIZE / box.height)];
}

// Fingers through CDP, which can put several down at once (Playwright's touchscreen has one):
// send('touchStart', [x, y], ...) with one page point per finger down, its id its place in the list.
export async function fingersOn(page) {
  const session = await page.context().newCDPSession(page);
  return (type, ...points) => session.send('Input.dispatchTouchEvent',
    { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
}

const BUTTON_NAMES = new Map([[LEFT, 'left'], [MIDDLE, 'middle'], [RIGHT, 'right']]);

// The same events given through the browser's real mouse: a press moves there first (with no
// button held, the program sees no motion), a release happens where the pointer is.
export async function performMouse(page, box, events) {
  for (const [kind, ...args] of events) {
    if (kind === 'motion') {
      await page.mouse.move(...pagePoint(box, args[0], args[1]));
    } else if (args[1] === UP) {
      await page.mouse.up({ button: BUTTON_NAMES.get(args[0]) });
    } else {
      await page.mouse.move(...pagePoint(box, args[2], args[3]));
      await page.mouse.down({ button: BUTTON_NAMES.get(args[0]) });
    }
  }
}

// Each pixel as the index of the pass that drew its colour: background, curve, control polygon,
// wave curve, markers; -1 for any other colour.
const PASS_COLOURS = ['255,255,255', '0,255,0', '0,0,255', '255,255,0', '255,0,255'];
export const PASS_NAMES = ['background', 'curve', 'control polygon', 'wave curve', 'markers'];

function passesOf(rgb, pixelBytes, rowBytes = SIZE * pixelBytes, start = 0) {
  const passes = new Int8Array(SIZE * SIZE);
  for (let i = 0; i < passes.length; ++i) {
    const o = start + Math.floor(i / SIZE) * rowBytes + (i % SIZE) * pixelBytes;
    passes[i] = PASS_COLOURS.indexOf(`${rgb[o]},${rgb[o + 1]},${rgb[o + 2]}`);
  }
  return passes;
}

// The canvas's own screenshot, or the canvas's box (whole pixels, one per CSS pixel) in a
// screenshot of the page.
export function passesOfPng(buffer, box) {
  const png = PNG.sync.read(buffer);
  if (box === undefined) {
    expect([png.width, png.height]).toEqual([SIZE, SIZE]);
    return passesOf(png.data, 4);
  }
  expect([box.x % 1, box.y % 1, box.width, box.height]).toEqual([0, 0, SIZE, SIZE]);
  expect([box.x + SIZE <= png.width, box.y + SIZE <= png.height]).toEqual([true, true]);
  return passesOf(png.data, 4, png.width * 4, (box.y * png.width + box.x) * 4);
}

// The README's address of the markers picture, and its fragment.
const README = fs.readFileSync(new URL('../../README.md', import.meta.url), 'utf8');
export const [MARKERS_ADDRESS, MARKERS_FRAGMENT] = /http:\S*(#p=[^\s'`]+)/.exec(README);

// The desktop window's frames (desktop_frames.py) in a new folder: startup.ppm, markers.ppm and
// opened.ppm, the frame that the README's markers address opens.
export function makeDesktopFrames() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quillmark-desktop-'));
  execFileSync(process.env.QUILLMARK_PYTHON || '/usr/bin/python3', [fileURLToPath(new URL('desktop_frames.py', import.meta.url)),
    process.env.QUILLMARK_DESKTOP, folder, MARKERS_ADDRESS], { stdio: 'inherit', timeout: 120_000 });
  return folder;
}

export function passesOfPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = /^P6\s+(\d+)\s+(\d+)\s+255\s/.exec(bytes.toString('latin1', 0, 32));
  expect([Number(header[1]), Number(header[2])]).toEqual([SIZE, SIZE]);
  return passesOf(bytes.subarray(header[0].length), 3);
}

// Pixels of pass k in `from` with no pixel within one pixel in `to` that pass k drew or that a
// later pass drew over it: a line rasterized a pixel aside may end under the next pass's line.
function strayPixels(from, to, k) {
  let stray = 0;
  for (let y = 0; y < SIZE; ++y) {
    for (let x = 0; x < SIZE; ++x) {
      if (from[y * SIZE + x] !== k) continue;
      let near = false;
      for (let dy = -1; dy <= 1 && !near; ++dy) {
        for (let dx = -1; dx <= 1 && !near; ++dx) {
          const X = x + dx;
          const Y = y + dy;
          if (X < 0 || Y < 0 || X >= SIZE || Y >= SIZE) continue;
          const pass = to[Y * SIZE + X];
          near = k === 0 ? pass === 0 : pass >= k;
        }
      }
      if (!near) stray += 1;
    }
  }
  return stray;
}

// Groups of touching marker pixels: one per dot, unless dots overlap.
function markerDots(passes) {
  const seen = new Uint8Array(passes.length);
  let dots = 0;
  for (let start = 0; start < passes.length; ++start) {
    if (passes[start] !== 4 || seen[start]) continue;
    dots += 1;
    const stack = [start];
    seen[start] = 1;
    while (stack.length > 0) {
      const i = stack.pop();
      const x = i % SIZE;
      for (const j of [i - SIZE, i + SIZE, x > 0 ? i - 1 : -1, x < SIZE - 1 ? i + 1 : -1]) {
        if (j >= 0 && j < passes.length && passes[j] === 4 && !seen[j]) {
          seen[j] = 1;
          stack.push(j);
        }
      }
    }
  }
  return dots;
}

// What differs between two frames beyond a pixel, colour by colour; empty when they agree. Lines
// drawn a pixel aside still match; lines drawn thinner or thicker change a colour's pixel count.
export function differences(desktop, web) {
  const found = [];
  const unknown = web.filter((pass) => pass < 0).length;
  if (unknown > 0) found.push(`${unknown} page pixels of no drawn colour`);
  PASS_NAMES.forEach((name, k) => {
    const missing = strayPixels(desktop, web, k);
    const extra = strayPixels(web, desktop, k);
    if (missing + extra > 0) found.push(`${name}: ${missing} desktop pixels unmatched, ${extra} page pixels unmatched`);
    const counts = [desktop, web].map((passes) => passes.filter((pass) => pass === k).length);
    if (Math.abs(counts[0] - counts[1]) > 4 + counts[0] / 100) {
      found.push(`${name}: ${counts[0]} pixels on the desktop, ${counts[1]} on the page`);
    }
  });
  const dots = [markerDots(desktop), markerDots(web)];
  if (dots[0] !== dots[1]) found.push(`markers: ${dots[0]} dots on the desktop, ${dots[1]} on the page`);
  return found;
}

// A key event as replay_events takes it: a special key by the browser's name for it, or a character.
export const special = (name) => ['special', FACTS.specialKeys[name]];
export const key = (character) => ['key', character.charCodeAt(0)];
