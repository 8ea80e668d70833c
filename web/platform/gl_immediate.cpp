// gl_immediate.cpp: the OpenGL 1.x immediate mode the program draws with (glBegin, glVertex2f, glEnd,
// glColor3f, glLineWidth, glPointSize) and the matrices it reads back, on WebGL. WebGL draws every
// line one pixel wide, so a wider line is filled as the parallelogram that OpenGL covers for an
// aliased wide line. It also counts the points handed to it, for the page's readout.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/page.h"

namespace {

struct Vertex {
    GLfloat x, y;
    GLfloat red, green, blue;
};

// What OpenGL keeps from call to call.
GLenum primitiveMode = GL_POINTS;
GLfloat currentColour[3] = {1, 1, 1};
GLfloat currentLineWidth = 1;
GLfloat currentPointSize = 1;

// The vertices given since glBegin, and the triangles of wide lines. The storage stays from frame
// to frame.
std::vector<Vertex> primitive;
std::vector<Vertex> widened;

// GL_POINTS vertices given since the page last took the count. The marker pass is the frame's
// only point pass, so per frame this is the number of marker points, off-window and NaN ones too.
int pointVertices = 0;

// Vertices arrive in clip coordinates: the matrices are the identity.
constexpr const char* VERTEX_SHADER = R"(
attribute vec2 position;
attribute vec3 colour;
uniform float pointSize;
varying vec3 fragmentColour;
void main() {
    gl_Position = vec4(position, 0.0, 1.0);
    gl_PointSize = pointSize;
    fragmentColour = colour;
}
)";

constexpr const char* FRAGMENT_SHADER = R"(
precision mediump float;
varying vec3 fragmentColour;
void main() {
    gl_FragColor = vec4(fragmentColour, 1.0);
}
)";

constexpr GLuint POSITION = 0;
constexpr GLuint COLOUR = 1;

struct Pipeline {
    GLuint program = 0;
    GLint pointSize = -1;
};
Pipeline pipeline;

// A shader that does not build is a fault of this file, not of the user's input: report it and stop.
// `status` and `log` are glGetShaderiv and glGetShaderInfoLog, or the same two for a program.
void requireBuilt(GLuint object, GLenum statusName, void (*status)(GLuint, GLenum, GLint*),
                  void (*log)(GLuint, GLsizei, GLsizei*, GLchar*), const char* what) {
    GLint built = GL_FALSE;
    status(object, statusName, &built);
    if (built) return;
    char text[512] = "";
    log(object, sizeof text, nullptr, text);
    std::fprintf(stderr, "quillmark: the WebGL %s did not build: %s\n", what, text);
    std::abort();
}

GLuint compileShader(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    requireBuilt(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog, "shader");
    return shader;
}

// Built on the first draw, once the window's context exists; the program, its buffer and its
// attribute layout then stay bound, since nothing else draws.
const Pipeline& readyPipeline() {
    if (pipeline.program != 0) return pipeline;
    const GLuint program = glCreateProgram();
    glAttachShader(program, compileShader(GL_VERTEX_SHADER, VERTEX_SHADER));
    glAttachShader(program, compileShader(GL_FRAGMENT_SHADER, FRAGMENT_SHADER));
    glBindAttribLocation(program, POSITION, "position");
    glBindAttribLocation(program, COLOUR, "colour");
    glLinkProgram(program);
    requireBuilt(program, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, "program");
    glUseProgram(program);
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(POSITION);
    glEnableVertexAttribArray(COLOUR);
    glVertexAttribPointer(POSITION, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    glVertexAttribPointer(COLOUR, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, red)));
    pipeline = {program, glGetUniformLocation(program, "pointSize")};
    return pipeline;
}

void draw(GLenum mode, const std::vector<Vertex>& vertices) {
    if (vertices.empty()) return;
    glUniform1f(readyPipeline().pointSize, currentPointSize);
    glBufferData(GL_ARRAY_BUFFER, vertices.size() * sizeof(Vertex), vertices.data(), GL_STREAM_DRAW);
    glDrawArrays(mode, 0, static_cast<GLsizei>(vertices.size()));
}

// OpenGL draws an aliased line w pixels wide as the one-pixel line moved (w - 1) / 2 pixels down
// (or left), each of its fragments repeated w times upwards (or rightwards): across the minor axis,
// which is y for a line that runs more across than up, x otherwise. In each column (or row) that
// covers the w pixels whose centres lie within w / 2 of the line, across the minor axis: the
// parallelogram a, b widened by w / 2 each way along that axis, drawn as two triangles. (WebGL's
// own lines would not do, even one pixel wide: some implementations draw them as thin rectangles
// and cover pixels that OpenGL's lines miss.)
void widenLines(const std::vector<Vertex>& lines, GLfloat width, std::vector<Vertex>& triangles) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Clip coordinates span 2 units across the viewport, so w / 2 pixels are w / size units.
    const GLfloat halfWidthX = width / viewport[2];
    const GLfloat halfWidthY = width / viewport[3];
    triangles.clear();
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2) {
        const Vertex& a = lines[k];
        const Vertex& b = lines[k + 1];
        const bool acrossMore = std::fabs((b.x - a.x) * viewport[2]) >= std::fabs((b.y - a.y) * viewport[3]);
        const GLfloat dx = acrossMore ? 0 : halfWidthX;
        const GLfloat dy = acrossMore ? halfWidthY : 0;
        const Vertex aLow{a.x - dx, a.y - dy, a.red, a.green, a.blue};
        const Vertex aHigh{a.x + dx, a.y + dy, a.red, a.green, a.blue};
        const Vertex bLow{b.x - dx, b.y - dy, b.red, b.green, b.blue};
        const Vertex bHigh{b.x + dx, b.y + dy, b.red, b.green, b.blue};
        triangles.insert(triangles.end(), {aLow, aHigh, bHigh, aLow, bHigh, bLow});
    }
}

}  // namespace

extern "C" {

void glBegin(GLenum mode) {
    primitiveMode = mode;
    primitive.clear();
}

void glVertex2f(GLfloat x, GLfloat y) {
    primitive.push_back({x, y, currentColour[0], currentColour[1], currentColour[2]});
}

void glEnd() {
    if (primitiveMode == GL_POINTS) pointVertices += static_cast<int>(primitive.size());
    if (primitiveMode == GL_LINES && currentLineWidth > 1) {
        widenLines(primitive, currentLineWidth, widened);
        draw(GL_TRIANGLES, widened);
    } else {
        draw(primitiveMode, primitive);
    }
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    currentColour[0] = red;
    currentColour[1] = green;
    currentColour[2] = blue;
}

void glLineWidth(GLfloat width) {
    currentLineWidth = width;
}

void glPointSize(GLfloat size) {
    currentPointSize = size;
}

// Vertices reach WebGL as they are given, so both matrices are the identity. Any other name is
// one this GL does not know, and like OpenGL it leaves the values alone.
void glGetDoublev(GLenum name, GLdouble* values) {
    if (name != GL_MODELVIEW_MATRIX && name != GL_PROJECTION_MATRIX) return;
    for (int k = 0; k < 16; ++k) values[k] = k % 5 == 0 ? 1.0 : 0.0;
}

}  // extern "C"

int takePointVertexCount() {
    const int count = pointVertices;
    pointVertices = 0;
    return count;
}
