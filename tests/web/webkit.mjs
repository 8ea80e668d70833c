// webkit.mjs: the smoke list's driver layer for WebKitGTK's MiniBrowser from Debian, driven through
// WebKitWebDriver on a free port with selenium-webdriver.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import { Builder } from 'selenium-webdriver';

export const NAME = 'WebKit';
const DRIVER = process.env.QUILLMARK_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
const MINIBROWSER = `/usr/lib/${process.arch === 'arm64' ? 'aarch64' : 'x86_64'}-linux-gnu/webkit2gtk-4.1/MiniBrowser`;
export const REQUIRED = [[DRIVER, 'webkit2gtk-driver'], [MINIBROWSER, 'libwebkit2gtk-4.1-0']];
// A real keyboard's keys that WebKit keeps for itself, as Safari does: F5 reloads the page, F11
// goes full screen and F12 opens the Web Inspector (both resize the view). Keys sent through
// WebDriver do reach the page, so only real key events show this.
export const KEPT_KEYS = { F5: 'reload', F11: 'resized view', F12: 'resized view' };

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer().once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// WebKitWebDriver on a free port; another process may take the port first, then another is tried.
async function startDriver(env) {
  let said = '';
  for (let attempt = 0; attempt < 3; ++attempt) {
    const port = await freePort();
    const driver = spawn(DRIVER, [`--port=${port}`], { env, detached: true, stdio: ['ignore', 'ignore', 'pipe'] });
    driver.stderr.on('data', (data) => { said += data; });
    const exited = new Promise((resolve) => driver.once('exit', () => resolve(false)));
    for (let k = 0; k < 100; ++k) {
      const ready = await Promise.race([exited,
        fetch(`http://127.0.0.1:${port}/status`).then((response) => response.ok, () => null)]);
      if (ready === false) break;
      if (ready) return { driver, port };
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    driver.kill('SIGKILL');
  }
  throw new Error(`WebKitWebDriver did not start: ${said.trim() || 'no answer on its port'}`);
}

// The processes that `parent` started, and whether one still runs, from /proc.
function childrenOf(parent) {
  return fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name)).filter((pid) => {
    try {
      return fs.readFileSync(`/proc/${pid}/stat`, 'utf8').replace(/^.*\) /s, '').split(' ')[1] === String(parent);
    } catch {
      return false;
    }
  });
}

function running(pid) {
  try {
    return fs.readFileSync(`/proc/${pid}/stat`, 'utf8').replace(/^.*\) /s, '')[0] !== 'Z';
  } catch {
    return false;
  }
}

// Resolves, saying how, once the driver or the browser it started has ended.
function endOf(driver, browsers) {
  return new Promise((resolve) => {
    driver.once('exit', (code, signal) => resolve(`WebKitWebDriver ended: exit code ${code}, signal ${signal}`));
    const watch = setInterval(() => {
      if (browsers.every(running)) return;
      clearInterval(watch);
      resolve('MiniBrowser is gone');
    }, 200);
    watch.unref();
  });
}

export async function launch(display, [width, height]) {
  // WebKit's sandbox needs user namespaces, which CI containers often lack; the page is our own.
  const env = { ...process.env, DISPLAY: display, WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS: '1' };
  const { driver, port } = await startDriver(env);
  let session;
  try {
    session = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
    }).build();
    await session.manage().window().setRect({ x: 0, y: 0, width, height });
  } catch (error) {
    process.kill(-driver.pid, 'SIGKILL');
    throw error;
  }
  return {
    // MiniBrowser runs in the driver's process group, which is what ends on close.
    process: driver,
    ended: endOf(driver, childrenOf(driver.pid)),
    open: (url) => session.get(url),
    evaluate: (expression) => session.executeScript(`return (${expression});`),
    screenshot: async () => Buffer.from(await session.takeScreenshot(), 'base64'),
    close: () => session.quit(),
  };
}
