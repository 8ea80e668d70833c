"""soak_test.py: a long scripted storm of real input events against the real program in a real window.

Run as: /usr/bin/python3 soak_test.py <path to quillmark> [--events N] [--sanitized]

The storm (arrow keys, point drags, zoom drags, r toggles, a/s) runs at twelve half-waves and
amplitude 0.3, where the wave crosses itself many times. Events go through the XTEST extension
from this one process, paced so that GLUT draws a frame for each. At the end the program must still
redraw and end with status 0 when closed the way a window manager closes it. Unsanitized, its
resident memory must stay within a small margin of what it held early in the storm. Sanitized, it
must report no leak with a frame of its own code: the GL driver's leaks come from its unloaded
module with no frame of ours and are not counted.
"""
import argparse
import glob
import os
import random
import sys
import tempfile
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "window"))
from quillmark_window import Session, gl_to_pixel  # noqa: E402

# GLUT merges redraw requests that arrive before a frame is drawn, so events are sent this far apart.
PACE = 0.02
BASELINE_AFTER = 300
RSS_MARGIN_KB = 2048
# Drawn positions of P1 and P2 at the start-up zoom of 2; every gesture returns the scene to them.
POINTS = [gl_to_pixel(-0.1 * 2, 0.4 * 2), gl_to_pixel(0.1 * 2, 0.4 * 2)]
ZOOM_GRIP = (600, 600)
SOURCE_DIR = os.path.realpath(os.path.join(HERE, "..", "..", "src"))


class Storm:
    """Paced XTEST input; counts the events that reach a handler of the program."""

    def __init__(self, name):
        self.display = display.Display(name)
        self.events = 0

    def _send(self, kind, detail=0, x=0, y=0, handled=True):
        xtest.fake_input(self.display, kind, detail, x=x, y=y)
        self.display.sync()
        self.events += handled
        time.sleep(PACE)

    def key(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        xtest.fake_input(self.display, X.KeyPress, code)
        self._send(X.KeyRelease, code)

    def drag(self, button, start, path):
        """Presses at start, moves along the path and back the same way, releases at start."""
        # Motion with no button held reaches no handler.
        self._send(X.MotionNotify, x=start[0], y=start[1], handled=False)
        self._send(X.ButtonPress, button)
        for dx, dy in path + path[-2::-1] + [(0, 0)]:
            self._send(X.MotionNotify, x=start[0] + dx, y=start[1] + dy)
        self._send(X.ButtonRelease, button)

    def close(self, window_id):
        """Asks the window to close as a window manager does: WM_DELETE_WINDOW in a WM_PROTOCOLS message."""
        window = self.display.create_resource_object("window", window_id)
        atom = self.display.intern_atom
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=atom("WM_PROTOCOLS"),
            data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
        self.display.sync()


def walk(rng, step):
    """A few random steps from (0, 0), as offsets from the start."""
    x = y = 0
    path = []
    for _ in range(rng.randint(2, 6)):
        x, y = x + rng.randint(-step, step), y + rng.randint(-step, step)
        path.append((x, y))
    return path


def arrows(storm, rng):
    for name in rng.choice([("Left", "Right"), ("Up", "Down"), ("Right", "Left"), ("Down", "Up")]):
        storm.key(name)


def amplitude(storm, rng):
    storm.key("a")
    storm.key("s")


def resolution(storm, rng):
    storm.key("r")


def point_drag(storm, rng):
    storm.drag(1, rng.choice(POINTS), walk(rng, 15))


def zoom_drag(storm, rng):
    storm.drag(3, ZOOM_GRIP, walk(rng, 10))


# The gestures of the storm; each leaves the scene as it found it, up to rounding.
GESTURES = [arrows, amplitude, resolution, point_drag, zoom_drag]


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))


def sanitizer_reports(log_prefix):
    """The reports in the sanitizer's logs, one block of lines each."""
    text = ""
    for log in glob.glob(log_prefix + ".*"):
        with open(log) as report:
            text += report.read()
    return [block.strip() for block in text.split("\n\n") if block.strip()]


def is_own_leak(report, program):
    """A leak report with a frame in the program's own code, by source path or by module."""
    return "leak of" in report and (SOURCE_DIR in report or os.path.realpath(program) in report)


def soak(args, log_prefix):
    """Runs the storm; gives the list of failures."""
    if args.sanitized:
        # Leaks are judged below, frame by frame, so they do not decide the exit status.
        os.environ["ASAN_OPTIONS"] = os.environ.get("ASAN_OPTIONS", "") + f":log_path={log_prefix}"
        os.environ["LSAN_OPTIONS"] = os.environ.get("LSAN_OPTIONS", "") + ":exitcode=0"

    failures = []
    with Session(args.program) as app:
        pid = app.process.pid
        storm = Storm(app.env["DISPLAY"])
        for name in ["F12"] + ["a"] * 20:
            storm.key(name)
        rng = random.Random(9)
        baseline = None
        while storm.events < args.events:
            rng.choice(GESTURES)(storm, rng)
            if baseline is None and storm.events >= BASELINE_AFTER:
                baseline = resident_kb(pid)
        final = resident_kb(pid)

        before = app.frame()
        storm.key("Right")
        try:
            app.frame(changed_from=before)
        except (TimeoutError, RuntimeError) as error:
            failures.append(f"not redrawing at the end of the storm: {error}")
        storm.close(int(app.window))
        status = app.process.wait(timeout=60)

    print(f"soak: {storm.events} events; resident memory {baseline} kB after {BASELINE_AFTER} events, "
          f"{final} kB at the end")
    reports = sanitizer_reports(log_prefix)
    if status != 0:
        failures.append("\n\n".join([f"exit status {status} after WM_DELETE_WINDOW"] + reports))
    if not args.sanitized and final > baseline + RSS_MARGIN_KB:
        failures.append(f"resident memory grew by {final - baseline} kB")
    failures += [f"leak with a frame of the program's own code:\n{r}" for r in reports if is_own_leak(r, args.program)]
    return failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--events", type=int, default=4000)
    parser.add_argument("--sanitized", action="store_true")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="quillmark-soak-") as logs:
        failures = soak(args, os.path.join(logs, "sanitizer"))
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
