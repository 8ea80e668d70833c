// page.test.js: the page's output log, and the site's one list of files against what the README
// says of the site.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const QuillmarkLog = require('../../web/page/log.js');

const ROOT = path.join(__dirname, '..', '..');

test('the log keeps the last lines and counts the others', () => {
  const log = QuillmarkLog.create();
  const limit = QuillmarkLog.LOG_LINES;
  for (let k = 0; k < limit; ++k) log.add(`line ${k}`);
  assert.equal(log.dropped(), 0);
  log.add('one more');
  assert.deepEqual([log.dropped(), log.droppedText()], [1, '1 earlier line not shown']);
  const lines = log.text().split('\n');
  assert.deepEqual([lines.length, lines[0], lines.at(-1)], [limit, 'line 1', 'one more']);
  for (let k = 0; k < 1500; ++k) log.add('again');
  assert.equal(log.droppedText(), '1,501 earlier lines not shown');
});

test("the README counts the site's files as site.txt lists them", () => {
  // A script line names a source of the page's one script, not a file of the site.
  const files = fs.readFileSync(path.join(ROOT, 'web/page/site.txt'), 'utf8').split('\n').filter((line) => /^[a-z]/.test(line) && !line.startsWith('script '));
  const NUMBERS = ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight', 'nine', 'ten', 'eleven',
    'twelve', 'thirteen', 'fourteen', 'fifteen', 'sixteen', 'seventeen', 'eighteen', 'nineteen', 'twenty',
    'twenty-one', 'twenty-two', 'twenty-three', 'twenty-four', 'twenty-five', 'twenty-six', 'twenty-seven'];
  const readme = fs.readFileSync(path.join(ROOT, 'README.md'), 'utf8');
  const said = /build\/web\/site\/` \(([a-z-]+) files/.exec(readme);
  assert.notEqual(said, null);
  assert.equal(NUMBERS.indexOf(said[1]), files.length);
});
