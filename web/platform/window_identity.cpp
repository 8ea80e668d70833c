// window_identity.cpp: the page's side of naming the window to the desktop. A canvas has no window
// manager to tell a class or an icon to; the page's title and icon name it in the browser.
#include "app/window_identity.h"

void identifyWindowToDesktop() {}
