// projection.h: window <-> object coordinates through a modelview matrix, a projection matrix and a
// viewport, computed in double throughout, step for step as the desktop's GLU computes them.
#pragma once

// Object point (objX, objY, objZ) to window coordinates. Matrices are column-major, the viewport
// is x, y, width, height. Returns 0, leaving the outputs alone, where the point lies at infinity.
int projectToWindow(double objX, double objY, double objZ, const double modelview[16], const double projection[16],
                    const int viewport[4], double* winX, double* winY, double* winZ);

// Window point to object coordinates. Returns 0, leaving the outputs alone, where the product of
// the matrices has no inverse or the point maps to infinity.
int unprojectFromWindow(double winX, double winY, double winZ, const double modelview[16],
                        const double projection[16], const int viewport[4], double* objX, double* objY,
                        double* objZ);
