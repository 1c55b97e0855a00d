// What drawing sends for the rebuilt tubes and the shape, through the recording GL double, against strips
// made from the plain reference evaluation: the same calls with the same float arguments.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"
#include "support/RecordingGl.h"
#include "support/ReferenceModel.h"

namespace {

using OptimisedDrawTest = DefaultSettingsTest;

// The calls of one draw of a grid of samplesU x samplesV intervals given row-major: per pair of rows, a
// strip whose slot k is sample k/2 of row i when k and i have the same parity, else of row i-1.
std::vector<GlCall> stripsOf(const std::vector<SurfaceVertex>& grid, int samplesU, int samplesV) {
    std::vector<GlCall> calls;
    const int perRow = samplesV + 1;
    for (int i = 1; i <= samplesU; ++i) {
        calls.push_back({GlFunction::LineWidth, {1.0}});
        calls.push_back({GlFunction::Begin, {GL_TRIANGLE_STRIP}});
        calls.push_back({GlFunction::Color3f, {0.9f, 0.8f, 0.9f}});
        for (int k = 0; k < 2 * perRow; ++k) {
            const SurfaceVertex& v = grid[(k % 2 == i % 2 ? i : i - 1) * perRow + k / 2];
            calls.push_back({GlFunction::Normal3f, {v.nx, v.ny, v.nz}});
            calls.push_back({GlFunction::Vertex3f, {v.x, v.y, v.z}});
        }
        calls.push_back({GlFunction::End, {}});
    }
    return calls;
}

// The same functions with arguments of the same bits (a zero's sign included).
bool sameCalls(const std::vector<GlCall>& a, const std::vector<GlCall>& b) {
    auto same = [](const GlCall& x, const GlCall& y) {
        return x.function == y.function && x.args.size() == y.args.size() &&
               (x.args.empty() ||
                std::memcmp(x.args.data(), y.args.data(), x.args.size() * sizeof(double)) == 0);
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), same);
}

void expectDrawnAsReference(NurbsSurface& drawn, const NurbsSurface& reference) {
    clearGlCallLog();
    drawn.draw();
    EXPECT_TRUE(
        sameCalls(glCallLog, stripsOf(referenceGrid(reference), reference.samplesU, reference.samplesV)));
}

}  // namespace

// Three frames of 20 x 20 combed hair on the torus and messy hair on the sphere: every tube and the shape
// draw exactly the strips of the reference.
TEST_F(OptimisedDrawTest, TubesAndShapeDrawTheReferenceStrips) {
    for (int shape : {kShapeTorus, kShapeSphere}) {
        SCOPED_TRACE(testing::Message() << "shape " << shape);
        hairStyle = shape == kShapeTorus ? kStyleCombed : kStyleMessy;
        hairDensity = 20;
        shapeType = shape;
        testing::internal::CaptureStdout();
        model.regrowHair();
        testing::internal::GetCapturedStdout();
        ReferenceHair reference = captureLiveHair();
        for (int frame = 0; frame < 3; ++frame) {
            model.stepFrame();
            referenceStepFrame(reference);
        }
        for (int s = 0; s < liveStrandCount(); ++s) {
            NurbsSurface tube;
            setUpReferenceTube(tube, reference, s);
            expectDrawnAsReference(strandSurfaces[s], tube);
        }
        expectDrawnAsReference(shapeSurface, shapeSurface);
    }
}
