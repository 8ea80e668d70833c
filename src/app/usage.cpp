// usage.cpp: the texts printed for --help and --version, and the note on options nobody takes.
#include "app/usage.h"

#include <cstdio>

#include "app/drawing_words.h"

namespace {

constexpr const char* HELP_INTRO =
    "Usage: quillmark [-h | --help | --version] [--describe] [--open ADDRESS] [X/GLUT options]\n"
    "\n"
    "Quillmark draws a cubic Bezier curve (green), its control polygon (blue) and a\n"
    "wave curve swinging along it (yellow) in one 800 x 800 window, with a magenta\n"
    "dot wherever the wave curve crosses itself. Shape it with the mouse and keys.\n"
    "\n"
    "Options:\n"
    "  -h, --help           print this help and exit\n"
    "  --version            print the version and exit\n"
    "  --open ADDRESS       start with the drawing of a shared link: the whole\n"
    "                       address or its part after '#', such as\n"
    "                       'p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=12&a=0.3&s=512&z=2'\n"
    "                       or 'n=12&a=0.3' (parts left out keep their start-up\n"
    "                       values; percent-encoded text is read too; an address\n"
    "                       with no '#' is the start-up drawing); also\n"
    "                       --open=ADDRESS; a bad one exits with status 2\n"
    "  --describe           print the drawing in words (the start-up drawing, or\n"
    "                       --open's) and exit, with no window: its corners,\n"
    "                       wave, shape, marker points and any warning\n"
    "  -geometry +X+Y       window position (an X/GLUT option); the window opens\n"
    "                       at 800 x 800 and can then be resized\n"
    "  -display NAME        the X display to open (an X/GLUT option)\n"
    "Every other X/GLUT option is passed to GLUT as given; an argument GLUT does\n"
    "not take is ignored with a note on standard error.\n"
    "\n"
    "Controls:\n";

constexpr const char* HELP_END = "\nNo key quits: close the window to end the program.\n";

void printHelp() {
    std::fputs(HELP_INTRO, stdout);
    for (const Control& control : CONTROLS) std::printf("  %s\n      %s\n", control.input, control.effect);
    std::fputs(HELP_END, stdout);
}


// Text that never reached its reader (a closed pipe, a full disk) is no success.
int statusOfOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("quillmark: standard output");
        return 1;
    }
    return 0;
}

}  // namespace

int answerInfoOption(InfoOption option) {
    if (option == InfoOption::Help) {
        printHelp();
    } else {
        std::printf("quillmark %s\n", QUILLMARK_VERSION);
    }
    return statusOfOutput();
}

int answerDescribe(const SceneState& state) {
    std::printf("%s\n", drawingDescription(drawingOf(state)).c_str());
    return statusOfOutput();
}

void warnUnknownOptions(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        std::fprintf(stderr, "quillmark: ignoring unknown option '%s' (try --help)\n", argv[k]);
    }
}
