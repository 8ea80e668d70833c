// webkit.mjs: the smoke list's driver layer for WebKitGTK's MiniBrowser from Debian, driven through
// WebKitWebDriver on a free port with selenium-webdriver. QUILLMARK_WEBKIT_DRIVER and
// QUILLMARK_MINIBROWSER name others (ctest passes those CMake found).
import { spawn } from 'node:child_process';
import net from 'node:net';
import { Builder } from 'selenium-webdriver';

export const NAME = 'WebKit';
const DRIVER = process.env.QUILLMARK_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
const MINIBROWSER = process.env.QUILLMARK_MINIBROWSER || `/usr/lib/${process.arch === 'arm64' ? 'aarch64' : 'x86_64'}-linux-gnu/webkit2gtk-4.1/MiniBrowser`;
export const REQUIRED = [[DRIVER, 'webkit2gtk-driver'], [MINIBROWSER, 'libwebkit2gtk-4.1-0']];
// A real keyboard's keys that WebKit keeps for itself, as Safari does: F5 reloads the page, F11
// goes full screen and F12 opens the Web Inspector (both resize the view). Keys sent through
// WebDriver do reach the page, so only real key events show this.
export const KEPT_KEYS = { F5: 'reload', F11: 'resized view', F12: 'resized view' };

// A port no other process listens on: one the system hands out, given back at once.
function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer().once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

export async function launch(display, [width, height]) {
  // WebKit's sandbox needs user namespaces, which CI containers often lack; the page is our own.
  const env = { ...process.env, DISPLAY: display, WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS: '1' };
  const port = await freePort();
  // MiniBrowser runs in the driver's process group, which is what ends on close.
  const driver = spawn(DRIVER, [`--port=${port}`], { env, detached: true, stdio: 'ignore' });
  const ended = new Promise((resolve) => driver.once('exit', (code, signal) => resolve(`WebKitWebDriver ended: exit code ${code}, signal ${signal}`)));
  let session;
  try {
    // The driver answers on its port once it is ready.
    const ready = () => fetch(`http://127.0.0.1:${port}/status`).then((response) => response.ok, () => false);
    for (let tries = 0; !(await ready()); ++tries) {
      if (driver.exitCode !== null || tries === 100) throw new Error(`WebKitWebDriver did not start on port ${port}`);
      await new Promise((resolve) => { setTimeout(resolve, 100); });
    }
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
    process: driver,
    ended,
    open: (url) => session.get(url),
    evaluate: (expression) => session.executeScript(`return (${expression});`),
    screenshot: async () => Buffer.from(await session.takeScreenshot(), 'base64'),
    close: () => session.quit(),
  };
}
