// frame_output_test.cpp: the end of each frame's output. display() ends it once per frame, after the
// swap; after the first flush that fails the program writes no more. (That the default end reaches a
// pipe each frame is the window tier's: it reads the lines of a running program.)
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <vector>

#include "app/scene_state.h"
#include "render/display.h"
#include "support/gl_recorder.h"

namespace {

// The recorded calls at each end of a frame's output.
std::vector<std::vector<GlCall>> callsAtEachEnd;

void recordFrameEnd() {
    callsAtEachEnd.push_back(glRecorder::calls());
}

// Draws a frame with P1 on P0, so that the frame prints a "warning :" line.
void drawWarningFrame() {
    scene = SceneState{};
    scene.controlPoints[1] = scene.controlPoints[0];
    glRecorder::reset();
    display();
}

bool isDevNull(std::FILE* stream) {
    struct stat file {}, null {};
    return fstat(fileno(stream), &file) == 0 && stat("/dev/null", &null) == 0 && S_ISCHR(file.st_mode) &&
           file.st_rdev == null.st_rdev;
}

// Once a frame, after all its calls (the swap last): the frame's lines are all printed by then.
TEST(FrameOutput, EndsOncePerFrameAfterTheSwap) {
    callsAtEachEnd.clear();
    const FrameOutputEnd standard = setFrameOutputEnd(recordFrameEnd);
    for (std::size_t frame = 1; frame <= 2; ++frame) {
        drawWarningFrame();
        ASSERT_EQ(callsAtEachEnd.size(), frame);
        EXPECT_EQ(callsAtEachEnd.back().size(), glRecorder::calls().size()) << "frame " << frame;
    }
    setFrameOutputEnd(standard);
}

// The pipe's reader gone (SIGPIPE ignored, as the program does) or the disk full: the first failed
// flush points the stream at /dev/null, and what follows is written nowhere, without an error.
TEST(FrameOutput, AfterTheFirstFailedFlushNothingMoreIsWritten) {
    const auto handler = std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    for (std::FILE* stream : {fdopen(ends[1], "w"), std::fopen("/dev/full", "w")}) {
        ASSERT_NE(stream, nullptr);
        std::fputs("warning : the frame that fails\n", stream);
        EXPECT_FALSE(endFrameOutput(stream));
        EXPECT_TRUE(isDevNull(stream));
        std::fputs("warning : a later frame\n", stream);
        EXPECT_TRUE(endFrameOutput(stream));
        std::fclose(stream);
    }
    std::signal(SIGPIPE, handler);
}

}  // namespace
