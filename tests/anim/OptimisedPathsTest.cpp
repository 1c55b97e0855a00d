// The fast paths against the plain reference, bit for bit: frames of the dynamics and the rebuilt tubes on
// every shape and style, the surface tables that a repeated setup keeps, and row evaluation of any order.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"
#include "support/ReferenceModel.h"
#include "support/RevolutionNet.h"

namespace {

using OptimisedPathsTest = DefaultSettingsTest;

// Index of the first of `count` records whose bytes differ, or -1.
template <typename T>
int firstDifference(const T* a, const T* b, int count) {
    for (int i = 0; i < count; ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(T)) != 0) return i;
    return -1;
}

// The point records field by field (their padding bytes are not state): mass, position, velocity and force
// as bits, and the pin.
int firstDifferentPoint(const HairPoint* a, const HairPoint* b, int count) {
    constexpr size_t kFloatBytes = offsetof(HairPoint, pinned);
    for (int i = 0; i < count; ++i)
        if (std::memcmp(&a[i], &b[i], kFloatBytes) != 0 || a[i].pinned != b[i].pinned) return i;
    return -1;
}

// The surface's grid through its own row evaluation (the sweep of drawing and tessellation).
std::vector<SurfaceVertex> programGrid(NurbsSurface& surface) {
    std::unique_ptr<SurfaceVertex[]> grid(surface.evaluateGrid());
    return {grid.get(), grid.get() + (surface.samplesU + 1) * (surface.samplesV + 1)};
}

void expectGridMatchesReference(NurbsSurface& surface) {
    const std::vector<SurfaceVertex> expected = referenceGrid(surface);
    const std::vector<SurfaceVertex> actual = programGrid(surface);
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(firstDifference(actual.data(), expected.data(), static_cast<int>(actual.size())), -1);
}

void growOn(HairModel& model, int shape) {
    testing::internal::CaptureStdout();  // the curved shapes print their tessellation count
    shapeType = shape;
    model.regrowHair();
    testing::internal::GetCapturedStdout();
}

// Every field and every table of two surfaces, as bits.
void expectSameSurface(const NurbsSurface& a, const NurbsSurface& b) {
    const int counts[] = {a.degreeU, a.degreeV, a.orderU,     a.orderV,     a.knotCountU, a.knotCountV,
                          a.countU,  a.countV,  a.spanCountU, a.spanCountV, a.samplesU,   a.samplesV};
    const int others[] = {b.degreeU, b.degreeV, b.orderU,     b.orderV,     b.knotCountU, b.knotCountV,
                          b.countU,  b.countV,  b.spanCountU, b.spanCountV, b.samplesU,   b.samplesV};
    ASSERT_EQ(firstDifference(counts, others, 12), -1);
    EXPECT_EQ(a.normalsTowardOrigin, b.normalsTowardOrigin);
    auto same = [](const auto* x, const auto* y, int count) { return firstDifference(x, y, count) == -1; };
    EXPECT_TRUE(same(a.controlPoints, b.controlPoints, a.countU * a.countV * 4));
    EXPECT_TRUE(same(a.knotsU, b.knotsU, a.knotCountU));
    EXPECT_TRUE(same(a.knotsV, b.knotsV, a.knotCountV));
    EXPECT_TRUE(same(a.basisCoefU, b.basisCoefU, a.orderU * a.orderU * a.spanCountU));
    EXPECT_TRUE(same(a.basisCoefV, b.basisCoefV, a.orderV * a.orderV * a.spanCountV));
    EXPECT_TRUE(same(a.sampleBasisU, b.sampleBasisU, (a.samplesU + 1) * a.orderU));
    EXPECT_TRUE(same(a.sampleDerivU, b.sampleDerivU, (a.samplesU + 1) * a.orderU));
    EXPECT_TRUE(same(a.sampleBasisV, b.sampleBasisV, (a.samplesV + 1) * a.orderV));
    EXPECT_TRUE(same(a.sampleDerivV, b.sampleDerivV, (a.samplesV + 1) * a.orderV));
    EXPECT_TRUE(same(a.sampleSpanU, b.sampleSpanU, a.samplesU + 1));
    EXPECT_TRUE(same(a.sampleSpanV, b.sampleSpanV, a.samplesV + 1));
}

// A net of count points with coordinates in -50..50 and weights in 0.5..2 from a fixed integer sequence.
std::vector<float> scrambledNet(int count, unsigned seed) {
    std::vector<float> net;
    auto next = [&] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;
    };
    for (int k = 0; k < count; ++k) {
        const float w = 0.5f + 1.5f * next();
        for (int c = 0; c < 3; ++c) net.push_back((next() * 100.0f - 50.0f) * w);
        net.push_back(w);
    }
    return net;
}

// Clamped knots of `count` points of degree p with uniform inner knots.
std::vector<float> clampedKnots(int count, int p) {
    std::vector<float> knots;
    for (int k = 0; k < count + p + 1; ++k)
        knots.push_back(k <= p ? 0.0f : k >= count ? 1.0f : static_cast<float>(k - p) / (count - p));
    return knots;
}

}  // namespace

// Five frames at 20 x 20 hairs on the plane, the sphere and the torus in both styles: the live points after
// every frame, every rebuilt tube's samples and the shape's samples equal the plain computation's bits.
// The combed hair also carries points of other masses than the grown 1, and immovable ones of mass 0.
TEST_F(OptimisedPathsTest, FramesAndTubesMatchThePlainComputation) {
    for (int shape : {kShapePlane, kShapeSphere, kShapeTorus}) {
        for (int style : {kStyleMessy, kStyleCombed}) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << ", style " << style);
            hairStyle = style;
            hairDensity = 20;
            thickness = shape == kShapeTorus ? 3.5f : 1.0f;
            growOn(model, shape);
            if (shape != kShapePlane) expectGridMatchesReference(shapeSurface);
            for (int i = 3; style == kStyleCombed && i < livePointCount(); i += 5)
                hairPoints[i].mass = i % 4 ? 1.7f : 0.0f;
            ReferenceHair reference = captureLiveHair();
            for (int frame = 1; frame <= 5; ++frame) {
                SCOPED_TRACE(testing::Message() << "frame " << frame);
                model.stepFrame();
                referenceStepFrame(reference);
                ASSERT_EQ(firstDifferentPoint(hairPoints, reference.points.data(), livePointCount()), -1);
                for (int s = 0; s < liveStrandCount(); ++s) {
                    NurbsSurface tube;
                    setUpReferenceTube(tube, reference, s);
                    const std::vector<SurfaceVertex> expected = referenceGrid(tube);
                    ASSERT_EQ(firstDifference(programGrid(strandSurfaces[s]).data(), expected.data(), 121),
                              -1)
                        << "strand " << s;
                }
            }
        }
    }
}

// A setup with the same degrees, counts, knots and samples keeps the tables and takes the new points; any
// other setup rebuilds. Either way the surface equals one set up afresh with the same arguments.
TEST(OptimisedPaths, RepeatedSetupEqualsAFreshOne) {
    const std::vector<float> tubeU = clampedKnots(8, 2), tubeV = clampedKnots(9, 3);
    std::vector<float> shiftedV = tubeV;
    shiftedV[6] = 0.55f;
    const RevolutionNet sphere = sphereNet();
    struct Arguments {
        int degreeU, degreeV, countU, countV;
        std::vector<float> points;
        const float *knotsU, *knotsV;
        int samplesU, samplesV;
    };
    const Arguments sequence[] = {
        {2, 3, 8, 9, scrambledNet(72, 1), tubeU.data(), tubeV.data(), 10, 10},
        {2, 3, 8, 9, scrambledNet(72, 2), tubeU.data(), tubeV.data(), 10, 10},     // new points only
        {2, 3, 8, 9, scrambledNet(72, 3), tubeU.data(), shiftedV.data(), 10, 10},  // other v knots
        {2, 3, 8, 9, scrambledNet(72, 4), tubeU.data(), shiftedV.data(), 10, 7},   // other samples
        {2, 2, 9, 9, {sphere.points, sphere.points + 324}, sphere.knots, sphere.knots, 20, 20},
        {2, 2, 9, 9, scrambledNet(81, 5), sphere.knots, sphere.knots, 20, 20},
    };
    NurbsSurface surface;
    for (const Arguments& a : sequence) {
        surface.normalsTowardOrigin = true;  // every setup clears the orientation
        surface.setup(a.degreeU, a.degreeV, a.countU, a.countV, a.points.data(), a.knotsU, a.knotsV,
                      a.samplesU, a.samplesV);
        NurbsSurface fresh;
        fresh.setup(a.degreeU, a.degreeV, a.countU, a.countV, a.points.data(), a.knotsU, a.knotsV, a.samplesU,
                    a.samplesV);
        expectSameSurface(surface, fresh);
        expectGridMatchesReference(surface);
    }
}

// Rational nets of every order combination from 1 to 4 (specialised or not; rows of one or more chunks),
// the sphere at its poles (both limit normals: collapsed rows and, transposed, collapsed columns), the
// inward-facing shapes and a net collapsed to a point: the row evaluation equals the plain one, and again
// when evaluated twice.
TEST(OptimisedPaths, RowEvaluationOfAnyOrderMatchesThePlainOne) {
    for (int degreeU = 0; degreeU <= 3; ++degreeU) {
        for (int degreeV = 0; degreeV <= 3; ++degreeV) {
            SCOPED_TRACE(testing::Message() << "degrees " << degreeU << " x " << degreeV);
            const int countU = degreeU + 4, countV = degreeV + 3;
            const std::vector<float> net = scrambledNet(countU * countV, 7 + 4 * degreeU + degreeV);
            const std::vector<float> knotsU = clampedKnots(countU, degreeU),
                                     knotsV = clampedKnots(countV, degreeV);
            NurbsSurface surface;
            surface.setup(degreeU, degreeV, countU, countV, net.data(), knotsU.data(), knotsV.data(), 9,
                          13 + 8 * degreeV);
            expectGridMatchesReference(surface);
            expectGridMatchesReference(surface);
        }
    }
    for (const RevolutionNet& net : {sphereNet(), transposed(sphereNet()), torusNet()}) {
        for (int samples : {4, 20}) {
            NurbsSurface shape;
            setUpRevolution(shape, net, samples);
            expectGridMatchesReference(shape);
            shape.normalsTowardOrigin = true;
            expectGridMatchesReference(shape);
        }
    }
    for (int degreeU : {1, 2}) {  // a net collapsed to one point: every normal is the fallback
        const std::vector<float> point = scrambledNet(1, 3), knotsU = clampedKnots(8, degreeU),
                                 knotsV = clampedKnots(9, 3);
        std::vector<float> net;
        for (int k = 0; k < 72; ++k) net.insert(net.end(), point.begin(), point.end());
        NurbsSurface collapsed;
        collapsed.setup(degreeU, 3, 8, 9, net.data(), knotsU.data(), knotsV.data(), 10, 10);
        expectGridMatchesReference(collapsed);
    }
}
