// page_answers.h: what the program answers the page about itself: its codes and limits, the scene a
// frame was drawn from, the wave it drew, where a corner is drawn, and the steps of the page's corner and zoom buttons,
// sent through the program's own handlers. No Emscripten here: the file builds natively too, and is
// tested there with the program's handlers on the recording GL.
#pragma once

#include <string>
#include <vector>

#include "geometry/point2d.h"

// The key and button codes the program is handed, the half-wave limits, the fine resolution and the
// zoom drag's spot, rate and bounds, as one JSON object: the page keeps no number of the program's.
std::string programFactsJson();

// The scene as the frame just drawn shows it, every number exact, with the frame's marker points,
// as one JSON object whose fields page.h lists.
std::string sceneJson(int markerPoints);

// The wave as the last frame drew it, for the page's sound: the number of its points and of its
// marker points, then each point of the wave polyline (x, y), then each marker point in the marker
// pass's order (x, y, and the wave step it was found at: the earlier of its two segments). Points
// are where the frame draws them; every number is a float, as counts and steps stay far below 2^24.
std::vector<float> drawnWave();

// Where corner k is drawn, in window pixels from the top-left corner, the fraction kept.
Point2d drawnCornerPixel(int k);

// What a step did: nothing, with the sentence that says why, or a press, a motion and a release,
// the pointer left at the release.
struct StepAnswer {
    std::string refusal;
    int releaseX = 0;
    int releaseY = 0;
};

std::string stepAnswerJson(const StepAnswer& answer);

// Corner k dragged (dx, dy) window pixels as a mouse drags it: a left press on the pixel it is
// drawn at, one motion, a release. Refused where that press would pick another corner, or where
// the corner is drawn outside the window. The caller holds no press.
StepAnswer stepCorner(int k, int dx, int dy);

// One zoom drag step from the window's centre, up (+1, zoom in) or down (-1): a press of the middle
// button, a motion of ZOOM_DRAG_STEP_PIXELS, a release. The caller holds no press.
StepAnswer stepZoom(int direction);
