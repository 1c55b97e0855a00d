// The measures of one frame over the live part of the store, each summed in index order:
//   kinetic    = sum over points that can move (free, mass > 0) of m |v|^2 / 2
//   spring     = sum over springs of k (|p_outer - p_inner| - L)^2 / 2, k its stiffness, L its rest length
//   reach      = mean over strands of |p_tip - p_root|
//   max_strain = largest (|p_outer - p_inner| - L) / L over the springs
#include "sim/Stats.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "hair/HairStore.h"

namespace {

struct FrameStats {
    double kinetic = 0, spring = 0, reach = 0, maxStrain = -std::numeric_limits<double>::infinity();
};

double distance(const float* a, const float* b) {
    double squared = 0;
    for (int c = 0; c < 3; c++)
        squared += (static_cast<double>(a[c]) - b[c]) * (static_cast<double>(a[c]) - b[c]);
    return std::sqrt(squared);
}

FrameStats measure() {
    FrameStats stats;
    for (int i = 0; i < livePointCount(); i++) {
        const HairPoint& p = hairPoints[i];
        if (p.pinned || p.mass == 0.0f) continue;
        const double v[3] = {p.velocity[0], p.velocity[1], p.velocity[2]};
        stats.kinetic += 0.5 * p.mass * (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    }
    for (int s = 0; s < liveSpringCount(); s++) {
        const HairSpring& spring = hairSprings[s];
        const double elongation =
            distance(hairPoints[spring.outer].position, hairPoints[spring.inner].position) -
            spring.restLength;
        stats.spring += 0.5 * spring.stiffness * elongation * elongation;
        stats.maxStrain = std::max(stats.maxStrain, elongation / spring.restLength);
    }
    for (int s = 0; s < liveStrandCount(); s++) {
        const HairPoint* strand = hairPoints + s * kPointsPerStrand;
        stats.reach += distance(strand[kPointsPerStrand - 1].position, strand[0].position);
    }
    stats.reach /= liveStrandCount();
    return stats;
}

}  // namespace

void writeStatsHeader(std::FILE* out) {
    std::fputs("frame,kinetic,spring,reach,max_strain,wind,gravity\n", out);
}

void writeStatsRow(std::FILE* out, int frame) {
    const FrameStats stats = measure();
    std::fprintf(out, "%d,%.17g,%.17g,%.17g,%.17g,%.9g,%.9g\n", frame, stats.kinetic, stats.spring,
                 stats.reach, stats.maxStrain, wind, gravity);
    std::fflush(out);  // a reader at the other end of a pipe sees each frame as it ends
}
