// The hair view's frame through the recording GL double: set-up, clearing and modes, the depth range and the
// matrix chain, the control polygons, the materials and draw order, the square.
#include <algorithm>

#include "support/DefaultSettings.h"
#include "support/RecordingGl.h"
#include "view/Scene.h"

namespace {

// A view of 445 x 455 pixels set up, then the clear and shading of each frame.
const Calls kSetUpAndClear =
    calls("glLightfv", GL_LIGHT0, GL_AMBIENT, 0, 0, 0, 1, "glLightfv", GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1,
          "glLightfv", GL_LIGHT0, GL_POSITION, 0, 3, 3, 0, "glLightModelfv", GL_LIGHT_MODEL_AMBIENT, 0.2, 0.2,
          0.2, 1, "glLightModeli", GL_LIGHT_MODEL_LOCAL_VIEWER, 0, "glFrontFace", GL_CW, "glEnable",
          GL_LIGHTING, "glEnable", GL_LIGHT0, "glEnable", GL_AUTO_NORMAL, "glEnable", GL_NORMALIZE,
          "glEnable", GL_DEPTH_TEST, "glClearColor", 0.6, 0.7, 0.9, 0, "glLoadIdentity", "glViewport", 0, 0,
          445, 455, "glOrtho", -200, 200, -200, 200, -200, 200, "glClear",
          GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT, "glShadeModel", GL_SMOOTH);
// Front-face materials: ambient, diffuse and specular colours with alpha 1, and the shininess times 128.
const Calls kHairMaterial =
    calls("glMaterialfv", GL_FRONT, GL_AMBIENT, 0.2125, 0.1275, 0.054, 1, "glMaterialfv", GL_FRONT,
          GL_DIFFUSE, 0.714, 0.4284, 0.18144, 1, "glMaterialfv", GL_FRONT, GL_SPECULAR, 0.393548, 0.271906,
          0.166721, 1, "glMaterialf", GL_FRONT, GL_SHININESS, 25.6);
const Calls kShapeMaterial =
    calls("glMaterialfv", GL_FRONT, GL_AMBIENT, 0.329412, 0.223529, 0.027451, 1, "glMaterialfv", GL_FRONT,
          GL_DIFFUSE, 0.780392, 0.568627, 0.113725, 1, "glMaterialfv", GL_FRONT, GL_SPECULAR, 0.992157,
          0.941176, 0.807843, 1, "glMaterialf", GL_FRONT, GL_SHININESS, 27.897436);
const Calls kUnlitBlueSquare =
    calls("glDisable", GL_LIGHTING, "glPushMatrix", "glBegin", GL_QUADS, "glColor3f", 0, 0, 1, "glVertex3d",
          -100, 0, -100, "glVertex3d", 100, 0, -100, "glVertex3d", 100, 0, 100, "glVertex3d", -100, 0, 100,
          "glEnd", "glPopMatrix", "glEnable", GL_LIGHTING);

// The farthest that anything drawn lies from the origin: combed hair on the torus at length 50, its root 150
// out, its tip 28 * 50 farther, jitter under 61, and a tube of radius 5 around it.
constexpr float kSceneRadius = 150 + 1400 + 61 + 5;

// Point k of strand s: strand 0 reaches 1610 out along x, the others hang from (20s, 60, -10s), 8 apart.
Calls point(int s, int k) {
    return s ? calls("glVertex3f", 20 * s, 60 - 8 * k, -10 * s) : calls("glVertex3f", 230 * k, 0, 0);
}

// Unlit segments whose colours fade by 0.999, 0.988 and 0.95 per segment over all strands, rounded to float
// after every product; then each segment's ends again as blue points of size 4.
Calls controlPolygons() {
    Calls lines, points;
    float r = 1, g = 1, b = 1;
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 7; ++k, r *= 0.999f, g *= 0.988f, b *= 0.95f) {
            lines = calls(lines, "glColor3f", r, g, b, point(s, k), point(s, k + 1));
            points = calls(points, "glColor3f", 0, 0.5, 1, point(s, k), point(s, k + 1));
        }
    return calls("glDisable", GL_LIGHTING, "glPushMatrix", "glLineWidth", 1, "glBegin", GL_LINES, lines,
                 "glEnd", "glPointSize", 4, "glBegin", GL_POINTS, points, "glEnd", "glPopMatrix", "glEnable",
                 GL_LIGHTING);
}

// A frame of each shape: the control polygons only when shown, the tubes in the hair material, then the
// square unlit on the plane, the sphere or torus in the shape material. At any turn a vertex v lies at most
// zoom |v| deep (the pan moves across the view): the depth range holds the scene where depth factor * zoom
// |v| <= 200, so the factor is 200 / (zoom kSceneRadius), and strand 0 reaches nearly that far.
TEST(Scene, AFrameOfEachShape) {
    HairModel model;
    hairDensity = 2, thickness = kThicknessSlider.maximum;
    for (int p = 0; p < 32; ++p)
        std::copy_n(point(p / 8, p % 8)[0].second.begin(), 3, hairPoints[p].position);
    model.updateHairShape();
    const float patch[16] = {0, 0, 0, 1, 0, 0, 9, 1, 9, 0, 0, 1, 9, 0, 9, 1}, knots[4] = {0, 0, 1, 1};
    shapeSurface.setup(1, 1, 2, 2, patch, knots, knots, 2, 2);  // flat at y = 0, for the sphere or torus
    const Calls shape =
        calls("glPushMatrix", kShapeMaterial, recorded([] { shapeSurface.draw(); }), "glPopMatrix");
    Calls tubes;
    for (int s = 0; s < 4; ++s) tubes = calls(tubes, recorded([s] { strandSurfaces[s].draw(); }));
    const struct {
        const char* name;
        ShapeCode shape;
        RenderCode render;
        GLenum polygonMode;
        float zoom;
        Calls underlying;
    } cases[] = {{"plane", kShapePlane, kRenderWireframe, GL_LINE, 1.44f, kUnlitBlueSquare},
                 {"sphere", kShapeSphere, kRenderSmooth, GL_FILL, 1, shape},
                 {"torus", kShapeTorus, kRenderSmooth, GL_FILL, 38.3376f, shape}};
    for (const auto& c : cases) {
        shapeType = c.shape, renderMode = c.render, showControlPolygons = c.shape == kShapePlane;
        showControlPolygon = !showControlPolygons;  // the other entry's flag, which draws nothing
        zoomFactor = c.zoom, rotationX = 10, rotationZ = 20, panX = 8, panY = 5;
        const float depth = 200 / (kSceneRadius * c.zoom), zoom = c.zoom;
        const Calls frame = recorded([] { setUpView(445, 455), clearFrame(), drawScene(); });
        // After the polygon mode: the depth factor on the projection, then the model-view matrix panned by
        // (8, -5), turned by 30 + 10 about x and 30 - 20 about z, and zoomed.
        EXPECT_TRUE(sameCalls(
            frame, calls(kSetUpAndClear, "glPolygonMode", GL_FRONT_AND_BACK, c.polygonMode, "glMatrixMode",
                         GL_PROJECTION, "glLoadIdentity", "glScalef", 1, 1, depth, "glMatrixMode",
                         GL_MODELVIEW, "glPushMatrix", "glTranslatef", 8, -5, 0, "glRotatef", 40, 1, 0, 0,
                         "glRotatef", 10, 0, 0, 1, "glScalef", zoom, zoom, zoom,
                         showControlPolygons ? controlPolygons() : Calls{}, "glPushMatrix", kHairMaterial,
                         tubes, "glPopMatrix", c.underlying, "glPopMatrix", "glEnable", GL_LIGHTING)))
            << c.name;
    }
}

}  // namespace
