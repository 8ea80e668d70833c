// event_harness.cpp: the byte decoder that drives the real handlers and display, and the invariant checks.
#include "support/event_harness.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/scene_state.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/display.h"
#include "support/allocation_counter.h"
#include "support/gl_recorder.h"

namespace {

// An X server reports pointer positions as 16-bit signed values, so the handlers' integer
// differences of two positions always stay defined.
constexpr int POINTER_MIN = -32768;
constexpr int POINTER_MAX = 32767;
constexpr int WINDOW_SIZE = 800;
// freeglut reports left, middle, right, two wheel directions and four extra buttons as 0..8.
constexpr int BUTTON_CODES = 9;

enum class Event { Button, NearbyMotion, AnyMotion, SpecialKey, Character, Frame };

// The opcode byte shared out like a real session: mostly small pointer moves, and a frame
// after about one event in thirty-two (the frame at 512 steps costs the most by far).
Event eventOf(std::uint8_t opcode) {
    if (opcode < 48) return Event::Button;
    if (opcode < 144) return Event::NearbyMotion;
    if (opcode < 160) return Event::AnyMotion;
    if (opcode < 192) return Event::SpecialKey;
    if (opcode < 248) return Event::Character;
    return Event::Frame;
}

// Function keys F1..F12 and the four arrows: the codes that do something.
constexpr std::array<int, 16> BOUND_SPECIAL_KEYS{
    GLUT_KEY_F1, GLUT_KEY_F2, GLUT_KEY_F3, GLUT_KEY_F4, GLUT_KEY_F5, GLUT_KEY_F6, GLUT_KEY_F7, GLUT_KEY_F8,
    GLUT_KEY_F9, GLUT_KEY_F10, GLUT_KEY_F11, GLUT_KEY_F12, GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT};

// The input read front to back; past its end it reads as zeros.
struct ByteStream {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

std::uint8_t nextByte(ByteStream& in) {
    return in.position < in.size ? in.data[in.position++] : 0;
}

std::uint32_t nextWord(ByteStream& in, int bytes) {
    std::uint32_t word = 0;
    for (int k = 0; k < bytes; ++k) word = (word << 8) | nextByte(in);
    return word;
}

int clampToPointerRange(double v) {
    return static_cast<int>(std::clamp(v, double{POINTER_MIN}, double{POINTER_MAX}));
}

// Where the pointer is; motion with no button held is not reported, so it moves only by events.
struct Pointer {
    int x;
    int y;
};

// A press lands near the drawn position of a control point three times in four (so drags
// really happen), otherwise where the pointer already is.
void pressOrRelease(ByteStream& in, Pointer& pointer) {
    const std::uint8_t code = nextByte(in);
    const std::uint8_t where = nextByte(in);
    if (where < 192) {
        const Point2d& p = scene.controlPoints[where % 4];
        const std::uint8_t jitter = nextByte(in);
        const double half = WINDOW_SIZE / 2.0;
        pointer.x = clampToPointerRange(half + half * (p.x * scene.zoom) + (jitter & 15) - 8);
        pointer.y = clampToPointerRange(half - half * (p.y * scene.zoom) + (jitter >> 4) - 8);
    }
    onMouse(code % BUTTON_CODES, (code / BUTTON_CODES) % 2 == 0 ? GLUT_DOWN : GLUT_UP, pointer.x, pointer.y);
}

void moveNearby(ByteStream& in, Pointer& pointer) {
    pointer.x = clampToPointerRange(pointer.x + static_cast<std::int8_t>(nextByte(in)));
    pointer.y = clampToPointerRange(pointer.y + static_cast<std::int8_t>(nextByte(in)));
    onMotion(pointer.x, pointer.y);
}

void moveAnywhere(ByteStream& in, Pointer& pointer) {
    pointer.x = static_cast<std::int16_t>(nextWord(in, 2));
    pointer.y = static_cast<std::int16_t>(nextWord(in, 2));
    onMotion(pointer.x, pointer.y);
}

// Half the special keys are bound ones; the other half any 32-bit code at all.
void pressSpecialKey(ByteStream& in, const Pointer& pointer) {
    const std::uint8_t choice = nextByte(in);
    const int key = choice < 128 ? BOUND_SPECIAL_KEYS[choice % BOUND_SPECIAL_KEYS.size()]
                                 : static_cast<std::int32_t>(nextWord(in, 4));
    onSpecialKey(key, pointer.x, pointer.y);
}

void driveHandler(Event event, ByteStream& in, Pointer& pointer) {
    switch (event) {
        case Event::Button: pressOrRelease(in, pointer); break;
        case Event::NearbyMotion: moveNearby(in, pointer); break;
        case Event::AnyMotion: moveAnywhere(in, pointer); break;
        case Event::SpecialKey: pressSpecialKey(in, pointer); break;
        case Event::Character: onKeyboard(nextByte(in), pointer.x, pointer.y); break;
        case Event::Frame: break;
    }
}

const char* checkScene() {
    if (!(scene.zoom >= 0.1 && scene.zoom <= 5.0)) return "zoom left [0.1, 5.0]";
    if (scene.selectedPoint < -1 || scene.selectedPoint > 3) return "selectedPoint left -1..3";
    if (scene.segmentCount != 100.0 && scene.segmentCount != 512.0) return "segmentCount is neither 100 nor 512";
    for (const Point2d& p : scene.controlPoints) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "a control point is not finite";
    }
    return nullptr;
}

const char* checkHandlerCall() {
    if (glRecorder::count(GlFunction::PostRedisplay) != 1) return "a handler call did not request exactly one redraw";
    return checkScene();
}

// Checks the three curve passes' vertices; the markers are left out because a crossing
// computed as NaN is drawn by design.
const char* checkFrame(bool sameResolution, std::size_t allocations) {
    if (scene.wavePolyline.size() != static_cast<std::size_t>(scene.segmentCount) + 1) {
        return "wavePolyline does not hold segmentCount + 1 points";
    }
    if (sameResolution && allocations != 0) return "a frame at an unchanged segmentCount allocated";
    int primitive = -1;
    for (const GlCall& call : glRecorder::calls()) {
        if (call.function == GlFunction::Begin && ++primitive == 3) break;
        if (call.function == GlFunction::Vertex2f && !(std::isfinite(call.args[0]) && std::isfinite(call.args[1]))) {
            return "an emitted curve vertex is not finite";
        }
    }
    return checkScene();
}

}  // namespace

HarnessReport driveEvents(const std::uint8_t* data, std::size_t size) {
    scene = SceneState{};
    ByteStream in{data, size, 0};
    Pointer pointer{WINDOW_SIZE / 2, WINDOW_SIZE / 2};
    // No frame has been drawn yet, so the first one may allocate whatever its resolution.
    double lastFrameSegmentCount = 0;
    HarnessReport report;
    while (report.violation == nullptr && in.position < in.size) {
        // Emptied before every event, so the recorder's reserved storage is never outgrown.
        glRecorder::reset(WINDOW_SIZE, WINDOW_SIZE);
        const Event event = eventOf(nextByte(in));
        ++report.events;
        if (event == Event::Frame) {
            const std::size_t before = allocationCount();
            display();
            const std::size_t allocations = allocationCount() - before;
            report.violation = checkFrame(scene.segmentCount == lastFrameSegmentCount, allocations);
            lastFrameSegmentCount = scene.segmentCount;
            ++report.frames;
        } else {
            driveHandler(event, in, pointer);
            report.violation = checkHandlerCall();
        }
    }
    return report;
}
