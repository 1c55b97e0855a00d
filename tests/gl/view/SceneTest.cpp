// The hair view's scene through the recording GL double: the set-up, each frame's modes, the matrix chain,
// the control polygons, materials and draw order, the square; and the depth range, which holds the whole
// scene at every zoom and turn while the model-view matrix stays as it is.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "support/DefaultSettings.h"
#include "support/RecordingGl.h"
#include "view/Scene.h"
#include "view/ViewState.h"

namespace {

using Calls = std::vector<GlCall>;

// Names the first call where the two sequences part.
void expectCalls(const Calls& actual, const Calls& expected) {
    const size_t common = std::min(actual.size(), expected.size());
    for (size_t k = 0; k < common; ++k) {
        if (!(actual[k] == expected[k])) {
            ADD_FAILURE() << "call " << k << ": " << actual[k] << ", expected " << expected[k];
            return;
        }
    }
    EXPECT_EQ(actual.size(), expected.size()) << "calls beyond the common " << common;
}

void append(Calls& calls, const Calls& more) { calls.insert(calls.end(), more.begin(), more.end()); }

Calls drawnBy(NurbsSurface& surface) {
    glCallLog.clear();
    surface.draw();
    return glCallLog;
}

// Front-face material: ambient, diffuse and specular colours with alpha 1, shininess times 128.
Calls material(std::array<float, 3> ambient, std::array<float, 3> diffuse, std::array<float, 3> specular,
               float shininess) {
    return {{"glMaterialfv", {GL_FRONT, GL_AMBIENT, ambient[0], ambient[1], ambient[2], 1}},
            {"glMaterialfv", {GL_FRONT, GL_DIFFUSE, diffuse[0], diffuse[1], diffuse[2], 1}},
            {"glMaterialfv", {GL_FRONT, GL_SPECULAR, specular[0], specular[1], specular[2], 1}},
            {"glMaterialf", {GL_FRONT, GL_SHININESS, shininess * 128}}};
}
const Calls kHairMaterial = material({0.2125f, 0.1275f, 0.054f}, {0.714f, 0.4284f, 0.18144f},
                                     {0.393548f, 0.271906f, 0.166721f}, 0.2f);
const Calls kShapeMaterial = material({0.329412f, 0.223529f, 0.027451f}, {0.780392f, 0.568627f, 0.113725f},
                                      {0.992157f, 0.941176f, 0.807843f}, 0.21794872f);

// The farthest that anything drawn lies from the origin: combed hair on the torus at length 50, its root 150
// out, its tip 28 * 50 farther, jitter under 61, and a tube of radius 5 around it.
constexpr float kSceneRadius = 150 + 1400 + 61 + 5;

// The depth scale for zoom z, then the matrix chain under the view state.
Calls depthAndMatrixChain(float depthScale) {
    return {{"glMatrixMode", {GL_PROJECTION}},
            {"glLoadIdentity", {}},
            {"glScalef", {1, 1, depthScale}},
            {"glMatrixMode", {GL_MODELVIEW}},
            {"glPushMatrix", {}},
            {"glTranslatef", {panX, -panY, 0}},
            {"glRotatef", {rotationX + 30, 1, 0, 0}},
            {"glRotatef", {30 - rotationZ, 0, 0, 1}},
            {"glScalef", {zoomFactor, zoomFactor, zoomFactor}}};
}

GlCall vertexOf(int point) {
    const float* p = hairPoints[point].position;
    return {"glVertex3f", {p[0], p[1], p[2]}};
}

// Unlit segments whose colour fades by 0.999, 0.988 and 0.95 per segment over all strands, rounded to float
// after every product; then each segment's ends again as blue points of size 4.
Calls controlPolygons(int strands) {
    Calls calls = {
        {"glDisable", {GL_LIGHTING}}, {"glPushMatrix", {}}, {"glLineWidth", {1}}, {"glBegin", {GL_LINES}}};
    float r = 1, g = 1, b = 1;
    for (int s = 0; s < strands; ++s) {
        for (int k = 0; k < 7; ++k) {
            append(calls, {{"glColor3f", {r, g, b}}, vertexOf(8 * s + k), vertexOf(8 * s + k + 1)});
            r = r * 0.999f, g = g * 0.988f, b = b * 0.95f;
        }
    }
    append(calls, {{"glEnd", {}}, {"glPointSize", {4}}, {"glBegin", {GL_POINTS}}});
    for (int s = 0; s < strands; ++s)
        for (int k = 0; k < 7; ++k)
            append(calls, {{"glColor3f", {0, 0.5f, 1}}, vertexOf(8 * s + k), vertexOf(8 * s + k + 1)});
    append(calls, {{"glEnd", {}}, {"glPopMatrix", {}}, {"glEnable", {GL_LIGHTING}}});
    return calls;
}

Calls strandTubes(int strands) {
    Calls calls = {{"glPushMatrix", {}}};
    append(calls, kHairMaterial);
    for (int s = 0; s < strands; ++s) append(calls, drawnBy(strandSurfaces[s]));
    calls.push_back({"glPopMatrix", {}});
    return calls;
}

const Calls kUnlitBlueSquare = {{"glDisable", {GL_LIGHTING}},
                                {"glPushMatrix", {}},
                                {"glBegin", {GL_QUADS}},
                                {"glColor3f", {0, 0, 1}},
                                {"glVertex3d", {-100, 0, -100}},
                                {"glVertex3d", {100, 0, -100}},
                                {"glVertex3d", {100, 0, 100}},
                                {"glVertex3d", {-100, 0, 100}},
                                {"glEnd", {}},
                                {"glPopMatrix", {}},
                                {"glEnable", {GL_LIGHTING}}};
const Calls kSceneEnd = {{"glPopMatrix", {}}, {"glEnable", {GL_LIGHTING}}};

class SceneTest : public DefaultSettingsTest {
protected:
    void TearDown() override {
        zoomFactor = 1, rotationX = 0, rotationZ = 0, panX = 0, panY = 0;
        thickness = 1;
    }

    // Strand s stands on (x, z) = (20 s, -10 s) and runs straight down from y = 60, 8 units per point.
    void hangStrands(int strands) {
        for (int s = 0; s < strands; ++s)
            for (int k = 0; k < 8; ++k) {
                float* p = hairPoints[8 * s + k].position;
                p[0] = 20.0f * s, p[1] = 60.0f - 8 * k, p[2] = -10.0f * s;
            }
        model.updateHairShape();
    }
};

TEST_F(SceneTest, SetUpLightsAndBoxesTheViewAndEveryFrameClearsAndSetsItsModes) {
    glCallLog.clear();
    setUpView(445, 455);
    expectCalls(glCallLog, {{"glLightfv", {GL_LIGHT0, GL_AMBIENT, 0, 0, 0, 1}},
                            {"glLightfv", {GL_LIGHT0, GL_DIFFUSE, 1, 1, 1, 1}},
                            {"glLightfv", {GL_LIGHT0, GL_POSITION, 0, 3, 3, 0}},
                            {"glLightModelfv", {GL_LIGHT_MODEL_AMBIENT, 0.2f, 0.2f, 0.2f, 1}},
                            {"glLightModeli", {GL_LIGHT_MODEL_LOCAL_VIEWER, 0}},
                            {"glFrontFace", {GL_CW}},
                            {"glEnable", {GL_LIGHTING}},
                            {"glEnable", {GL_LIGHT0}},
                            {"glEnable", {GL_AUTO_NORMAL}},
                            {"glEnable", {GL_NORMALIZE}},
                            {"glEnable", {GL_DEPTH_TEST}},
                            {"glClearColor", {0.6f, 0.7f, 0.9f, 0}},
                            {"glLoadIdentity", {}},
                            {"glViewport", {0, 0, 445, 455}},
                            {"glOrtho", {-200, 200, -200, 200, -200, 200}}});
    const struct {
        RenderCode render;
        GLenum polygonMode;
    } modes[] = {{kRenderWireframe, GL_LINE}, {kRenderSmooth, GL_FILL}};
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.render);
        renderMode = mode.render;
        glCallLog.clear();
        clearFrame();
        expectCalls(glCallLog,
                    {{"glClear", {GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT}},
                     {"glShadeModel", {GL_SMOOTH}},
                     {"glPolygonMode", {GL_FRONT_AND_BACK, static_cast<float>(mode.polygonMode)}}});
    }
}

// Four strands with their control polygons on the plane, panned, turned and zoomed: the colours fade across
// strands, the tubes come in the hair material, the square unlit after them; the drawn tube normals point
// into the tubes of the hanging strands.
TEST_F(SceneTest, ThePlaneWithStrandsAndControlPolygons) {
    hairDensity = 2;
    showControlPolygons = true;
    hangStrands(4);
    zoomFactor = 1.44f, rotationX = 10, rotationZ = 20, panX = 8, panY = 5;
    Calls expected = depthAndMatrixChain(200 / (kSceneRadius * 1.44f));
    append(expected, controlPolygons(4));
    append(expected, strandTubes(4));
    append(expected, kUnlitBlueSquare);
    append(expected, kSceneEnd);
    glCallLog.clear();
    drawScene();
    expectCalls(glCallLog, expected);

    for (int s = 0; s < 4; ++s) {
        const Calls tube = drawnBy(strandSurfaces[s]);
        for (size_t k = 0; k + 1 < tube.size(); ++k) {
            if (tube[k].function != "glNormal3f") continue;
            const std::vector<float>&n = tube[k].args, &v = tube[k + 1].args;
            EXPECT_LT(n[0] * (v[0] - 20.0f * s) + n[2] * (v[2] + 10.0f * s), 0)
                << "strand " << s << ", call " << k;
        }
    }
}

// The sphere and the torus in the shape material after the tubes, no square; no control polygons unless
// shown. At zoom 1 the depth is scaled to hold the scene radius.
TEST_F(SceneTest, TheSphereAndTheTorusAfterTheirStrands) {
    for (void (HairModel::*make)() : {&HairModel::makeSphere, &HairModel::makeTorus}) {
        testing::internal::CaptureStdout();
        (model.*make)();
        testing::internal::GetCapturedStdout();
        SCOPED_TRACE(shapeType);
        model.updateHairShape();
        Calls expected = depthAndMatrixChain(200 / kSceneRadius);
        append(expected, strandTubes(1));
        append(expected, {{"glPushMatrix", {}}});
        append(expected, kShapeMaterial);
        append(expected, drawnBy(shapeSurface));
        append(expected, {{"glPopMatrix", {}}});
        append(expected, kSceneEnd);
        glCallLog.clear();
        drawScene();
        expectCalls(glCallLog, expected);
    }
}

// Column-major 4 x 4, as GL keeps its matrices.
using Matrix = std::array<double, 16>;

Matrix identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix c{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k) c[j * 4 + i] += a[k * 4 + i] * b[j * 4 + k];
    return c;
}

std::array<double, 4> operator*(const Matrix& m, const std::array<double, 4>& v) {
    std::array<double, 4> r{};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) r[i] += m[k * 4 + i] * v[k];
    return r;
}

// The matrix that a call multiplies onto the current one, as the GL specification defines it.
Matrix matrixOf(const GlCall& call) {
    const std::vector<float>& a = call.args;
    Matrix m = identity();
    if (call.function == "glTranslatef") {
        m[12] = a[0], m[13] = a[1], m[14] = a[2];
    } else if (call.function == "glScalef") {
        m[0] = a[0], m[5] = a[1], m[10] = a[2];
    } else if (call.function == "glOrtho") {
        m[0] = 2 / (a[1] - a[0]), m[5] = 2 / (a[3] - a[2]), m[10] = -2 / (a[5] - a[4]);
        m[12] = -(a[1] + a[0]) / (a[1] - a[0]), m[13] = -(a[3] + a[2]) / (a[3] - a[2]);
        m[14] = -(a[5] + a[4]) / (a[5] - a[4]);
    } else if (call.function == "glRotatef") {
        const double angle = a[0] * M_PI / 180, c = std::cos(angle), s = std::sin(angle);
        const double length = std::sqrt(a[1] * a[1] + a[2] * a[2] + a[3] * a[3]);
        const double x = a[1] / length, y = a[2] / length, z = a[3] / length;
        m = {x * x * (1 - c) + c,
             y * x * (1 - c) + z * s,
             x * z * (1 - c) - y * s,
             0,
             x * y * (1 - c) - z * s,
             y * y * (1 - c) + c,
             y * z * (1 - c) + x * s,
             0,
             x * z * (1 - c) + y * s,
             y * z * (1 - c) - x * s,
             z * z * (1 - c) + c,
             0,
             0,
             0,
             0,
             1};
    }
    return m;
}

// A vertex by the model-view matrix alone (which holds the box) and then by the projection matrix too.
struct TransformedVertex {
    std::array<double, 4> modelView, clip;
};

// Follows the recorded calls through GL's two matrix stacks and transforms every vertex.
std::vector<TransformedVertex> transformVertices(const Calls& calls) {
    std::vector<Matrix> modelView = {identity()}, projection = {identity()};
    std::vector<Matrix>* current = &modelView;
    std::vector<TransformedVertex> vertices;
    for (const GlCall& call : calls) {
        const std::string& f = call.function;
        if (f == "glMatrixMode") {
            current = call.args[0] == GL_PROJECTION ? &projection : &modelView;
        } else if (f == "glLoadIdentity") {
            current->back() = identity();
        } else if (f == "glPushMatrix") {
            current->push_back(Matrix(current->back()));
        } else if (f == "glPopMatrix") {
            current->pop_back();
        } else if (f == "glTranslatef" || f == "glScalef" || f == "glRotatef" || f == "glOrtho") {
            current->back() = current->back() * matrixOf(call);
        } else if (f == "glVertex3f" || f == "glVertex3d") {
            const auto eye =
                modelView.back() * std::array<double, 4>{call.args[0], call.args[1], call.args[2], 1};
            vertices.push_back({eye, projection.back() * eye});
        }
    }
    return vertices;
}

// A strand reaching out 1610 along +x, with its control polygon and a tube of radius 5, over the square,
// turned every way in steps of 30 degrees and zoomed from 0.05 to far past the window, frame after frame
// with one set-up: every vertex lies inside the depth range (|z| <= w = 1), x and y are the model-view
// matrix's own, and depth is the model-view's times one positive factor per frame, so its order holds.
TEST_F(SceneTest, DepthRangeHoldsTheWholeSceneAtEveryZoomAndTurn) {
    showControlPolygons = true;
    thickness = 5;
    for (int k = 0; k < 8; ++k) {
        float* p = hairPoints[k].position;
        p[0] = 230.0f * k, p[1] = 0, p[2] = 0;
    }
    model.updateHairShape();
    glCallLog.clear();
    setUpView(445, 455);
    const Calls setUp = glCallLog;
    for (float zoom : {0.05f, 1.0f, 2.0736f, 38.3376f, 10000.0f}) {
        for (int turnX = 0; turnX < 360; turnX += 30) {
            for (int turnZ = 0; turnZ < 360; turnZ += 30) {
                zoomFactor = zoom, rotationX = turnX, rotationZ = turnZ;
                glCallLog = setUp;
                drawScene();
                const std::vector<TransformedVertex> vertices = transformVertices(glCallLog);
                double farthest = 0, factor = 0;
                for (const TransformedVertex& v : vertices) {
                    if (std::fabs(v.modelView[2]) > farthest)
                        farthest = std::fabs(v.modelView[2]), factor = v.clip[2] / v.modelView[2];
                }
                bool inside = factor > 0, scaledDepthOnly = true;
                for (const TransformedVertex& v : vertices) {
                    inside = inside && std::fabs(v.clip[2]) <= v.clip[3] && v.clip[3] == 1;
                    scaledDepthOnly =
                        scaledDepthOnly && v.clip[0] == v.modelView[0] && v.clip[1] == v.modelView[1] &&
                        std::fabs(v.clip[2] - factor * v.modelView[2]) <= 1e-9 * farthest * factor;
                }
                EXPECT_TRUE(inside && scaledDepthOnly)
                    << "zoom " << zoom << ", turned " << turnX << " and " << turnZ << ": depth factor "
                    << factor << " of " << farthest;
            }
        }
    }
}

}  // namespace
