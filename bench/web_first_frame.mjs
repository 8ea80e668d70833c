// web_first_frame.mjs: where the time to the page's first frame goes, in Debian's headless Chromium
// (SwiftShader's WebGL), from the Performance API: the page's own fetch (index.html), the fetches of
// quillmark.js and quillmark.wasm, the WebAssembly compiled and instantiated, the WebGL context
// made, and the first draw (from the context to the 'quillmark-first-frame' mark): a table of when
// each step starts and ends after the start of loading, the median of the runs of each kind:
//   - the first visit of a browser just started,
//   - first visits in the browser running (a new context: no HTTP cache, no offline copy),
//   - reloads in that context (the HTTP cache and the offline copy from the visit before).
//
//   QUILLMARK_SITE=build/web/site node bench/web_first_frame.mjs [visits, default 5]
//   (scripts/web-bench.sh builds the page and runs this)
//
// Nothing in the page is changed: an init script times the calls that compile the WebAssembly and
// make the WebGL context, as the page makes them, with performance marks of its own.
import { chromium, CHROMIUM_OPTIONS } from '../tests/web/chromium.mjs';
import serveSite from '../tests/web/serve.mjs';

const visits = Number(process.argv[2] || 5);
const RELOADS = 3;

// Runs in the page before its scripts: marks around WebAssembly.instantiateStreaming (compile and
// instantiate; the compile streams along with the download) and the canvas's first getContext.
function timeCalls() {
  const instantiate = WebAssembly.instantiateStreaming;
  WebAssembly.instantiateStreaming = (...args) => {
    performance.mark('bench-instantiate-start');
    return instantiate.apply(WebAssembly, args).then((result) => {
      performance.mark('bench-instantiate-end');
      return result;
    });
  };
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function timedGetContext(...args) {
    const first = performance.getEntriesByName('bench-context-start').length === 0;
    if (first) performance.mark('bench-context-start');
    const context = getContext.apply(this, args);
    if (first) performance.mark('bench-context-end');
    return context;
  };
}

// The phases of one load, in milliseconds after its start; `from` says where each file came from.
function phasesOfLoad() {
  const mark = (name) => performance.getEntriesByName(name)[0]?.startTime ?? NaN;
  const resource = (file) => performance.getEntriesByType('resource').find((entry) => entry.name.endsWith(`/${file}`));
  const navigation = performance.getEntriesByType('navigation')[0];
  const from = (entry) => {
    if (!entry) return 'none';
    if (entry.workerStart > 0) return 'offline copy';
    return entry.transferSize === 0 ? 'HTTP cache' : 'network';
  };
  const script = resource('quillmark.js');
  const wasm = resource('quillmark.wasm');
  return {
    'index.html fetched': navigation.responseEnd,
    'the page\'s scripts run (DOMContentLoaded)': navigation.domContentLoadedEventStart,
    'quillmark.js asked for': script?.startTime ?? NaN,
    'quillmark.js fetched': script?.responseEnd ?? NaN,
    'quillmark.wasm asked for': wasm?.startTime ?? NaN,
    'quillmark.wasm fetched': wasm?.responseEnd ?? NaN,
    'compile and instantiate started': mark('bench-instantiate-start'),
    'compiled and instantiated': mark('bench-instantiate-end'),
    'WebGL context asked for': mark('bench-context-start'),
    'WebGL context made': mark('bench-context-end'),
    'first frame drawn': mark('quillmark-first-frame'),
    from: `${from(navigation)}; ${from(script)}; ${from(wasm)}`,
  };
}

const stopServing = await serveSite();
const browser = await chromium.launch(CHROMIUM_OPTIONS);

async function measure(page, load) {
  await load();
  await page.waitForFunction(() => performance.getEntriesByName('quillmark-first-frame').length > 0);
  return page.evaluate(phasesOfLoad);
}

const runs = { 'first visit, browser just started': [], 'first visit, browser running': [], reload: [] };
for (let visit = 0; visit <= visits; ++visit) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 1000 } });
  await context.addInitScript(timeCalls);
  const page = await context.newPage();
  runs[visit === 0 ? 'first visit, browser just started' : 'first visit, browser running']
    .push(await measure(page, () => page.goto(process.env.QUILLMARK_URL)));
  // The offline copy takes over the page from the next load on.
  await page.evaluate(() => navigator.serviceWorker.ready);
  for (let k = 0; k < RELOADS; ++k) runs.reload.push(await measure(page, () => page.reload()));
  await context.close();
}

// One table: a row per phase, a column per kind of load, the median of its runs.
const median = (values) => {
  const sorted = values.filter(Number.isFinite).sort((a, b) => a - b);
  return sorted.length ? sorted[Math.floor((sorted.length - 1) / 2)] : NaN;
};
const kinds = Object.entries(runs);
console.log(`| ms after the start of loading | ${kinds.map(([name, loads]) => `${name} (${loads.length})`).join(' | ')} |`);
console.log(`|---|${kinds.map(() => '---').join('|')}|`);
for (const phase of Object.keys(kinds[0][1][0]).filter((key) => key !== 'from')) {
  console.log(`| ${phase} | ${kinds.map(([, loads]) => median(loads.map((load) => load[phase])).toFixed(0)).join(' | ')} |`);
}
console.log(`| index.html; quillmark.js; quillmark.wasm from | ${kinds.map(([, loads]) => loads.at(-1).from).join(' | ')} |`);
for (const [name, loads] of kinds) {
  console.log(`First frames, ${name}: ${loads.map((load) => load['first frame drawn'].toFixed(0)).join(', ')} ms`);
}
await browser.close();
await stopServing();
