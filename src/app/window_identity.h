// window_identity.h: tells the desktop which program owns the window, so docks and taskbars can
// show its icon and match it to its menu entry.
#pragma once

// Gives the current GLUT window its class and icon; called right after glutCreateWindow.
// Harmless where no window manager runs or one ignores the icon.
void identifyWindowToDesktop();
