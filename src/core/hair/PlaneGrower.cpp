// Hair on the plane: messy (a random shape per strand) or combed (one random profile for all).
#include "hair/PlaneGrower.h"

#include "hair/Random.h"

namespace hair {

namespace {

bool isBorderStrand(int row, int column, int n) {
    return row == 0 || column == 0 || row == n - 1 || column == n - 1;
}

// The root: pinned, at a random spot of the cell whose smallest corner is (cellX, 0, cellZ); x drawn first.
// Cursor + U is summed in double and rounded once, when stored.
void growRoot(HairPoint& root, float cellX, float cellZ, float cellSize) {
    resetPoint(root, true);
    root.position[0] = static_cast<float>(cellX + uniformDraw(cellSize));
    root.position[1] = 0.0f;
    root.position[2] = static_cast<float>(cellZ + uniformDraw(cellSize));
}

// Point k steps up from point k-1 by 0..L and lies 0..A from the root along +x and +z (drawn y, x, z).
// Each stored coordinate plus U is summed in double and rounded once, when stored.
void growMessyPoint(HairPoint* strand, int k, float length, float angle) {
    strand[k].position[1] = static_cast<float>(strand[k - 1].position[1] + uniformDraw(length));
    strand[k].position[0] = static_cast<float>(strand[0].position[0] + uniformDraw(angle));
    strand[k].position[2] = static_cast<float>(strand[0].position[2] + uniformDraw(angle));
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

// Strand s = i*n + j grows in row i (along z) and column j (along x). Draws: the combed profile first (21),
// then per strand 2 for the root and 3 per further point (23).
void growPlane(HairPoint* points, const Growth& growth) {
    const int n = growth.density;
    const bool combed = growth.style == kStyleCombed;
    const float cellSize = static_cast<float>(2.0 * kPlaneHalfSize / n);
    const CombedProfile profile = combed ? drawCombedProfile(growth.length, growth.angle) : CombedProfile{};

    float cellZ = -kPlaneHalfSize;  // the cursor advances by repeated float addition
    for (int i = 0; i < n; ++i) {
        float cellX = -kPlaneHalfSize;
        for (int j = 0; j < n; ++j) {
            HairPoint* strand = &points[(i * n + j) * kPointsPerStrand];
            growRoot(strand[0], cellX, cellZ, cellSize);
            for (int k = 1; k < kPointsPerStrand; ++k) {
                resetPoint(strand[k], k == kPointsPerStrand - 1 && isBorderStrand(i, j, n));
                if (combed) {
                    growCombedPoint(strand, k, profile);
                } else {
                    growMessyPoint(strand, k, growth.length, growth.angle);
                }
            }
            cellX += cellSize;
        }
        cellZ += cellSize;
    }
}

void growHairOnPlane() { growPlane(hairPoints, currentGrowth()); }

void makePlane() {
    shapeType = kShapePlane;
    growHairOnPlane();
}

}  // namespace hair
