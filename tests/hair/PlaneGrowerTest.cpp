// growHairOnPlane: roots in their cells, pinning, the number of draws, and the shapes of both styles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "hair/Random.h"
#include "support/DefaultSettings.h"

namespace {

class PlaneGrowerTest : public DefaultSettingsTest {
protected:
    // Grows from the start of the stream, after filling the store with values no growth writes.
    void growFromStreamStart(int n, int style) {
        hairDensity = n;
        hairStyle = style;
        for (HairPoint& point : hairPoints) point = {0.5f, {7, 7, 7}, {3, 3, 3}, {2, 2, 2}, true};
        resetRandom();
        model.growHairOnPlane();
    }
    static const float* position(int s, int k) { return hairPoints[8 * s + k].position; }
};

bool samePositions(const HairPoint* a, const HairPoint* b, int count) {
    for (int i = 0; i < count; ++i) {
        if (std::memcmp(a[i].position, b[i].position, sizeof a[i].position) != 0) return false;
    }
    return true;
}

// True when the stream stands where it stands after `draws` draws from its start.
bool streamIsAfter(int draws) {
    std::vector<int> next(4);
    for (int& r : next) r = drawRandom();
    resetRandom();
    for (int i = 0; i < draws; ++i) drawRandom();
    return std::all_of(next.begin(), next.end(), [](int r) { return drawRandom() == r; });
}

}  // namespace

TEST_F(PlaneGrowerTest, RootsLieInTheirCellsAndPinningFollowsTheBorder) {
    for (int n : {1, 2, 3, 20}) {
        growFromStreamStart(n, kStyleMessy);
        EXPECT_TRUE(streamIsAfter(23 * n * n)) << n;
        const float cell = 200.0f / n;
        int freeTips = 0;
        for (int s = 0; s < n * n; ++s) {
            const int i = s / n, j = s % n;
            EXPECT_EQ(position(s, 0)[1], 0.0f);
            EXPECT_GE(position(s, 0)[0], -100 + j * cell - 1e-3f) << n << " " << s;
            EXPECT_LE(position(s, 0)[0], -100 + (j + 1) * cell + 1e-3f) << n << " " << s;
            EXPECT_GE(position(s, 0)[2], -100 + i * cell - 1e-3f) << n << " " << s;
            EXPECT_LE(position(s, 0)[2], -100 + (i + 1) * cell + 1e-3f) << n << " " << s;
            for (int k = 0; k < 8; ++k) {
                const HairPoint& point = hairPoints[8 * s + k];
                EXPECT_EQ(point.mass, 1.0f);
                for (int c = 0; c < 3; ++c) EXPECT_TRUE(point.velocity[c] == 0.0f && point.force[c] == 0.0f);
                if (k > 0 && k < 7) {
                    EXPECT_FALSE(point.pinned);
                }
            }
            EXPECT_TRUE(hairPoints[8 * s].pinned);
            freeTips += !hairPoints[8 * s + 7].pinned;
        }
        EXPECT_EQ(freeTips, n < 3 ? 0 : (n - 2) * (n - 2)) << n;
        if (n < 20) {
            EXPECT_EQ(hairPoints[8 * n * n].mass, 0.5f) << "a point beyond the live part was written";
        }
    }
    growFromStreamStart(3, kStyleMessy);
    EXPECT_FALSE(hairPoints[8 * 4 + 7].pinned);  // the centre strand
}

TEST_F(PlaneGrowerTest, MessyStrandsRiseInsideTheirColumn) {
    hairLength = 50;
    restAngle = 90;
    growFromStreamStart(20, kStyleMessy);
    for (int s = 0; s < 400; ++s) {
        for (int k = 1; k < 8; ++k) {
            EXPECT_GE(position(s, k)[1], position(s, k - 1)[1]);
            EXPECT_LE(position(s, k)[1], position(s, k - 1)[1] + 50.0f);
            for (int c : {0, 2}) {
                EXPECT_GE(position(s, k)[c], position(s, 0)[c]);
                EXPECT_LE(position(s, k)[c], position(s, 0)[c] + 90.0f);
            }
        }
    }
    restAngle = 0;
    growFromStreamStart(20, kStyleMessy);
    for (int s = 0; s < 400; ++s) {
        for (int k = 1; k < 8; ++k) {
            EXPECT_EQ(position(s, k)[0], position(s, 0)[0]);
            EXPECT_EQ(position(s, k)[2], position(s, 0)[2]);
        }
    }
}

// Combed strands share one profile: point k of two strands differs, relative to the roots, only by the
// difference of two whole jitters from 0 to 5.
TEST_F(PlaneGrowerTest, CombedStrandsShareOneProfileUpToTheJitter) {
    restAngle = 90;
    growFromStreamStart(20, kStyleCombed);
    EXPECT_TRUE(streamIsAfter(21 + 23 * 400));
    bool jittered = false;
    for (int s = 1; s < 400; ++s) {
        for (int k = 1; k < 8; ++k) {
            for (int c = 0; c < 3; ++c) {
                const double root0 = c == 1 ? 0.0 : position(0, 0)[c];
                const double root = c == 1 ? 0.0 : position(s, 0)[c];
                const double jitterDifference = (position(s, k)[c] - root) - (position(0, k)[c] - root0);
                EXPECT_NEAR(jitterDifference, std::round(jitterDifference), 1e-4)
                    << s << " " << k << " " << c;
                EXPECT_LE(std::fabs(jitterDifference), 5.0 + 1e-4);
                jittered |= jitterDifference != 0.0;
            }
        }
    }
    EXPECT_TRUE(jittered);
}

TEST_F(PlaneGrowerTest, SameStreamGrowsSameHairAndRegrowthKeepsTheRestOfTheStore) {
    growFromStreamStart(20, kStyleCombed);
    std::vector<HairPoint> first(hairPoints, hairPoints + kMaxPoints);
    growFromStreamStart(20, kStyleCombed);
    EXPECT_TRUE(samePositions(first.data(), hairPoints, kMaxPoints));

    hairDensity = 5;
    model.growHairOnPlane();
    EXPECT_TRUE(samePositions(&first[200], &hairPoints[200], kMaxPoints - 200));
    EXPECT_NE(first[1].position[1], hairPoints[1].position[1]);
}
