// replay_events.cpp: the desktop's handlers, with the desktop's GLU on an 800 x 800 window, fed the
// events named on the command line; prints the scene they leave, every number exact, and the points
// that a frame of it hands to GL's marker pass, as the program reports them to the web page. The
// browser tests compare the page's scene with this one, and take the program's codes from `facts`.
//
//   replay_events mouse BUTTON STATE X Y | motion X Y | special KEY | key CODE ...
//   replay_events facts
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "input/keyboard.h"
#include "input/mouse.h"
#include "platform/page_answers.h"
#include "render/display.h"
#include "support/gl_recorder.h"

namespace {

int number(char** argv, int k) {
    return std::atoi(argv[k]);
}

// Draws a frame on the recorder and counts its marker pass's points, the frame's only GL_POINTS.
int markerPoints() {
    glRecorder::reset(800, 800);
    display();
    const std::vector<GlCall>& calls = glRecorder::calls();
    std::size_t begins = 0;
    for (const GlCall& call : calls) {
        if (call.function != GlFunction::Begin) continue;
        if (call.args[0] == GL_POINTS) return static_cast<int>(glRecorder::verticesOfPrimitive(begins).size());
        ++begins;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    glRecorder::reset(800, 800);
    if (argc == 2 && std::strcmp(argv[1], "facts") == 0) {
        std::printf("%s\n", programFactsJson().c_str());
        return 0;
    }
    int k = 1;
    while (k < argc) {
        const char* event = argv[k];
        if (std::strcmp(event, "mouse") == 0 && k + 4 < argc) {
            onMouse(number(argv, k + 1), number(argv, k + 2), number(argv, k + 3), number(argv, k + 4));
            k += 5;
        } else if (std::strcmp(event, "motion") == 0 && k + 2 < argc) {
            onMotion(number(argv, k + 1), number(argv, k + 2));
            k += 3;
        } else if (std::strcmp(event, "special") == 0 && k + 1 < argc) {
            onSpecialKey(number(argv, k + 1), 0, 0);
            k += 2;
        } else if (std::strcmp(event, "key") == 0 && k + 1 < argc) {
            onKeyboard(static_cast<unsigned char>(number(argv, k + 1)), 0, 0);
            k += 2;
        } else {
            std::fprintf(stderr, "replay_events: cannot read the event at '%s'\n", event);
            return 2;
        }
    }
    const int points = markerPoints();
    std::printf("%s\n", sceneJson(points).c_str());
    return 0;
}
