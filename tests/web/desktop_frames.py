"""desktop_frames.py: the desktop program's frames that the web page's pictures are compared with.

Run as: python3 desktop_frames.py <path to quillmark> <output folder> <address>
Writes startup.ppm (the first frame), markers.ppm (after F12, twenty presses of a, then r) and
opened.ppm (the first frame of quillmark --open <address>), each an 800 x 800 screenshot of the real
window under Xvfb.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from quillmark_window import Session  # noqa: E402


def save(frame, path):
    with open(path, "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (frame.width, frame.height) + frame.rgb)


if __name__ == "__main__":
    program, folder, address = sys.argv[1:4]
    with Session(program) as app:
        start = app.frame()
        save(start, os.path.join(folder, "startup.ppm"))
        app.keys("F12", *["a"] * 20, "r")
        save(app.frame(changed_from=start), os.path.join(folder, "markers.ppm"))
    with Session(program, "--open", address) as app:
        save(app.frame(), os.path.join(folder, "opened.ppm"))
