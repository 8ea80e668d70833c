// usage.cpp: the texts printed for --help and --version, and the note on options nobody takes.
#include "app/usage.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* HELP_INTRO =
    "Usage: quillmark [-h | --help | --version] [X/GLUT options]\n"
    "\n"
    "Quillmark draws a cubic Bezier curve (green), its control polygon (blue) and a\n"
    "wave curve swinging along it (yellow) in one 800 x 800 window, with a magenta\n"
    "dot wherever the wave curve crosses itself. Shape it with the mouse and keys.\n"
    "\n"
    "Options:\n"
    "  -h, --help           print this help and exit\n"
    "  --version            print the version and exit\n"
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

}  // namespace

std::optional<int> answerInfoOption(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        const bool help = std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0;
        const bool version = std::strcmp(argv[k], "--version") == 0;
        if (!help && !version) continue;
        if (help) {
            printHelp();
        } else {
            std::printf("quillmark %s\n", QUILLMARK_VERSION);
        }
        // Text that never reached its reader (a closed pipe, a full disk) is no success.
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::perror("quillmark: standard output");
            return 1;
        }
        return 0;
    }
    return std::nullopt;
}

void warnUnknownOptions(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        std::fprintf(stderr, "quillmark: ignoring unknown option '%s' (try --help)\n", argv[k]);
    }
}
