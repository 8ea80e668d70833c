// usage.cpp: the texts printed for --help and --version.
#include "app/usage.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* HELP_INTRO =
    "Usage: quillmark [--help | --version] [X/GLUT options]\n"
    "\n"
    "Quillmark draws a cubic Bezier curve (green), its control polygon (blue) and a\n"
    "wave curve swinging along it (yellow) in one 800 x 800 window, with a magenta\n"
    "dot wherever the wave curve crosses itself. Shape it with the mouse and keys.\n"
    "\n"
    "Options:\n"
    "  --help               print this help and exit\n"
    "  --version            print the version and exit\n"
    "  -geometry WxH+X+Y    window size and position (an X/GLUT option)\n"
    "  -display NAME        the X display to open (an X/GLUT option)\n"
    "Every other X/GLUT option is passed to GLUT as given.\n"
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
        const bool help = std::strcmp(argv[k], "--help") == 0;
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
