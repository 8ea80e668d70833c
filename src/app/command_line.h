// command_line.h: the program's command line read into a plain result, with nothing printed and
// nothing started, and the scene the window opens with. main.cpp acts on the result; the unit tests
// read command lines through the same code.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/drawing_link.h"
#include "app/scene_state.h"

// -h/--help or --version: answered first, with no display, whatever else the command line says.
enum class InfoOption { None, Help, Version };

struct CommandLine {
    InfoOption info = InfoOption::None;  // the first info option given
    // --describe: the drawing in words on standard output instead of a window.
    bool describe = false;
    // --open's drawing, read by the link reader; empty without --open or when it is refused.
    std::optional<Drawing> drawing;
    // Why the command line cannot be used, for "quillmark: REFUSAL" on standard error and exit
    // status 2 before any window ("--open: needs an address after it, ..."); empty when it can.
    std::string refusal;
    // argv[0] and every argument that is not Quillmark's own, in their order (argv's own texts): GLUT
    // takes its options (-geometry, -display, ...) out of these, and whatever it leaves was mistyped.
    std::vector<char*> glutArguments;
};

// "--open ADDRESS" and "--open=ADDRESS" (the address taken whole, an option in its place
// ("--open --help") leaving it missing and read as no option); -h, --help, --version and --describe
// anywhere else.
CommandLine readCommandLine(int argc, char** argv);

// The scene the window opens with: the start-up drawing, then --open's drawing over it.
void setUpScene(const CommandLine& line, SceneState& state);
