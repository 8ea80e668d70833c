// stryker.config.mjs: Stryker plants faults in the page's own logic, one at a time, and runs its Node
// tests against each. Run it from the repository's root:
//   npm ci --prefix tests/mutation && tests/mutation/node_modules/.bin/stryker run tests/mutation/stryker.config.mjs
// Its own package list keeps it out of the browser tests' install.
export default {
  // The files whose logic the Node tests cover.
  mutate: ['web/page/sound.js'],
  testRunner: 'tap',
  tap: {
    testFiles: ['tests/page/*.test.js'],
    // Each file runs node's built-in test runner in this one process, TAP out: `node --test` would
    // run it in a child process, where Stryker's hook could not see which code the tests reach.
    nodeArgs: ['--test-reporter=tap', '-r', '{{hookFile}}', '{{testFile}}'],
  },
  coverageAnalysis: 'perTest',
  // The sandbox needs only the page's scripts and their tests, not the build trees.
  ignorePatterns: ['/*', '!/web', '/web/*', '!/web/page', '!/tests', '/tests/*', '!/tests/page'],
  reporters: ['clear-text', 'progress'],
  concurrency: 2,
  thresholds: { high: 95, low: 90, break: 90 },
};
