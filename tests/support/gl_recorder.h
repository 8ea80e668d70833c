// gl_recorder.h: a recording stand-in for the GL and GLUT calls of the render and input code.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <GL/gl.h>

enum class GlFunction {
    Clear,
    LineWidth,
    PointSize,
    Color3f,
    Begin,
    Vertex2f,
    End,
    GetDoublev,
    GetIntegerv,
    SwapBuffers,
    PostRedisplay,
};

// One recorded call with its numeric arguments, unused ones left 0.
struct GlCall {
    GlFunction function;
    std::array<double, 3> args;
};

namespace glRecorder {

// Every call since the last reset, in order. Storage is reserved ahead, so recording
// a frame allocates nothing until more than `capacity` calls have been made.
const std::vector<GlCall>& calls();

// Forgets the recorded calls; the viewport returned by glGetIntegerv becomes 0, 0, w, h
// and both matrices the identity.
void reset(int viewportWidth = 800, int viewportHeight = 800);

// Recorded calls of one function.
std::size_t count(GlFunction function);

// The (x, y) of every glVertex2f call between the n-th glBegin (0-based) and its glEnd.
std::vector<std::array<float, 2>> verticesOfPrimitive(std::size_t n);

}  // namespace glRecorder
