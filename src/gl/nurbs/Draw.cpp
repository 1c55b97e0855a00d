// Drawing of a NurbsSurface: each pair of consecutive sample rows as one lit triangle strip in immediate
// mode. The only geometry file that talks to OpenGL; the frame, lights and materials are the view's.
#include <GL/gl.h>

#include "nurbs/RowEvaluation.h"

void NurbsSurface::draw() {
    if (!isSetUp()) return;
    // The ring interleaves rows i-1 and i, so a strip takes its slots in order and the row of slot 0
    // alternates: consecutive strips have opposite winding.
    const int slotCount = 2 * (samplesV + 1);
    sweepRows(*this, [&](int i, int) {
        if (i < 1) return;
        glLineWidth(1.0f);
        glBegin(GL_TRIANGLE_STRIP);
        glColor3f(0.9f, 0.8f, 0.9f);
        for (int slot = 0; slot < slotCount; ++slot) {
            const SurfaceVertex& v = vertexRing[slot];
            glNormal3f(v.nx, v.ny, v.nz);
            glVertex3f(v.x, v.y, v.z);
        }
        glEnd();
    });
}
