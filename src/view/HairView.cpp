// HairView::draw and HairView::handle: one animation frame, then the scene in immediate mode; the mouse.
#include "view/HairView.h"

#include <FL/Fl.H>
#include <FL/gl.h>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "view/ViewState.h"

// Material of front faces: ambient, diffuse and specular RGB, and shininess as a fraction of 128.
static void setMaterial(float ar, float ag, float ab, float dr, float dg, float db, float sr, float sg, float sb,
                        float shininess) {
    const float ambient[] = {ar, ag, ab, 1.0f};
    const float diffuse[] = {dr, dg, db, 1.0f};
    const float specular[] = {sr, sg, sb, 1.0f};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, shininess * 128.0f);
}

static void setHairMaterial() {
    setMaterial(0.2125f, 0.1275f, 0.054f, 0.714f, 0.4284f, 0.18144f, 0.393548f, 0.271906f, 0.166721f, 0.2f);
}

static void setShapeMaterial() {
    setMaterial(0.329412f, 0.223529f, 0.027451f, 0.780392f, 0.568627f, 0.113725f, 0.992157f, 0.941176f,
                0.807843f, 0.21794872f);
}

// Light, material model and projection. The orthographic box goes into the model-view matrix (no
// glMatrixMode anywhere); it maps -200..200 in x and y onto the view and mirrors z.
static void setUpContext(int width, int height) {
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
    glOrtho(-200, 200, -200, 200, -200, 200);
}

// Both ends of segment k (points k and k+1) of strand s.
static void sendSegment(int s, int k) {
    const float* a = hairPoints[8 * s + k].position;
    const float* b = hairPoints[8 * s + k + 1].position;
    glVertex3f(a[0], a[1], a[2]);
    glVertex3f(b[0], b[1], b[2]);
}

// Each strand's 7 segments, unlit, in colours that fade from white through orange to dark red over all
// segments drawn (the factors are not reset per strand), then its points in blue.
static void drawControlPolygons() {
    const int strands = liveStrandCount();
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLineWidth(1.0f);
    float r = 1.0f, g = 1.0f, b = 1.0f;
    glBegin(GL_LINES);
    for (int s = 0; s < strands; s++) {
        for (int k = 0; k < kPointsPerStrand - 1; k++) {
            glColor3f(r, g, b);
            sendSegment(s, k);
            r = r * 0.999f;
            g = g * 0.988f;
            b = b * 0.95f;
        }
    }
    glEnd();
    glPointSize(4.0f);
    glBegin(GL_POINTS);
    for (int s = 0; s < strands; s++) {
        for (int k = 0; k < kPointsPerStrand - 1; k++) {
            glColor3f(0.0f, 0.5f, 1.0f);
            sendSegment(s, k);
        }
    }
    glEnd();
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

static void drawStrandTubes() {
    glPushMatrix();
    setHairMaterial();
    for (int s = 0; s < liveStrandCount(); s++) strandSurfaces[s].draw();
    glPopMatrix();
}

// The plane is an unlit blue square under the strands; the sphere and torus are lit gold surfaces.
static void drawUnderlyingShape() {
    if (shapeType == kShapePlane) {
        glDisable(GL_LIGHTING);
        glPushMatrix();
        glBegin(GL_QUADS);
        glColor3f(0.0f, 0.0f, 1.0f);
        glVertex3d(-100.0, 0.0, -100.0);
        glVertex3d(100.0, 0.0, -100.0);
        glVertex3d(100.0, 0.0, 100.0);
        glVertex3d(-100.0, 0.0, 100.0);
        glEnd();
        glPopMatrix();
        glEnable(GL_LIGHTING);
    } else if (shapeType == kShapeSphere || shapeType == kShapeTorus) {
        glPushMatrix();
        setShapeMaterial();
        shapeSurface.draw();
        glPopMatrix();
    }
}

void HairView::draw() {
    if (!valid()) setUpContext(w(), h());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, renderMode == kRenderWireframe ? GL_LINE : GL_FILL);
    mainPanel->hairModel->stepFrame();

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

int HairView::handle(int event) {
    const int mx = Fl::event_x();
    const int my = h() - Fl::event_y();
    if (event == FL_PUSH) {
        pressView(mx, my);
        redraw();
    } else if (event == FL_DRAG) {
        dragView(mx, my);
        redraw();
    }
    return 1;
}
