// gl_recorder.cpp: definitions of the GL/GLUT entry points that record instead of drawing.
#include "support/gl_recorder.h"

#include <GL/freeglut.h>

#include <algorithm>

namespace {

constexpr std::size_t RESERVED_CALLS = 1 << 20;

std::vector<GlCall>& recorded() {
    static std::vector<GlCall> calls = [] {
        std::vector<GlCall> v;
        v.reserve(RESERVED_CALLS);
        return v;
    }();
    return calls;
}

std::array<GLint, 4> viewport{0, 0, 800, 800};

void record(GlFunction function, double a = 0, double b = 0, double c = 0) {
    recorded().push_back({function, {a, b, c}});
}

}  // namespace

namespace glRecorder {

const std::vector<GlCall>& calls() {
    return recorded();
}

void reset(int viewportWidth, int viewportHeight) {
    recorded().clear();
    viewport = {0, 0, viewportWidth, viewportHeight};
}

std::size_t count(GlFunction function) {
    const auto& c = recorded();
    return static_cast<std::size_t>(
        std::count_if(c.begin(), c.end(), [&](const GlCall& call) { return call.function == function; }));
}

std::vector<std::array<float, 2>> verticesOfPrimitive(std::size_t n) {
    std::vector<std::array<float, 2>> vertices;
    std::size_t begins = 0;
    bool inside = false;
    for (const GlCall& call : recorded()) {
        if (call.function == GlFunction::Begin) inside = begins++ == n;
        if (call.function == GlFunction::End) inside = false;
        if (inside && call.function == GlFunction::Vertex2f) {
            vertices.push_back({static_cast<float>(call.args[0]), static_cast<float>(call.args[1])});
        }
    }
    return vertices;
}

}  // namespace glRecorder

extern "C" {

void glClear(GLbitfield mask) { record(GlFunction::Clear, mask); }
void glLineWidth(GLfloat width) { record(GlFunction::LineWidth, width); }
void glPointSize(GLfloat size) { record(GlFunction::PointSize, size); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { record(GlFunction::Color3f, r, g, b); }
void glBegin(GLenum mode) { record(GlFunction::Begin, mode); }
void glVertex2f(GLfloat x, GLfloat y) { record(GlFunction::Vertex2f, x, y); }
void glEnd() { record(GlFunction::End); }

// The program never sets a matrix, so both stay the identity.
void glGetDoublev(GLenum pname, GLdouble* params) {
    record(GlFunction::GetDoublev, pname);
    for (int k = 0; k < 16; ++k) params[k] = (k % 5 == 0) ? 1.0 : 0.0;
}

void glGetIntegerv(GLenum pname, GLint* params) {
    record(GlFunction::GetIntegerv, pname);
    std::copy(viewport.begin(), viewport.end(), params);
}

void glutSwapBuffers() { record(GlFunction::SwapBuffers); }
void glutPostRedisplay() { record(GlFunction::PostRedisplay); }

}  // extern "C"
