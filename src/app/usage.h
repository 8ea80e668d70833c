// usage.h: the program's controls, listed once for --help and the documentation, and the texts of its
// own options.
#pragma once

#include <array>

#include "app/command_line.h"

// One key or mouse action and what it does to the drawing, with its step size.
struct Control {
    const char* input;
    const char* effect;
};

inline constexpr std::array<Control, 8> CONTROLS{{
    {"Left button press", "Picks the control point (a corner of the blue polygon) within about 12 pixels"},
    {"Left button drag", "Moves the picked point with the pointer, pixel for pixel"},
    {"Other button (right, middle) drag up / down",
     "Zooms in / out by 0.1 per 100 pixels, between 0.1 and 5 (2 at start-up)"},
    {"Up / Down / Left / Right arrow",
     "Moves the whole curve by 0.1 curve units (80 pixels at the start-up zoom)"},
    {"F1 to F12", "Sets the number of half-waves to 1 to 12 (10 at start-up)"},
    {"r or R", "Toggles the drawing resolution between 100 and 512 steps (100 at start-up)"},
    {"a or A", "Raises the wave amplitude by 0.01 (0.1 at start-up)"},
    {"s or S", "Lowers the wave amplitude by 0.01, through zero and below"},
}};

// Prints the help or the version on standard output and gives the exit status: 0, or 1 when the
// text did not reach its reader (a closed pipe, a full disk).
int answerInfoOption(InfoOption option);

// Prints the description of the scene's drawing on standard output (--describe) and gives the exit
// status as answerInfoOption does.
int answerDescribe(const SceneState& state);

// Notes on standard error each argument left in argv, that is, each one GLUT did not take.
void warnUnknownOptions(int argc, char** argv);
