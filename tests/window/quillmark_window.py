"""quillmark_window.py: runs the real Quillmark program on its own virtual display and reads its frames.

Each Session starts its own Xvfb on a free display number, so sessions may run in parallel, starts
the program at the top-left corner of that screen and stops both on exit, also when a check fails.
Input goes through xdotool, paced so that GLUT sees every event on its own; frames are read back as
pixels from a screenshot of the 800 x 800 client area.

    with Session(program) as app:
        start = app.frame()                  # the first stable frame
        app.keys("F12", "a")                 # xdotool key names
        after = app.frame(changed_from=start)
        after.pixel(280, 220) == GREEN

    app.drag(1, (320, 80), (250, 200))       # left button, paced motion steps, one frame per step
    app.process                              # the program's Popen, e.g. to check it is still alive
    app.stderr()                             # what the program wrote to standard error so far

    Session(program, stdout=subprocess.PIPE)  # app.process.stdout then reads the program's output

Pixel (x, y) counts from the window's top-left corner, y growing downwards. OpenGL (gx, gy) lands on
pixel (400 + 400 gx, 400 - 400 gy).
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

SIZE = 800
WHITE, GREEN, BLUE = (255, 255, 255), (0, 255, 0), (0, 0, 255)
YELLOW, MAGENTA = (255, 255, 0), (255, 0, 255)

# GLUT merges redraw requests that arrive before a frame is drawn, so events are sent this far apart.
PACE = 0.03
TIMEOUT = 15.0


def gl_to_pixel(gx, gy):
    """Window pixel of the OpenGL point (gx, gy) in the 800 x 800 window."""
    return round(SIZE / 2 + SIZE / 2 * gx), round(SIZE / 2 - SIZE / 2 * gy)


class Frame:
    """An RGB screenshot of the window, 8 bits per channel."""

    def __init__(self, ppm):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height = int(header.group(1)), int(header.group(2))
        self.rgb = ppm[header.end():]

    def __eq__(self, other):
        return isinstance(other, Frame) and self.rgb == other.rgb

    def is_flat(self):
        return self.rgb == self.rgb[:3] * (self.width * self.height)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def near(self, x, y, colour, radius=2):
        """Whether a pixel of the colour lies within the square of the radius around (x, y)."""
        return any(self.pixel(x + dx, y + dy) == colour
                   for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1)
                   if 0 <= x + dx < self.width and 0 <= y + dy < self.height)

    def positions(self, colour):
        """The set of (x, y) of every pixel of the colour."""
        found, pattern, i = set(), bytes(colour), self.rgb.find(bytes(colour))
        while i >= 0:
            # A match may straddle two pixels; only those aligned to a pixel count.
            if i % 3 == 0:
                found.add(((i // 3) % self.width, (i // 3) // self.width))
            i = self.rgb.find(pattern, i + 1)
        return found

    def rows(self, colour, x):
        """The rows, top to bottom, where column x has the colour."""
        return [y for y in range(self.height) if self.pixel(x, y) == colour]


def run_quiet(*command, env=None):
    """Runs a helper tool, keeping its chatter out of the log unless it fails."""
    done = subprocess.run(command, env=env, capture_output=True, timeout=TIMEOUT)
    if done.returncode != 0:
        raise RuntimeError(f"{command[0]} failed: {done.stderr.decode(errors='replace').strip()}")
    return done.stdout


class Session:
    """The program in its own Xvfb; use as a context manager."""

    def __init__(self, program, *args, stdout=subprocess.DEVNULL):
        self.program, self.args, self.stdout = program, args, stdout
        self.xvfb = self.process = None
        self.errors = tempfile.TemporaryFile()

    def __enter__(self):
        # A run stopped from outside with SIGTERM unwinds like a failure, so the children are stopped too.
        if signal.getsignal(signal.SIGTERM) == signal.SIG_DFL:
            signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _start(self):
        read_end, write_end = os.pipe()
        # Without -noreset the server resets when its last client leaves, and a probe for the window
        # that ends before the program has connected makes the program's connection fail.
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x1024x24", "-nolisten", "tcp",
             "-noreset"], pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        # Xvfb picks a free display number and writes it once it accepts connections.
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number)
        self.process = subprocess.Popen([self.program, "-geometry", "+0+0", *self.args],
                                        env=self.env, stdout=self.stdout, stderr=self.errors)
        self.window = self._wait(lambda: run_quiet("xdotool", "search", "--name", "^Quillmark$",
                                                   env=self.env).split()[0].decode(), "the window")
        # Keys go to the window under the pointer (there is no window manager); GLUT sees motion there only.
        self.xdotool("mousemove", SIZE - 1, SIZE - 1)
        # Until its first frame the window shows one flat colour.
        self._wait(lambda: not self.screenshot().is_flat(), "the first frame")

    def close(self):
        for child in (self.process, self.xvfb):
            if child is not None and child.poll() is None:
                child.terminate()
                try:
                    child.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
        if self.process is not None and self.process.stdout is not None:
            self.process.stdout.close()
        # The program's standard error still reaches the test log, sanitizer reports included.
        sys.stderr.write(self.stderr())
        self.errors.close()

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode(errors="replace")

    def _wait(self, probe, what):
        """The first true result of probe(), tried until TIMEOUT; a failing probe counts as not yet."""
        deadline, failure = time.monotonic() + TIMEOUT, ""
        while True:
            if self.process.poll() is not None:
                raise RuntimeError(f"quillmark exited with status {self.process.returncode}")
            try:
                result = probe()
                if result:
                    return result
            except (RuntimeError, IndexError) as error:
                failure = f" (last: {error})"
            if time.monotonic() > deadline:
                raise TimeoutError(f"gave up waiting for {what}{failure}")
            time.sleep(PACE)

    def xdotool(self, *args):
        run_quiet("xdotool", *map(str, args), env=self.env)
        time.sleep(PACE)

    def geometry(self):
        """(x, y, width, height) of the window as the X server reports it."""
        info = run_quiet("xwininfo", "-id", self.window, env=self.env).decode()
        return tuple(int(re.search(label + r":\s+(-?\d+)", info).group(1))
                     for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def title(self):
        return run_quiet("xdotool", "getwindowname", self.window, env=self.env).decode().strip()

    def window_property(self, name, format_spec="8s"):
        """The window's property, as xprop prints its value after '='; numbers come out comma-separated."""
        line = run_quiet("xprop", "-id", self.window, "-notype", "-f", name, format_spec, " = $0+", name,
                         env=self.env).decode().strip()
        return line.split(" = ", 1)[1] if " = " in line else None

    def screenshot(self):
        return Frame(run_quiet("import", "-window", "root", "-crop", f"{SIZE}x{SIZE}+0+0", "+repage",
                               "-depth", "8", "ppm:-", env=self.env))

    def frame(self, changed_from=None):
        """The next frame unlike changed_from (if given) that two screenshots in a row agree on."""
        shots = [None]

        def settled():
            shots.append(self.screenshot())
            previous, latest = shots[-2:]
            return latest == previous and (changed_from is None or latest != changed_from) and latest
        return self._wait(settled, "a stable frame" + (" unlike the last one" if changed_from else ""))

    def keys(self, *names):
        self.xdotool("key", "--delay", int(PACE * 1000), *names)

    def drag(self, button, start, end, steps=4):
        """Presses the button at start, moves to end in paced steps, each shown in a new frame, releases."""
        self.xdotool("mousemove", *start)
        before = self.screenshot()
        self.xdotool("mousedown", button)
        for k in range(1, steps + 1):
            self.xdotool("mousemove", *(s + (e - s) * k // steps for s, e in zip(start, end)))
            before = self.frame(changed_from=before)
        self.xdotool("mouseup", button)
