// playwright.config.mjs: the web page's tests, in Debian's headless Chromium drawing WebGL with
// SwiftShader, and its smoke list in Firefox and WebKit (engines.mjs). serve.mjs serves
// build/web/site on a free port of 127.0.0.1 for the whole run.
import { defineConfig } from '@playwright/test';
import { CHROMIUM_OPTIONS } from './chromium.mjs';

export default defineConfig({
  testDir: '.',
  testMatch: '*.test.mjs',
  globalSetup: './serve.mjs',
  timeout: 90_000,
  expect: { timeout: 15_000 },
  // ctest runs the test files and engines side by side; each runs its tests one after another.
  workers: 1,
  outputDir: process.env.QUILLMARK_WEB_RESULTS || 'test-results',
  reporter: [['list']],
  use: {
    browserName: 'chromium',
    viewport: { width: 1280, height: 1000 },
    deviceScaleFactor: 1,
    launchOptions: CHROMIUM_OPTIONS,
  },
  projects: [
    { name: 'chromium', testIgnore: 'smoke.test.mjs' },
    { name: 'firefox', testMatch: 'smoke.test.mjs', use: { engineName: 'firefox' } },
    { name: 'webkit', testMatch: 'smoke.test.mjs', use: { engineName: 'webkit' } },
  ],
});
