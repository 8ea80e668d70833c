// page.cpp: the program's side of the page: the calls on the page's functions, and the functions the
// page calls for links, steps and frames. What they answer is made in page_answers.cpp and
// drawing_link.cpp, so the scene only ever changes inside the program.
#include "platform/page.h"

#include <GL/glut.h>
#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "app/drawing_link.h"
#include "app/drawing_words.h"
#include "app/scene_state.h"
#include "platform/page_answers.h"

EM_JS(void, setCanvasName, (const char* title), {
    Module["canvas"].setAttribute("aria-label", UTF8ToString(title));
});

EM_JS(void, callProgramStarted, (const char* facts), {
    Module["onProgramStarted"](JSON.parse(UTF8ToString(facts)));
});

EM_JS(void, callFrameDrawn, (const char* sceneJson), {
    Module["onFrameDrawn"](JSON.parse(UTF8ToString(sceneJson)));
});

EM_JS(void, callWebGlOff, (), {
    Module["onWebGlOff"]();
});

namespace {

// What the functions below hand the page stays here until their next call.
std::string answer;
// The wave of the last quillmarkDrawnWave call.
std::vector<float> wave;
// The drawing of the last link read that can be used.
Drawing linkDrawing;

}  // namespace

void nameWindowOnPage(const char* title) {
    setCanvasName(title);
}

void tellPageProgramStarted() {
    callProgramStarted(programFactsJson().c_str());
}

void showFrameOnPage() {
    callFrameDrawn(sceneJson(takePointVertexCount()).c_str());
}

void tellPageWebGlIsOff() {
    callWebGlOff();
}

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* quillmarkCornerStep(int k, int dx, int dy) {
    answer = stepAnswerJson(stepCorner(k, dx, dy));
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillmarkZoomStep(int direction) {
    answer = stepAnswerJson(stepZoom(direction));
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE double quillmarkCornerPixel(int k, int axis) {
    const Point2d pixel = drawnCornerPixel(k);
    return axis == 0 ? pixel.x : pixel.y;
}

EMSCRIPTEN_KEEPALIVE const float* quillmarkDrawnWave() {
    wave = drawnWave();
    return wave.data();
}

EMSCRIPTEN_KEEPALIVE const char* quillmarkDrawingLink() {
    const Drawing drawing = drawingOf(scene);
    answer = sameDrawing(drawing, startDrawing()) ? std::string() : drawingText(drawing);
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillmarkDescription() {
    answer = drawingDescription(drawingOf(scene));
    return answer.c_str();
}

// The links are the program's own, which read back to their drawings exactly.
EMSCRIPTEN_KEEPALIVE const char* quillmarkChanges(const char* before, const char* after) {
    answer = drawingChanges(readDrawing(before).drawing, readDrawing(after).drawing);
    return answer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* quillmarkWarning(const char* link) {
    answer = drawingWarning(readDrawing(link).drawing);
    return answer.c_str();
}

// Nothing changes yet: the page first ends a drag under way, and only for a drawing it opens.
EMSCRIPTEN_KEEPALIVE const char* quillmarkReadLink(const char* fragment) {
    const DrawingReading reading = readDrawing(fragment);
    if (reading.ok) linkDrawing = reading.drawing;
    answer = reading.problem;
    return answer.c_str();
}

// A page opened at a link that could not be used shows the start-up drawing; a pasted one keeps
// the drawing shown and is not opened.
EMSCRIPTEN_KEEPALIVE void quillmarkOpenLink(int linkRead) {
    applyDrawing(linkRead ? linkDrawing : startDrawing(), scene);
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void quillmarkRedraw() {
    glutPostRedisplay();
}

}  // extern "C"
