// page_screenshot.mjs: a screenshot of the web page at URL, taken in headless Chromium once the
// program has drawn its first frame: in a 1280 x 1000 window, or with `phone` on a phone held
// upright (412 x 915 CSS pixels with touch, at two device pixels per CSS pixel).
// Usage: node scripts/page_screenshot.mjs URL FILE [phone]   (Playwright as installed in tests/web)
import { chromium, CHROMIUM_OPTIONS } from '../tests/web/chromium.mjs';

const [url, file, device] = process.argv.slice(2);
const WINDOWS = {
  desktop: { viewport: { width: 1280, height: 1000 } },
  phone: { viewport: { width: 412, height: 915 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
};
const browser = await chromium.launch(CHROMIUM_OPTIONS);
try {
  const page = await browser.newPage(WINDOWS[device || 'desktop']);
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('quillmark-first-frame').length > 0);
  await page.screenshot({ path: file });
} finally {
  await browser.close();
}
