// Hair on the plane: the live strands grow from an n x n grid of cells over the 200 x 200 square of the
// x-z plane at y = 0, messy (a random shape per strand) or combed (one random profile for all).
#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "hair/Random.h"

namespace {

constexpr float kPlaneHalfSize = 100.0f;
constexpr double kPlaneSize = 200.0;

bool isBorderStrand(int row, int column, int n) {
    return row == 0 || column == 0 || row == n - 1 || column == n - 1;
}

// The root: pinned, at a random spot of the cell whose smallest corner is (cellX, 0, cellZ); x drawn first.
void growRoot(HairPoint& root, float cellX, float cellZ, float cellSize) {
    resetPoint(root, true);
    root.position[0] = cellX + uniformDraw(cellSize);
    root.position[1] = 0.0f;
    root.position[2] = cellZ + uniformDraw(cellSize);
}

// Point k steps up from point k-1 by 0..L and lies 0..A from the root along +x and +z (drawn y, x, z).
// A sum of two floats rounds the same in float as in double.
void growMessyPoint(HairPoint* strand, int k, float length, float angle) {
    strand[k].position[1] = strand[k - 1].position[1] + uniformDraw(length);
    strand[k].position[0] = strand[0].position[0] + uniformDraw(angle);
    strand[k].position[2] = strand[0].position[2] + uniformDraw(angle);
}

// Point k sits at the shared profile relative to the root, each coordinate raised by a jitter of 0..5
// (drawn y, x, z); J + root + offset is summed in double and rounded once.
void growCombedPoint(HairPoint* strand, int k, const CombedProfile& profile) {
    strand[k].position[1] = static_cast<float>(jitterDraw() + static_cast<double>(profile.a[k]));
    strand[k].position[0] =
        static_cast<float>(jitterDraw() + static_cast<double>(strand[0].position[0]) + profile.b[k]);
    strand[k].position[2] =
        static_cast<float>(jitterDraw() + static_cast<double>(strand[0].position[2]) + profile.c[k]);
}

}  // namespace

// Strand s = i*n + j grows in row i (along z) and column j (along x). Border strands have their tip pinned
// too. Draws: the combed profile first (21), then per strand 2 for the root and 3 per further point (23).
void HairModel::growHairOnPlane() {
    const int n = hairDensity;
    const float length = static_cast<float>(hairLength);
    const float angle = static_cast<float>(restAngle);
    const bool combed = hairStyle == kStyleCombed;
    const float cellSize = static_cast<float>(kPlaneSize / n);
    const CombedProfile profile = combed ? drawCombedProfile(length, angle) : CombedProfile{};

    float cellZ = -kPlaneHalfSize;  // the cursor advances by repeated float addition
    for (int i = 0; i < n; ++i) {
        float cellX = -kPlaneHalfSize;
        for (int j = 0; j < n; ++j) {
            HairPoint* strand = &hairPoints[(i * n + j) * kPointsPerStrand];
            growRoot(strand[0], cellX, cellZ, cellSize);
            for (int k = 1; k < kPointsPerStrand; ++k) {
                resetPoint(strand[k], k == kPointsPerStrand - 1 && isBorderStrand(i, j, n));
                if (combed) {
                    growCombedPoint(strand, k, profile);
                } else {
                    growMessyPoint(strand, k, length, angle);
                }
            }
            cellX += cellSize;
        }
        cellZ += cellSize;
    }
}

void HairModel::makePlane() {
    shapeType = kShapePlane;
    growHairOnPlane();
}
