// chromium.mjs: how the tests, the benchmark and the screenshots start Chromium: headless, with
// SwiftShader drawing WebGL where there is no graphics card, and none of the background connections
// that a machine without internet refuses. QUILLMARK_CHROMIUM names the browser (ctest passes the one
// CMake found); Debian's is the default.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);

export const { chromium } = require('playwright-core');

export const CHROMIUM_OPTIONS = {
  executablePath: process.env.QUILLMARK_CHROMIUM || '/usr/bin/chromium',
  args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
    '--disable-component-update', '--no-first-run'],
};
