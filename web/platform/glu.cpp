// glu.cpp: gluProject and gluUnProject in double. Emscripten's own compute in 32-bit floats, so a
// press near the edge of the pick circle or a dragged point would land elsewhere than on the desktop.
#include <GL/glu.h>

#include "platform/projection.h"

extern "C" {

GLint gluProject(GLdouble objX, GLdouble objY, GLdouble objZ, const GLdouble* model, const GLdouble* proj,
                 const GLint* view, GLdouble* winX, GLdouble* winY, GLdouble* winZ) {
    return projectToWindow(objX, objY, objZ, model, proj, view, winX, winY, winZ);
}

GLint gluUnProject(GLdouble winX, GLdouble winY, GLdouble winZ, const GLdouble* model, const GLdouble* proj,
                   const GLint* view, GLdouble* objX, GLdouble* objY, GLdouble* objZ) {
    return unprojectFromWindow(winX, winY, winZ, model, proj, view, objX, objY, objZ);
}

}  // extern "C"
