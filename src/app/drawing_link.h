// drawing_link.h: a drawing as the short text of a link ("p=...&n=..&a=..&s=..&z=.."), written and read exactly.
#pragma once

#include <string>
#include <string_view>

#include "app/scene_state.h"

// What a link keeps of the scene: everything the picture is drawn from, nothing of a drag under way.
struct Drawing {
    ControlPoints controlPoints;
    double waveCount;
    double waveAmplitude;
    double segmentCount;
    double zoom;
};

// The drawing the program starts with.
Drawing startDrawing();

Drawing drawingOf(const SceneState& state);

// Sets the control points, half-waves, amplitude, steps and zoom; a drag under way is the caller's.
void applyDrawing(const Drawing& drawing, SceneState& state);

// Every number equal to the bit (so -0 differs from 0).
bool sameDrawing(const Drawing& a, const Drawing& b);

// "p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2": each number in the fewest significant
// digits that read back to the same double. A drawing the controls can reach reads back to itself.
std::string drawingText(const Drawing& drawing);

struct DrawingReading {
    bool ok = false;
    Drawing drawing{};
    std::string problem;  // when !ok: what could not be used, as a clause without capital or full stop
};

// Reads a whole address (the text after its first '#'), "#..." or the fragment text itself, at most
// 2000 characters as given, its percent-encoding undone once. A whole address with no '#' (such as
// "http://host/"), an empty fragment and an empty text are the start-up drawing; a part left out
// keeps the start-up value. Only a drawing the program's own controls could hold is accepted: whole
// half-waves 1 to 12, steps 100 or 512, zoom 0.1 to 5, finite numbers; each value is kept exactly as
// read. A text refused so is read once more with the slips of passing a link on mended (mendedLink:
// the punctuation of a sentence around it, wrapping, "&amp;", capitals), never decoded again; a text
// still refused gets the refusal of the text as given. That refusal quotes the decoded text, control
// characters and bytes of no UTF-8 character as '?'.
DrawingReading readDrawing(std::string_view address);
