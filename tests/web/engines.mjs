// engines.mjs: the smoke list's browser, Firefox or WebKit (the project's engineName), in a real
// window on its own virtual X display. Its driver layer (firefox.mjs, webkit.mjs) opens and reads
// the page and takes screenshots; every key and pointer event is a real X event from xdotool, as a
// person's would be. A browser or driver that ends mid-test fails the test with what it said, and
// the browser, its driver and the display are always stopped.
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import { test as base, expect } from '@playwright/test';
import { DOWN, FACTS, pagePoint } from './support.mjs';

const SCREEN = [1400, 1200];
const WINDOW = [1280, 1100];
// GLUT numbers X's mouse buttons from 0: left, middle, right, then the wheel up and down.
const xButton = (button) => button + 1;
// The X tools CMake found, which ctest passes; run by hand, those on PATH.
const XVFB = process.env.QUILLMARK_XVFB || 'Xvfb';
const XDOTOOL = process.env.QUILLMARK_XDOTOOL || 'xdotool';

// Ends a process started in a group of its own, with every process it started, and waits for it.
async function stopGroup(child) {
  if (child.exitCode !== null || child.signalCode !== null) return;
  const ended = new Promise((resolve) => child.once('exit', resolve));
  try {
    process.kill(-child.pid, 'SIGKILL');
  } catch {
    // Already gone.
  }
  await ended;
}

function startXvfb() {
  const server = spawn(XVFB, ['-displayfd', '3', '-screen', '0', `${SCREEN.join('x')}x24`, '-nolisten', 'tcp', '-noreset'],
    { detached: true, stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    server.once('error', (error) => reject(new Error(`Xvfb did not start (${error.message}): install xvfb`)));
    server.once('exit', (code) => reject(new Error(`Xvfb exited with ${code} before it opened a display`)));
    server.stdio[3].once('data', (number) => resolve({ display: `:${String(number).trim()}`, server }));
  });
}


// What the tests use: the page through the driver layer, input as real X events at canvas pixels.
function engineSession(layer, browser, display) {
  // A call that fails because the browser ended says so, with how it ended.
  const guard = (promise) => promise.catch(async (error) => {
    const how = await Promise.race([browser.ended, new Promise((resolve) => setTimeout(resolve, 2000))]);
    throw how === undefined ? error : new Error(`${layer.NAME} ended during the test (${how}): ${error.message}`);
  });
  const xdotool = (...args) => execFileSync(XDOTOOL, args.map(String), { env: { ...process.env, DISPLAY: display } });
  // Where the page's viewport starts on the screen, found from a real pointer move.
  let origin = null;

  // The canvas's box once the page has stopped moving it: a wheel step may scroll the page smoothly.
  async function settledBox() {
    let box = await session.box('#canvas');
    for (let k = 0; k < 50; ++k) {
      await new Promise((resolve) => setTimeout(resolve, 100));
      const now = await session.box('#canvas');
      if (now.x === box.x && now.y === box.y) return now;
      box = now;
    }
    throw new Error('the page kept scrolling for 5 s');
  }

  const session = {
    name: layer.NAME,
    keptKeys: layer.KEPT_KEYS,
    evaluate: (expression) => guard(browser.evaluate(expression)),
    screenshot: () => guard(browser.screenshot()),
    scene: () => session.evaluate("JSON.parse(document.getElementById('readout').dataset.scene || 'null')"),
    box: (selector) => session.evaluate(`(() => { const b = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
      return { x: b.x, y: b.y, width: b.width, height: b.height }; })()`),

    // Opens the address; a served page is ready once it drew its first frame and has the keyboard.
    async open(url = process.env.QUILLMARK_URL) {
      await guard(browser.open(url));
      if (!url.startsWith('http')) return;
      await expect.poll(() => session.scene()).not.toBeNull();
      await session.evaluate(`(() => { window.quillmarkOrigins = [];
        addEventListener('mousemove', (e) => quillmarkOrigins.push([e.screenX - e.clientX, e.screenY - e.clientY])); })()`);
      const middle = await session.evaluate('[Math.round(screenX + outerWidth / 2), Math.round(screenY + outerHeight / 2)]');
      xdotool('mousemove', 0, 0);
      xdotool('mousemove', ...middle);
      await expect.poll(() => session.evaluate('quillmarkOrigins.length')).toBeGreaterThan(0);
      origin = await session.evaluate('quillmarkOrigins.at(-1)');
      // A real click on the heading gives the page the keyboard, as a person's first click would.
      await session.click('h1');
    },

    key: (name) => xdotool('key', name),

    async click(selector) {
      const b = await session.box(selector);
      xdotool('mousemove', origin[0] + Math.round(b.x + b.width / 2), origin[1] + Math.round(b.y + b.height / 2));
      xdotool('click', 1);
    },

    // Events as replay_events takes them, each given as a real X event at its canvas pixel; after
    // each, the page's scene must be the desktop handlers' for the events so far. A wheel step hands
    // the program its press and release at once, so a wheel press is compared after its release.
    async perform(events, sceneAfter) {
      for (let k = 0; k < events.length; ++k) {
        const [kind, ...args] = events[k];
        const box = await settledBox();
        const moveTo = (x, y) => xdotool('mousemove', ...pagePoint(box, x, y).map((v, i) => v + origin[i]));
        if (kind === 'motion') {
          moveTo(...args);
        } else {
          const [button, state, x, y] = args;
          if (state === DOWN) moveTo(x, y);
          if (button < FACTS.buttons.wheelUp) {
            xdotool(state === DOWN ? 'mousedown' : 'mouseup', xButton(button));
          } else if (state === DOWN) {
            xdotool('click', xButton(button));
            continue;
          }
        }
        await expect.poll(() => session.scene()).toEqual(sceneAfter(events.slice(0, k + 1)));
      }
    },
  };
  return session;
}

export const test = base.extend({
  engineName: ['firefox', { option: true, scope: 'worker' }],
  engine: [async ({ engineName }, use) => {
    const layer = await import(`./${engineName}.mjs`);
    const missing = layer.REQUIRED.filter(([file]) => !fs.existsSync(file));
    if (missing.length > 0) {
      throw new Error(`${layer.NAME} is not installed: ${missing.map(([file, pkg]) => `${file} (Debian package ${pkg})`).join(', ')} missing; ./scripts/test.sh installs it`);
    }
    const { display, server } = await startXvfb();
    let browser = null;
    try {
      browser = await layer.launch(display, WINDOW);
      await use(engineSession(layer, browser, display));
    } finally {
      if (browser !== null) {
        await Promise.race([browser.close().catch(() => {}), new Promise((resolve) => setTimeout(resolve, 10_000))]);
        await stopGroup(browser.process);
      }
      await stopGroup(server);
    }
  }, { scope: 'worker', timeout: 120_000 }],
});
