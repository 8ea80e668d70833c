// drawing_words.h: the drawing in words for whoever cannot see it: a description, and what changed.
#pragma once

#include <string>

#include "app/drawing_link.h"

// What the frame of the drawing shows, in sentences: the corners (two decimals), the wave's numbers,
// the curve's shape, the corners outside the drawing at its zoom, the marker points (the count and the
// first six, in the order the frame draws them) and the warning the frame prints, if any.
std::string drawingDescription(const Drawing& drawing);

// The warning the drawing's frame prints, as announced: "the program warns: no direction at t = 0.000",
// or "" for none.
std::string drawingWarning(const Drawing& drawing);

// What a listener hears of the change from before to after, as phrases joined by ", " in a fixed
// order: half-waves, amplitude, steps, zoom, the curve's move or each corner's, the marker count, the
// warning; "" when nothing said in words changed.
std::string drawingChanges(const Drawing& before, const Drawing& after);
