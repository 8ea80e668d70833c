// web_against_blank.mjs: the page's time to its first frame on a reload against the floor, a blank
// page that only makes a WebGL context, compiles one shader and draws one triangle (bench/blank), in
// one headless Chromium: reloads of the two in turn, each the time from the start of loading to its
// 'quillmark-first-frame' mark; the medians and their ratio. Before the reloads, one visit of each,
// so that the page's reloads come from its offline copy as a returning visitor's do.
//
//   QUILLMARK_SITE=build/web/site node bench/web_against_blank.mjs [reloads of each, default 15]
//   (scripts/web-bench.sh builds the page and runs this)
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium, CHROMIUM_OPTIONS } from '../tests/web/chromium.mjs';
import serveSite, { serveFolder } from '../tests/web/serve.mjs';

const reloads = Number(process.argv[2] || 15);
const stopServing = await serveSite();
const blank = await serveFolder(path.join(path.dirname(fileURLToPath(import.meta.url)), 'blank'));
const browser = await chromium.launch(CHROMIUM_OPTIONS);
const context = await browser.newContext({ viewport: { width: 1280, height: 1000 } });

const firstFrame = (page) => page.waitForFunction(() => performance.getEntriesByName('quillmark-first-frame')[0]?.startTime);
const quillmark = await context.newPage();
await quillmark.goto(process.env.QUILLMARK_URL);
await firstFrame(quillmark);
await quillmark.evaluate(() => navigator.serviceWorker.ready);
const floor = await context.newPage();
await floor.goto(blank.url);
await firstFrame(floor);

const times = { page: [], blank: [] };
for (let k = 0; k < reloads; ++k) {
  for (const [name, page] of [['page', quillmark], ['blank', floor]]) {
    await page.bringToFront();
    await page.reload();
    times[name].push(await (await firstFrame(page)).jsonValue());
  }
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length / 2;
  return sorted.length % 2 ? sorted[Math.floor(middle)] : (sorted[middle - 1] + sorted[middle]) / 2;
};
for (const [name, values] of Object.entries(times)) {
  console.log(`${name}: median ${median(values).toFixed(0)} ms (${values.map((time) => time.toFixed(0)).join(', ')})`);
}
console.log(`page / blank: ${(median(times.page) / median(times.blank)).toFixed(2)}`);
await browser.close();
await blank.stop();
await stopServing();
