"""window_test.py: checks the real Quillmark program in a real window, pixel by pixel.

Run as: python3 window_test.py <path to quillmark> [TestCase names]
"""
import os
import select
import subprocess
import sys
import tempfile
import time
import unittest

from quillmark_window import BLUE, GREEN, MAGENTA, WHITE, YELLOW, Frame, Session, gl_to_pixel, run_quiet

PROGRAM = None
LAUNCHER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "launch.sh")
ZOOM = 2.0
# Start-up curve point B(0.25) and wave peak W(0.25), in curve units.
CURVE_QUARTER = (-0.15, 0.225)
WAVE_PEAK = (-0.2207107, 0.2957107)
P1, P2 = (-0.1, 0.4), (0.1, 0.4)
# At start-up, the blue in rows 70 to 90 is the P1-P2 edge (rows 79-80) and the ends of its
# neighbours; column 440 crosses no other blue than that edge at every zoom used here.
EDGE_BAND = range(70, 91)
EDGE_COLUMN = 440


def drawn(point, zoom=ZOOM):
    return gl_to_pixel(point[0] * zoom, point[1] * zoom)


def edge_row(zoom):
    """Row of the P1-P2 edge at the given zoom."""
    return 400 - 400 * P1[1] * zoom


def check_start_frame(test, frame):
    """The start-up scene: white background, green curve, blue polygon, yellow wave, no marker."""
    test.assertEqual(frame.pixel(799, 799), WHITE, "background at the far corner")
    test.assertTrue(frame.near(*drawn(CURVE_QUARTER), GREEN), "curve at t = 0.25")
    test.assertTrue(frame.near(*drawn(((P1[0] + P2[0]) / 2, P1[1])), BLUE), "middle of P1-P2")
    test.assertTrue(frame.near(*drawn((-0.15, 0.3)), BLUE), "P0-P1 three quarters of the way to P1")
    test.assertTrue(frame.near(*drawn(WAVE_PEAK), YELLOW), "wave peak at t = 0.25")
    test.assertEqual(frame.positions(MAGENTA), set(), "no crossing at start-up")


class StartUp(unittest.TestCase):
    # The window is placed, sized and titled as asked, tells the desktop its class and a 48 x 48
    # icon, and the first frame shows the start-up scene.
    def test_window_and_first_frame(self):
        with Session(PROGRAM) as app:
            self.assertEqual(app.geometry(), (0, 0, 800, 800))
            self.assertEqual(app.title(), "Quillmark")
            self.assertEqual(app.window_property("WM_CLASS"), '"quillmark", "Quillmark"')
            icon = [int(value) for value in app.window_property("_NET_WM_ICON", "32c").split(",")]
            self.assertEqual(icon[:2], [48, 48])
            self.assertEqual(len(icon), 2 + 48 * 48)
            self.assertGreater(len(set(icon[2:])), 4, "a drawing, not a flat square")
            check_start_frame(self, app.frame())


class CommandLine(unittest.TestCase):
    # Where GLUT cannot start, it says why and the process exits with status 1, not a signal: with
    # no X display, and with -geometry missing its value.
    def test_glut_cannot_start(self):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        for args, message in (([], b"failed to open display"),
                              (["-geometry"], b"-geometry parameter must be followed by")):
            with self.subTest(args=args):
                done = subprocess.run([PROGRAM, *args], env=env, capture_output=True, timeout=30)
                self.assertEqual(done.returncode, 1)
                self.assertIn(message, done.stderr)

    # -geometry places the window; whatever size it asks for, the window opens at 800 x 800 and draws.
    def test_geometry_values(self):
        for value, place in (("+100+50", (100, 50)), ("0x0", None), ("abc", None), ("100000x100000", None)):
            with self.subTest(geometry=value), Session(PROGRAM, "-geometry", value) as app:
                x, y, width, height = app.geometry()
                self.assertEqual((width, height), (800, 800))
                if place:
                    self.assertEqual((x, y), place)
                # Frames are read at the screen's top-left corner.
                app.xdotool("windowmove", app.window, 0, 0)
                check_start_frame(self, app.frame())

    # Each argument GLUT does not take gets a note on standard error, and the program goes on;
    # GLUT's own options (the session's -geometry) get none.
    def test_unknown_options(self):
        with Session(PROGRAM, "--bogus", "-foo") as app:
            check_start_frame(self, app.frame())
            notes = [line for line in app.stderr().splitlines() if line.startswith("quillmark:")]
        self.assertEqual(notes, ["quillmark: ignoring unknown option '--bogus' (try --help)",
                                 "quillmark: ignoring unknown option '-foo' (try --help)"])

    # --open ADDRESS draws the link's control points (commas partly encoded, the other parts left out)
    # and says nothing on standard error. P1 lies on P0, so the frame prints a warning, which reaches
    # a pipe while the program runs: buffered, it would wait for 4 KB or the program's end.
    def test_open_draws_the_link_and_flushes_its_warning(self):
        corners = ((-0.4, -0.2), (-0.4, -0.2), (0.2, 0.3), (0.45, -0.1))
        address = "http://127.0.0.1:8080/#p=" + "%2C".join(f"{x},{y}" for x, y in corners)
        with Session(PROGRAM, "--open", address, stdout=subprocess.PIPE) as app:
            frame, seen = app.frame(), time.monotonic()
            ready, _, _ = select.select([app.process.stdout], [], [], 15)
            self.assertTrue(ready, "no output in a pipe while the program runs")
            line = app.process.stdout.readline()
            print(f"warning read {time.monotonic() - seen:.3f} s after the frame was seen", file=sys.stderr)
            self.assertIsNone(app.process.poll())
            self.assertEqual(app.stderr(), "")
        self.assertEqual(line, b"warning : t = 0.000, derivative vector is (0,0)\n")
        for corner in corners:
            self.assertTrue(frame.near(*drawn(corner), BLUE), f"corner {corner}")
        self.assertFalse(frame.near(*drawn((0, P1[1])), BLUE), "the start-up P1-P2 edge")

    # `quillmark --open <P1 on P0> | head -2`: once the reader has gone, the program stops writing
    # (its standard output becomes /dev/null) and keeps running and drawing, without SIGPIPE's end.
    def test_a_closed_pipe_ends_the_output_not_the_program(self):
        address = "p=-0.4,-0.2,-0.4,-0.2,0.2,0.3,0.45,-0.1"
        with Session(PROGRAM, "--open", address, stdout=subprocess.PIPE) as app:
            frames = [app.frame()]
            # The second frame's line comes after a key: a frame is drawn only when something changed.
            for key in ("Right", None):
                ready, _, _ = select.select([app.process.stdout], [], [], 15)
                self.assertTrue(ready, "no warning line in the pipe")
                self.assertTrue(app.process.stdout.readline().startswith(b"warning : t = 0.000"))
                if key:
                    app.keys(key)
                    frames.append(app.frame(changed_from=frames[-1]))
            app.process.stdout.close()
            # Each of these frames prints its warning into the closed pipe.
            for key in ("Left", "Up"):
                app.keys(key)
                frames.append(app.frame(changed_from=frames[-1]))
            self.assertEqual(frames[2], frames[0], "Right then Left gives back the first frame")
            self.assertIsNone(app.process.poll(), "the program ended")
            self.assertEqual(os.readlink(f"/proc/{app.process.pid}/fd/1"), "/dev/null")


class Launcher(unittest.TestCase):
    # With no display, the launcher leaves a program that ends by itself its own output and exit
    # status, and takes no screenshot; a program that runs is photographed, its start-up frame.
    def test_exit_status_output_and_screenshot(self):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        with tempfile.TemporaryDirectory() as folder:
            env["QUILLMARK_SCREENSHOT"] = shot = os.path.join(folder, "shot.png")
            for args in (["--version"], ["--open", "n=13"]):
                with self.subTest(args=args):
                    alone, launched = (subprocess.run([*launcher, PROGRAM, *args], env=env, capture_output=True,
                                                      text=True, timeout=60) for launcher in ([], [LAUNCHER]))
                    self.assertEqual((launched.returncode, launched.stdout, launched.stderr),
                                     (alone.returncode, alone.stdout, alone.stderr))
                    self.assertEqual(launched.returncode, 2 if "--open" in args else 0)
                    self.assertFalse(os.path.exists(shot))
            started = subprocess.run([LAUNCHER, PROGRAM], env=env, capture_output=True, text=True, timeout=60)
            self.assertEqual(started.returncode, 0, started.stderr)
            self.assertEqual(started.stdout.splitlines()[-1], f"Screenshot of the window saved to {shot}")
            check_start_frame(self, Frame(run_quiet("convert", shot, "-depth", "8", "ppm:-")))


def frames_after_each_key(*keys):
    """The start-up frame, then the new frame after each key in turn."""
    with Session(PROGRAM) as app:
        frames = [app.frame()]
        for key in keys:
            app.keys(key)
            frames.append(app.frame(changed_from=frames[-1]))
    return frames


class Keys(unittest.TestCase):
    # Twelve half-waves at amplitude 0.3 cross themselves; the start-up wave does not.
    def test_markers_appear(self):
        with Session(PROGRAM) as app:
            start = app.frame()
            self.assertEqual(start.positions(MAGENTA), set())
            app.keys("F12", *["a"] * 20)
            self.assertNotEqual(app.frame(changed_from=start).positions(MAGENTA), set())

    # r redraws at the other resolution; a second r restores the start-up frame exactly.
    def test_resolution_toggle(self):
        start, _, back = frames_after_each_key("r", "r")
        self.assertEqual(back, start)

    # An arrow moves everything by 0.1 curve units = 80 pixels at zoom 2; checked on the P1-P2 edge.
    def test_arrows_shift_by_80_pixels(self):
        start, right, up = frames_after_each_key("Right", "Up")
        edge = {(x, y) for x, y in start.positions(BLUE) if y in EDGE_BAND}
        self.assertTrue(edge)
        self.assertEqual({(x, y) for x, y in right.positions(BLUE) if y in EDGE_BAND},
                         {(x + 80, y) for x, y in edge})
        # Moved up by 80 rows, the edge sits on the top row and its upper half leaves the window.
        self.assertEqual({(x, y) for x, y in up.positions(BLUE) if y + 80 in EDGE_BAND},
                         {(x + 80, y - 80) for x, y in edge if y >= 80})


class Mouse(unittest.TestCase):
    # P1 dragged with the left button: the polygon's corner follows the pointer.
    def test_drag_moves_corner(self):
        corner, target = drawn(P1), (200, 60)
        with Session(PROGRAM) as app:
            start = app.frame()
            app.drag(1, corner, target)
            moved = app.frame(changed_from=start)
        self.assertTrue(moved.near(*target, BLUE), "blue at the new corner")
        self.assertFalse(moved.near(*corner, BLUE, radius=3), "old corner left")

    # Dragging up by 120 px with the right button zooms in by 0.12, dragging down by 240 px zooms out.
    def test_zoom_drag(self):
        with Session(PROGRAM) as app:
            start = app.frame()
            app.drag(3, (700, 700), (700, 580))
            grown = app.frame(changed_from=start)
            app.drag(3, (700, 400), (700, 640))
            shrunk = app.frame(changed_from=grown)
        for frame, zoom in ((start, 2.0), (grown, 2.12), (shrunk, 1.88)):
            rows = frame.rows(BLUE, EDGE_COLUMN)
            self.assertTrue(rows and min(rows) - 1 <= edge_row(zoom) <= max(rows) + 1,
                            f"P1-P2 edge at zoom {zoom}: expected row {edge_row(zoom)}, blue at {rows}")


if __name__ == "__main__":
    PROGRAM = sys.argv[1]
    unittest.main(argv=sys.argv[:1] + sys.argv[2:])
