/* freeglut.h: the web's GLUT header under the name the program includes. Emscripten ships only
   GLUT's standard header; the program uses nothing beyond it. */
#pragma once

#include <GL/glut.h>
