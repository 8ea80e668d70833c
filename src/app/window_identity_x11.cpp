// window_identity_x11.cpp: the window's class and icon on X11, set through the display and window
// that GLX has current right after glutCreateWindow. The desktop build only; others leave it out.
#include "app/window_identity.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <iterator>
#include <thread>

// WINDOW_ICON: the installed icon's drawing at 48 x 48, made by the gallery script.
#include "app/window_icon.inc"

namespace {

// How long a window manager gets to let go of the withdrawn window before it is mapped again.
constexpr int RELEASE_POLLS = 100;
constexpr std::chrono::milliseconds RELEASE_POLL_INTERVAL{10};

// Whether a window manager holds the window: it keeps WM_STATE on it, in any state but Withdrawn.
bool heldByWindowManager(Display* display, Window window, Atom wmState) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, wmState, 0, 1, False, wmState, &type, &format, &count,
                                          &remaining, &data);
    const bool held = status == Success && format == 32 && count > 0 &&
                      *reinterpret_cast<const long*>(data) != WithdrawnState;
    if (data != nullptr) XFree(data);
    return held;
}

}  // namespace

void identifyWindowToDesktop() {
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None) return;

    char name[] = "quillmark";
    char className[] = "Quillmark";
    XClassHint classHint{name, className};
    XSetClassHint(display, window, &classHint);
    // Format 32 property data is handed to Xlib as longs, whatever their width.
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(WINDOW_ICON),
                    static_cast<int>(std::size(WINDOW_ICON)));

    // freeglut has mapped the window already, and some window managers read the class only when a
    // window is mapped: withdraw it and map it again. A window manager that held the window is
    // given time to let go first (the window then goes back where it was); with none, nothing
    // holds it and it is mapped again at once, where it was. The new Expose redraws the frame.
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    XWithdrawWindow(display, window, DefaultScreen(display));
    for (int poll = 0; poll < RELEASE_POLLS && heldByWindowManager(display, window, wmState); ++poll) {
        std::this_thread::sleep_for(RELEASE_POLL_INTERVAL);
    }
    XMapWindow(display, window);
    XFlush(display);
}
