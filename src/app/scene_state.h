// scene_state.h: the one process-wide record that the handlers change and every frame is drawn from.
#pragma once

#include <cmath>
#include <vector>

#include "geometry/bezier.h"
#include "geometry/point2d.h"

// The curve the program opens with.
inline constexpr ControlPoints START_CONTROL_POINTS{{{-0.3, 0.0}, {-0.1, 0.4}, {0.1, 0.4}, {0.3, 0.0}}};

// What the controls keep the scene in: the zoom drag's bounds and the two resolutions r toggles.
inline constexpr double ZOOM_MIN = 0.1;
inline constexpr double ZOOM_MAX = 5.0;
inline constexpr double LOW_RESOLUTION = 100.0;
inline constexpr double HIGH_RESOLUTION = 512.0;

struct SceneState {
    ControlPoints controlPoints = START_CONTROL_POINTS;
    double waveCount = 10.0;      // half-waves along the curve, 1..12
    double waveAmplitude = 0.1;   // curve units, unbounded
    double segmentCount = 100.0;  // parameter steps per curve: 100 or 512
    double zoom = 2.0;            // curve units to OpenGL units, 0.1..5
    int selectedPoint = -1;       // control point being dragged, -1 for none
    int lastMouseX = 0;
    int lastMouseY = 0;
    bool zoomDragActive = false;
    int zoomAnchorY = 0;
    double parameterStep = 0.0;   // 1 / segmentCount, set at the start of each frame
    double pi = std::acos(-1.0);
    std::vector<Point2d> wavePolyline;  // this frame's wave vertices, unscaled
};

extern SceneState scene;

// The wave parameters of the scene as the geometry takes them.
inline WaveShape sceneWave() {
    return {scene.waveCount, scene.waveAmplitude, scene.pi};
}
