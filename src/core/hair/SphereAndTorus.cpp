// The sphere and the torus: the shared control net of a surface of revolution, the two shapes built on
// it, and the hair grown on them.
#include "hair/SphereAndTorus.h"

#include <cmath>

#include "hair/HairStore.h"
#include "hair/SurfaceGrower.h"

namespace hair {

namespace {

// The nine-point control square of a unit circle, twice: the profile in the (distance from the axis,
// height) plane goes from (-1, 0) through (0, 1), (1, 0), (0, -1); the sweep goes around the axis in the x-y
// plane from (0, 1) through (-1, 0), (0, -1), (1, 0). Odd entries are corners and carry the corner weight.
constexpr float kProfileDistance[9] = {-1, -1, 0, 1, 1, 1, 0, -1, -1};
constexpr float kProfileHeight[9] = {0, 1, 1, 1, 0, -1, -1, -1, 0};
constexpr float kSweepX[9] = {0, -1, -1, -1, 0, 1, 1, 1, 0};
constexpr float kSweepY[9] = {1, 1, 0, -1, -1, -1, 0, 1, 1};
// Degree 2 with double inner knots: the surface passes through the even control points at 0, 1/4, ... 1.
constexpr float kCircleKnots[12] = {0, 0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 1};
constexpr int kNetSize = 9;
constexpr int kSamples = 20;  // sample intervals in each direction

}  // namespace

// Point (i, j) of the net: i along the profile (u), j around the axis (v).
void buildSurfaceOfRevolution(NurbsSurface& surface, float profileRadius, float axisDistance,
                              NormalFacing facing) {
    const float cornerWeight = static_cast<float>(std::sqrt(2.0) / 2.0);
    float net[kNetSize * kNetSize * 4];
    for (int i = 0; i < kNetSize; i++) {
        for (int j = 0; j < kNetSize; j++) {
            const float w = (j % 2 ? cornerWeight : 1.0f) * (i % 2 ? cornerWeight : 1.0f);
            const float fromAxis = profileRadius * kProfileDistance[i] + axisDistance;
            float* point = net + (i * kNetSize + j) * 4;
            point[0] = fromAxis * kSweepX[j] * w;
            point[1] = fromAxis * kSweepY[j] * w;
            point[2] = profileRadius * kProfileHeight[i] * w;
            point[3] = w;
        }
    }
    surface.release();
    surface.setup(2, 2, kNetSize, kNetSize, net, kCircleKnots, kCircleKnots, kSamples, kSamples);
    surface.normalFacing = facing;
}

// The profile circle passes through the axis, so the net covers the sphere twice, once with the cross
// product of the derivatives pointing out and once in. Every normal is turned toward the centre, as the
// torus's already are: the ball is lit as one surface and its hair grows outward everywhere.
void buildShapeSurface(ShapeCode shape) {
    if (shape == kShapeSphere) buildSurfaceOfRevolution(shapeSurface, 100.0f, 0.0f, kNormalsTowardOrigin);
    if (shape == kShapeTorus) buildSurfaceOfRevolution(shapeSurface, 50.0f, 100.0f, kNormalsAsEvaluated);
}

void makeSphere() {
    shapeType = kShapeSphere;
    buildShapeSurface(shapeType);
    growHairOnSurface();
}

void makeTorus() {
    shapeType = kShapeTorus;
    buildShapeSurface(shapeType);
    growHairOnSurface();
}

}  // namespace hair
