// page.cpp: hands the page the window's title and, after every frame, the scene it was drawn from:
// nothing in the drawing shows the half-waves, amplitude, steps or zoom. The page reads and opens
// drawing links through the functions here, so the scene only ever changes inside the program.
#include "platform/page.h"

#include <GL/glut.h>
#include <emscripten/emscripten.h>

#include <string>

#include "app/drawing_link.h"
#include "app/scene_state.h"

EM_JS(void, setCanvasName, (const char* title), {
    Module["canvas"].setAttribute("aria-label", UTF8ToString(title));
});

EM_JS(void, callProgramStarted, (), {
    if (Module["onProgramStarted"]) Module["onProgramStarted"]();
});

EM_JS(void, sendScene,
      (double waveCount, double waveAmplitude, double segmentCount, double zoom, double p0x, double p0y,
       double p1x, double p1y, double p2x, double p2y, double p3x, double p3y, int selectedPoint,
       int zoomDragActive, int lastMouseX, int lastMouseY, int zoomAnchorY, int markerPoints),
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
              zoomAnchorY: zoomAnchorY,
              markerPoints: markerPoints
          });
      });

namespace {

// What the functions below hand the page stays here until their next call.
std::string answer;
// The drawing of the last link read that can be used.
Drawing linkDrawing;

}  // namespace

void nameWindowOnPage(const char* title) {
    setCanvasName(title);
}

void tellPageProgramStarted() {
    callProgramStarted();
}

void showFrameOnPage() {
    const ControlPoints& p = scene.controlPoints;
    sendScene(scene.waveCount, scene.waveAmplitude, scene.segmentCount, scene.zoom, p[0].x, p[0].y, p[1].x,
              p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, scene.selectedPoint, scene.zoomDragActive, scene.lastMouseX,
              scene.lastMouseY, scene.zoomAnchorY, takePointVertexCount());
}

extern "C" {

// The fragment that names the scene's drawing, without '#'; empty for the start-up drawing, whose
// address has none.
EMSCRIPTEN_KEEPALIVE const char* quillmarkDrawingLink() {
    const Drawing drawing = drawingOf(scene);
    answer = sameDrawing(drawing, startDrawing()) ? std::string() : drawingText(drawing);
    return answer.c_str();
}

// Reads the drawing that the page's fragment names ("#..." as location.hash gives it; empty for an
// address without one, the start-up drawing) and keeps it for quillmarkOpenLink. Returns what could
// not be used, or "" when it can be opened. Nothing changes yet: the page first ends a drag under
// way, and only for a drawing it opens.
EMSCRIPTEN_KEEPALIVE const char* quillmarkReadLink(const char* fragment) {
    const DrawingReading reading = readDrawing(fragment);
    if (reading.ok) linkDrawing = reading.drawing;
    answer = reading.problem;
    return answer.c_str();
}

// Shows the drawing the last usable link read named, or the start-up drawing for a page opened at
// a link that could not be used (a pasted one keeps the drawing shown, and is not opened).
EMSCRIPTEN_KEEPALIVE void quillmarkOpenLink(int linkRead) {
    applyDrawing(linkRead ? linkDrawing : startDrawing(), scene);
    glutPostRedisplay();
}

// A frame of the scene as it is, for the page to read its pixels while they are there.
EMSCRIPTEN_KEEPALIVE void quillmarkRedraw() {
    glutPostRedisplay();
}

}  // extern "C"
