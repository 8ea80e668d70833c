// display.h: the display handler that draws one whole frame from the scene state, and the end of
// each frame's output.
#pragma once

#include <cstdio>

// Clears, draws curve, control polygon, wave curve and crossing markers, swaps buffers, then ends
// the frame's output (below).
void display();

// What display() calls once a frame is drawn and swapped. By default endFrameOutput(stdout); a test
// puts its own here to see when it is called. Gives the one it replaces.
using FrameOutputEnd = void (*)();
FrameOutputEnd setFrameOutputEnd(FrameOutputEnd end);

// Flushes the frame's "warning :" lines, so that they reach a file or a pipe as the frame is drawn,
// not when a buffer fills or the program ends. After the first flush that fails (the pipe's reader
// gone, a full disk) the stream's file is replaced by /dev/null: the program writes no more, and
// keeps drawing (with SIGPIPE ignored, as the program does). Gives whether this flush reached the
// stream's own file.
bool endFrameOutput(std::FILE* stream);
