// firefox.mjs: the smoke list's driver layer for Firefox ESR from Debian, driven by puppeteer-core
// over WebDriver BiDi. Headful: headless Firefox gives the page no WebGL on a machine without a GPU.
// QUILLMARK_FIREFOX names another Firefox (ctest passes the one CMake found).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const NAME = 'Firefox';
export const REQUIRED = [[process.env.QUILLMARK_FIREFOX || '/usr/bin/firefox-esr', 'firefox-esr']];
// A real keyboard's keys that Firefox keeps for itself: none, the page holds back F5, F11 and F12.
export const KEPT_KEYS = {};

export async function launch(display, [width, height]) {
  // A profile of our own, removed however the browser ends.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quillmark-firefox-'));
  const browser = await puppeteer.launch({
    userDataDir: profile,
    browser: 'firefox',
    executablePath: REQUIRED[0][0],
    headless: false,
    defaultViewport: null,
    args: [`--width=${width}`, `--height=${height}`],
    // A crash ends the run with its message; Firefox's crash reporter would outlive the test.
    env: { ...process.env, DISPLAY: display, MOZ_CRASHREPORTER_DISABLE: '1' },
  }).catch((error) => {
    fs.rmSync(profile, { recursive: true, force: true });
    throw error;
  });
  const [page] = await browser.pages();
  const firefox = browser.process();
  return {
    process: firefox,
    ended: new Promise((resolve) => firefox.once('exit', (code, signal) => resolve(`exit code ${code}, signal ${signal}`))),
    open: (url) => page.goto(url),
    evaluate: (expression) => page.evaluate(expression),
    screenshot: async () => Buffer.from(await page.screenshot()),
    close: () => browser.close().finally(() => fs.rmSync(profile, { recursive: true, force: true })),
  };
}
