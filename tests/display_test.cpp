// display_test.cpp: the frame's passes, recorded through the GL stand-in.
#include <gtest/gtest.h>

#include "app/scene_state.h"
#include "render/display.h"
#include "support/gl_recorder.h"

TEST(Display, Smoke) {
    scene = SceneState{};
    glRecorder::reset();
    display();
    EXPECT_EQ(scene.wavePolyline.size(), 101u);
}
