// command_line.cpp: reading the command line into a CommandLine, and the scene it opens with.
#include "app/command_line.h"

#include <string_view>

CommandLine readCommandLine(int argc, char** argv) {
    constexpr std::string_view OPEN = "--open", OPEN_WITH_VALUE = "--open=";
    CommandLine line;
    if (argc > 0) line.glutArguments.push_back(argv[0]);
    int opens = 0;
    std::string_view address;
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        if (argument == OPEN) {
            ++opens;
            if (k + 1 < argc) {
                // The word in the address's place is no option, whatever it reads; an option
                // there ("--open --help") leaves the address missing.
                const std::string_view next = argv[++k];
                if (next.empty() || next[0] != '-') address = next;
            }
        } else if (argument.substr(0, OPEN_WITH_VALUE.size()) == OPEN_WITH_VALUE) {
            ++opens;
            address = argument.substr(OPEN_WITH_VALUE.size());
        } else if (argument == "--describe") {
            line.describe = true;
        } else if (argument == "-h" || argument == "--help" || argument == "--version") {
            if (line.info == InfoOption::None) {
                line.info = argument == "--version" ? InfoOption::Version : InfoOption::Help;
            }
        } else {
            line.glutArguments.push_back(argv[k]);
        }
    }
    if (opens == 0) return line;

    const DrawingReading reading = readDrawing(address);
    if (opens > 1) {
        line.refusal = "--open: given more than once; one drawing opens at a time";
    } else if (address.empty()) {
        // Usually an unset shell variable, not a wish for the start-up drawing.
        line.refusal = "--open: needs an address after it, such as --open "
                       "'p=-0.3,0,-0.1,0.4,0.1,0.4,0.3,0&n=10&a=0.1&s=100&z=2'";
    } else if (reading.ok) {
        line.drawing = reading.drawing;
    } else {
        line.refusal = "--open: ";
        line.refusal += reading.problem;
    }
    return line;
}

void setUpScene(const CommandLine& line, SceneState& state) {
    applyDrawing(startDrawing(), state);
    if (line.drawing) applyDrawing(*line.drawing, state);
}
