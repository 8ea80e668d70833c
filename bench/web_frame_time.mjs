// web_frame_time.mjs: the web page in Debian's headless Chromium (SwiftShader's WebGL): the time from
// the start of loading to the first frame, CPU time per frame at 100 and 512 steps with twelve
// half-waves of amplitude 0.3 (the wave crosses itself), and memory over a long run of warnings.
//
//   QUILLMARK_SITE=build/web/site node bench/web_frame_time.mjs [frames, default 400]
//   (scripts/web-bench.sh builds the page and runs this)
//
// Each frame is asked for with F12 (twelve half-waves again: a redraw and nothing else), one per
// animation frame. The same loop with x, a key the page leaves to the browser, draws nothing: it is
// what the measuring itself costs, and is subtracted. CPU time is read per process from /proc (the
// page's renderer; the GPU process, where SwiftShader draws and composites), and for the page's
// main thread from Chromium's own counters (all its tasks; its JavaScript and WebAssembly).
import fs from 'node:fs';
import { chromium, CHROMIUM_OPTIONS } from '../tests/web/chromium.mjs';
import serveSite from '../tests/web/serve.mjs';

const frames = Number(process.argv[2] || 400);
// Linux counts process CPU time in ticks of 1/100 s.
const TICKS_PER_SECOND = 100;

const stopServing = await serveSite();
const browser = await chromium.launch(CHROMIUM_OPTIONS);

// CPU ticks of the renderer and GPU processes of the browser this process started.
function processTicks() {
  const processes = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'latin1');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const command = fs.readFileSync(`/proc/${pid}/cmdline`, 'latin1');
      processes.set(Number(pid), { parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]), command });
    } catch {
      // The process ended while being read.
    }
  }
  const ofThisBrowser = (pid) => {
    for (let p = pid; p > 1 && processes.has(p); p = processes.get(p).parent) {
      if (p === process.pid) return true;
    }
    return false;
  };
  const ticks = { renderer: 0, gpu: 0 };
  for (const [pid, { ticks: used, command }] of processes) {
    if (!ofThisBrowser(pid)) continue;
    if (command.includes('--type=renderer')) ticks.renderer += used;
    if (command.includes('--type=gpu-process')) ticks.gpu += used;
  }
  return ticks;
}

// The first load starts a new browser; each later one opens a new context (no cache, no cookies)
// in the browser already running: a first visit there.
const firstFrame = (page) => page.waitForFunction(
  () => performance.getEntriesByName('quillmark-first-frame').length > 0);
const firstFrames = [];
for (let visit = 0; visit < 6; ++visit) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 1000 } });
  const visitor = await context.newPage();
  await visitor.goto(process.env.QUILLMARK_URL);
  await firstFrame(visitor);
  firstFrames.push(await visitor.evaluate(() => performance.getEntriesByName('quillmark-first-frame')[0].startTime));
  await context.close();
}
console.log(`First frame after the start of loading: ${firstFrames.map((ms) => ms.toFixed(0)).join(', ')} ms ` +
  '(a new browser, then first visits in the browser running)');

const page = await browser.newPage({ viewport: { width: 1280, height: 1000 } });
await page.goto(process.env.QUILLMARK_URL);
await firstFrame(page);
const cdp = await page.context().newCDPSession(page);
await cdp.send('Performance.enable');
const mainThread = async () => Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics
  .filter((metric) => ['TaskDuration', 'ScriptDuration'].includes(metric.name))
  .map((metric) => [metric.name, metric.value]));
const nextFrame = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));

// Milliseconds per frame of each measure over `frames` presses of the key.
async function costPerFrame(key) {
  for (let k = 0; k < 20; ++k) {
    await page.keyboard.press(key);
    await nextFrame();
  }
  const [ticks, thread] = [processTicks(), await mainThread()];
  for (let k = 0; k < frames; ++k) {
    await page.keyboard.press(key);
    await nextFrame();
  }
  const [ticksAfter, threadAfter] = [processTicks(), await mainThread()];
  const perFrame = (seconds) => seconds * 1000 / frames;
  return {
    renderer: perFrame((ticksAfter.renderer - ticks.renderer) / TICKS_PER_SECOND),
    gpu: perFrame((ticksAfter.gpu - ticks.gpu) / TICKS_PER_SECOND),
    task: perFrame(threadAfter.TaskDuration - thread.TaskDuration),
    script: perFrame(threadAfter.ScriptDuration - thread.ScriptDuration),
  };
}

const show = (cost) => `renderer ${cost.renderer.toFixed(2)}, GPU process ${cost.gpu.toFixed(2)}; ` +
  `main thread ${cost.task.toFixed(2)} (script ${cost.script.toFixed(2)})`;
await page.keyboard.press('F12');
for (let k = 0; k < 20; ++k) await page.keyboard.press('a');
const measuring = await costPerFrame('x');
console.log(`CPU ms per event without a frame (the measuring): ${show(measuring)}`);
for (const steps of [100, 512]) {
  if (steps === 512) await page.keyboard.press('r');
  const cost = await costPerFrame('F12');
  const frameOnly = Object.fromEntries(Object.entries(cost).map(([name, ms]) => [name, ms - measuring[name]]));
  console.log(`CPU ms per frame at ${steps} steps, the measuring taken off: ${show(frameOnly)}`);
}

// A vanished derivative prints a line every frame: the page's memory must stay flat while its log
// only counts. P0 dragged once, then P1 onto the same pixel (both converted alike, so equal).
await page.goto(process.env.QUILLMARK_URL);
await firstFrame(page);
const box = await page.locator('#canvas').boundingBox();
for (const [x, y] of [[160, 400], [320, 80]]) {
  await page.mouse.move(box.x + x, box.y + y);
  await page.mouse.down();
  await page.mouse.move(box.x + 120, box.y + 520);
  await page.mouse.up();
}
const memory = async () => {
  await cdp.send('HeapProfiler.collectGarbage');
  const heap = await cdp.send('Runtime.getHeapUsage');
  const dom = await cdp.send('Memory.getDOMCounters');
  return `JS heap ${(heap.usedSize / 1024).toFixed(0)} KiB, ${dom.nodes} DOM nodes`;
};
const logFrames = frames * 25;
console.log(`Warning on every frame, before ${logFrames} frames: ${await memory()}`);
for (let k = 0; k < logFrames; ++k) {
  await page.keyboard.press('F10');
  await nextFrame();
}
console.log(`after them: ${await memory()}; log: ${await page.locator('#log-dropped').textContent()}`);
await browser.close();
await stopServing();
