// markers.h: the pass that marks where the wave curve crosses itself.
#pragma once

// Magenta points at every crossing of two non-neighbouring segments of wavePolyline.
void drawIntersectionMarkers();
