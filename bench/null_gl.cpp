// null_gl.cpp: GL and GLUT entry points that do nothing, so the benchmarks time the frame's own work.
#include <GL/freeglut.h>

extern "C" {

void glClear(GLbitfield) {}
void glLineWidth(GLfloat) {}
void glPointSize(GLfloat) {}
void glColor3f(GLfloat, GLfloat, GLfloat) {}
void glBegin(GLenum) {}
void glVertex2f(GLfloat, GLfloat) {}
void glEnd() {}
void glutSwapBuffers() {}

}  // extern "C"
