// projection_test.cpp: the web page's double-precision project and unproject give the desktop GLU's
// results to the bit: on the program's own view (identity matrices, 800 x 800 window) for every
// pixel a press can report around the window and for drags at every zoom, and on random views.
#include <gtest/gtest.h>

#include <GL/glu.h>

#include <cstring>
#include <random>

#include "platform/projection.h"

namespace {

struct View {
    double modelview[16];
    double projection[16];
    int viewport[4];
};

constexpr View PROGRAM_VIEW{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                            {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                            {0, 0, 800, 800}};

// gluProject, gluUnProject and the web page's two have this one signature.
using Transform = int (*)(double, double, double, const double*, const double*, const int*, double*, double*,
                          double*);

// The desktop's and the page's function on the same input: the same status and the same bits.
void expectSameResults(Transform desktop, Transform web, const View& v, double x, double y, double z) {
    double expected[3] = {-1, -1, -1};
    double actual[3] = {-1, -1, -1};
    const int expectedStatus = desktop(x, y, z, v.modelview, v.projection, v.viewport, &expected[0], &expected[1],
                                       &expected[2]);
    const int actualStatus = web(x, y, z, v.modelview, v.projection, v.viewport, &actual[0], &actual[1], &actual[2]);
    ASSERT_EQ(actualStatus, expectedStatus) << x << ", " << y << ", " << z;
    ASSERT_EQ(std::memcmp(expected, actual, sizeof expected), 0) << x << ", " << y << ", " << z;
}

void expectSameUnproject(const View& v, double x, double y, double z) {
    expectSameResults(gluUnProject, unprojectFromWindow, v, x, y, z);
}

void expectSameProject(const View& v, double x, double y, double z) {
    expectSameResults(gluProject, projectToWindow, v, x, y, z);
}

}  // namespace

// Every whole pixel a press can report in and around the window, as the pick unprojects it.
TEST(WebProjection, EveryPressPositionOfTheProgramsView) {
    for (int x = -100; x <= 900; ++x) {
        for (int y = -100; y <= 900; ++y) expectSameUnproject(PROGRAM_VIEW, x, 800 - y, 0.0);
    }
}

// A drag projects the stored point and unprojects it moved by the pointer's step over the zoom.
TEST(WebProjection, DragStepsOfTheProgramsView) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> curve(-12, 12);
    std::uniform_int_distribution<int> step(-900, 900);
    std::uniform_real_distribution<double> zoom(0.1, 5);
    for (int k = 0; k < 200000; ++k) {
        const double x = curve(random), y = curve(random), z = zoom(random);
        expectSameProject(PROGRAM_VIEW, x, y, 0.0);
        double winX = 0, winY = 0, winZ = 0;
        gluProject(x, y, 0.0, PROGRAM_VIEW.modelview, PROGRAM_VIEW.projection, PROGRAM_VIEW.viewport, &winX, &winY,
                   &winZ);
        expectSameUnproject(PROGRAM_VIEW, winX + step(random) / z, winY - step(random) / z, 0.0);
    }
}

// Any view: random matrices (some singular) and viewports, so every term of both formulas counts.
TEST(WebProjection, RandomViews) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> entry(-3, 3);
    std::uniform_int_distribution<int> origin(-40, 40), extent(1, 2000), pick(0, 15);
    for (int k = 0; k < 100000; ++k) {
        View v{};
        for (int i = 0; i < 16; ++i) {
            v.modelview[i] = entry(random);
            v.projection[i] = entry(random);
        }
        // Every tenth view has a zero column: no inverse, and both must say so.
        if (k % 10 == 0) {
            const int column = pick(random) % 4;
            for (int row = 0; row < 4; ++row) v.modelview[column * 4 + row] = 0;
        }
        v.viewport[0] = origin(random);
        v.viewport[1] = origin(random);
        v.viewport[2] = extent(random);
        v.viewport[3] = extent(random);
        const double x = entry(random) * 500, y = entry(random) * 500, z = entry(random);
        expectSameProject(v, x, y, z);
        expectSameUnproject(v, x, y, z);
    }
}
