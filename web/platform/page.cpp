// page.cpp: hands the page the window's title and, after every frame, the scene it was drawn from:
// nothing in the drawing shows the half-waves, amplitude, steps or zoom.
#include "platform/page.h"

#include <emscripten/emscripten.h>

#include "app/scene_state.h"

EM_JS(void, setCanvasName, (const char* title), {
    Module["canvas"].setAttribute("aria-label", UTF8ToString(title));
});

EM_JS(void, sendScene,
      (double waveCount, double waveAmplitude, double segmentCount, double zoom, double p0x, double p0y,
       double p1x, double p1y, double p2x, double p2y, double p3x, double p3y, int selectedPoint,
       int zoomDragActive, int lastMouseX, int lastMouseY, int zoomAnchorY),
      {
          if (!Module["onFrameDrawn"]) return;
          Module["onFrameDrawn"]({
              waveCount: waveCount,
              waveAmplitude: waveAmplitude,
              segmentCount: segmentCount,
              zoom: zoom,
              controlPoints: [p0x, p0y, p1x, p1y, p2x, p2y, p3x, p3y],
              selectedPoint: selectedPoint,
              zoomDragActive: zoomDragActive != 0,
              lastMouse: [lastMouseX, lastMouseY],
              zoomAnchorY: zoomAnchorY
          });
      });

void nameWindowOnPage(const char* title) {
    setCanvasName(title);
}

void showFrameOnPage() {
    const ControlPoints& p = scene.controlPoints;
    sendScene(scene.waveCount, scene.waveAmplitude, scene.segmentCount, scene.zoom, p[0].x, p[0].y, p[1].x,
              p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, scene.selectedPoint, scene.zoomDragActive, scene.lastMouseX,
              scene.lastMouseY, scene.zoomAnchorY);
}
