// The scene in immediate mode: light, box and depth range, the unlit control polygons, the tubes in the hair
// material, and the underlying shape (an unlit blue square, or the sphere or torus in the shape material).
#include "view/Scene.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/Settings.h"
#include "hair/Growth.h"
#include "hair/HairStore.h"
#include "view/SceneLook.h"
#include "view/ViewState.h"

namespace {

void setMaterial(const Material& material) {
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess * 128.0f);
}

// Both ends of segment k (points k and k+1) of strand s.
void sendSegment(int s, int k) {
    const float* a = hairPoints[kPointsPerStrand * s + k].position;
    const float* b = hairPoints[kPointsPerStrand * s + k + 1].position;
    glVertex3f(a[0], a[1], a[2]);
    glVertex3f(b[0], b[1], b[2]);
}

// Each strand's 7 segments, unlit, in colours that fade from white through orange to dark red over all
// segments drawn (the factors are not reset per strand), then its points in blue. Sending both ends of
// every segment again sends points 1 to 6 of a strand twice.
void drawControlPolygons() {
    const int strands = liveStrandCount();
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLineWidth(1.0f);
    float colour[3] = {1.0f, 1.0f, 1.0f};
    glBegin(GL_LINES);
    for (int s = 0; s < strands; s++) {
        for (int k = 0; k < kPointsPerStrand - 1; k++) {
            glColor3f(colour[0], colour[1], colour[2]);
            sendSegment(s, k);
            fadeSegmentColour(colour);
        }
    }
    glEnd();
    glPointSize(4.0f);
    glBegin(GL_POINTS);
    for (int s = 0; s < strands; s++) {
        for (int k = 0; k < kPointsPerStrand - 1; k++) {
            glColor3f(kControlPointColour[0], kControlPointColour[1], kControlPointColour[2]);
            sendSegment(s, k);
        }
    }
    glEnd();
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

void drawStrandTubes() {
    glPushMatrix();
    setMaterial(kHairMaterial);
    for (int s = 0; s < liveStrandCount(); s++) strandSurfaces[s].draw();
    glPopMatrix();
}

void drawPlaneSquare() {
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glBegin(GL_QUADS);
    glColor3f(kSquareColour[0], kSquareColour[1], kSquareColour[2]);
    for (const float* corner : kSquareCorners) glVertex3d(corner[0], corner[1], corner[2]);
    glEnd();
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

// The plane is an unlit blue square under the strands; the sphere and torus are lit gold surfaces.
void drawUnderlyingShape() {
    if (shapeType == kShapePlane) {
        drawPlaneSquare();
    } else if (isCurvedShape(shapeType)) {
        glPushMatrix();
        setMaterial(kShapeMaterial);
        shapeSurface.draw();
        glPopMatrix();
    }
}

// The farthest from the origin that anything drawn can lie, in world units: the hair's reach plus the tube's
// radius, well beyond the square's corners (100 sqrt 2) and the torus (150).
constexpr float kSceneRadius = hair::kHairReach + kThicknessSlider.maximum;

// The box of setUpView keeps depths within 200 of the centre, but zoomed by z the scene reaches
// kSceneRadius * z from it, turned any way (the pan moves it across the view, not in depth). The projection
// matrix, the identity in x and y, scales depth by 200 / (kSceneRadius * z) so that all of it fits, and never
// by more than 1, so a small scene keeps the box as it is. The model-view matrix, and with it the lighting,
// stays as it is; a positive factor keeps the depth order.
void fitDepthToScene() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glScalef(1.0f, 1.0f, 200.0f / std::max(200.0f, kSceneRadius * zoomFactor));
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

// The orthographic box goes into the model-view matrix, where the lighting sees it: it maps -200..200 in x
// and y onto the window's 445 x 455 view and mirrors z. A view of another size keeps that view's pixels per
// unit in each direction, times s = min(width / 445, height / 455): the scene fills the view's narrower
// way as before and shows more of it the other way, never squeezed. (At 445 x 455 and at whole multiples
// of it, s equals both quotients and the box is exactly +-200.) The light's position is given before the
// matrix is reset.
void setUpView(int width, int height) {
    const double across = double(width) / kViewWidth, up = double(height) / kViewHeight;
    const double s = std::min(across, up);
    const float lightAmbient[] = {0.0f, 0.0f, 0.0f, 1.0f};
    const float lightDiffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float lightPosition[] = {0.0f, 3.0f, 3.0f, 0.0f};  // directional
    const float modelAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, lightAmbient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, modelAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 0);
    glFrontFace(GL_CW);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.6f, 0.7f, 0.9f, 0.0f);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glOrtho(-200 * across / s, 200 * across / s, -200 * up / s, 200 * up / s, -200, 200);
}

void clearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, renderMode == kRenderWireframe ? GL_LINE : GL_FILL);
}

void drawScene() {
    fitDepthToScene();
    glPushMatrix();
    glTranslatef(panX, -panY, 0.0f);
    glRotatef(rotationX + 30.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(30.0f - rotationZ, 0.0f, 0.0f, 1.0f);
    glScalef(zoomFactor, zoomFactor, zoomFactor);
    if (showControlPolygons) drawControlPolygons();
    drawStrandTubes();
    drawUnderlyingShape();
    glPopMatrix();
    glEnable(GL_LIGHTING);
}
