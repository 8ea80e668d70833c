// stryker.config.mjs: Stryker plants faults in the page's own logic, one at a time, and runs its Node
// tests against each. Run it from the repository's root:
//   npm ci --prefix tests/mutation && tests/mutation/node_modules/.bin/stryker run tests/mutation/stryker.config.mjs
// Its own package list keeps it out of the browser tests' install.
export default {
  // The page's own logic: the files with no DOM, which the Node tests load. The files that connect it
  // to the page (program.js, mouse.js, touch.js, keys.js, controls.js, share.js, words.js, listen.js,
  // undo.js, kept_copy.js, full_screen.js, print.js, page.js) and the offline worker act only through
  // the browser, and are the browser tests' to check.
  mutate: ['web/page/pointer.js', 'web/page/pinch.js', 'web/page/repeat.js', 'web/page/announcer.js',
    'web/page/address.js', 'web/page/log.js', 'web/page/sound.js', 'web/page/network.js',
    'web/page/history.js'],
  testRunner: 'tap',
  tap: {
    testFiles: ['tests/page/*.test.js'],
    // Each file runs node's built-in test runner in this one process, TAP out: `node --test` would
    // run it in a child process, where Stryker's hook could not see which code the tests reach.
    nodeArgs: ['--test-reporter=tap', '-r', '{{hookFile}}', '{{testFile}}'],
  },
  coverageAnalysis: 'perTest',
  // The sandbox needs only the page's scripts, their tests and the README they check, not the build trees.
  ignorePatterns: ['/*', '!/README.md', '!/web', '/web/*', '!/web/page', '!/tests', '/tests/*', '!/tests/page'],
  reporters: ['clear-text', 'progress'],
  concurrency: 2,
  thresholds: { high: 95, low: 90, break: 90 },
};
