// page_screenshot.mjs: a 1280 x 1000 screenshot of the web page at URL, taken in headless Chromium
// once the program has drawn its first frame.
// Usage: node scripts/page_screenshot.mjs URL FILE   (Playwright as installed in tests/web)
import { chromium, CHROMIUM_OPTIONS } from '../tests/web/chromium.mjs';

const [url, file] = process.argv.slice(2);
const browser = await chromium.launch(CHROMIUM_OPTIONS);
try {
  const page = await browser.newPage({ viewport: { width: 1280, height: 1000 } });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('quillmark-first-frame').length > 0);
  await page.screenshot({ path: file });
} finally {
  await browser.close();
}
