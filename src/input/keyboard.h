// keyboard.h: the key handlers: move the curve, set half-waves, toggle resolution, change amplitude.
#pragma once

// The character keys onKeyboard acts on; every other key only redraws.
inline constexpr const char* PROGRAM_CHARACTER_KEYS = "rRaAsS";

// Arrows move all four control points by 0.1; F1..F12 set the number of half-waves.
void onSpecialKey(int key, int x, int y);

// r toggles 100/512 steps; a and s raise and lower the amplitude by 0.01.
void onKeyboard(unsigned char key, int x, int y);
