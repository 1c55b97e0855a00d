// The fast row evaluation (chunks, vectors, padding, marked lanes) against one sample evaluated plainly
// through sampleNormal, to the bit, on random nets and on the sphere's poles.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "anim/StrandTubes.h"
#include "hair/SphereAndTorus.h"
#include "nurbs/SampleNormal.h"

namespace {

// Sample (i, j) one component at a time: the u blend of each control column of the span, the v blend of
// those (each sum from its first term, in the fast path's order), then the point and normal.
SamplePoint plainSample(const NurbsSurface& s, int i, int j) {
    const float *nu = &s.sampleBasisU[i * s.orderU], *dnu = &s.sampleDerivU[i * s.orderU];
    const float *nv = &s.sampleBasisV[j * s.orderV], *dnv = &s.sampleDerivV[j * s.orderV];
    const float* corner =
        &s.controlPoints[((s.sampleSpanU[i] - s.degreeU) * s.countV + s.sampleSpanV[j] - s.degreeV) * 4];
    float S[4], Su[4], Sv[4], Suv[4];
    for (int c = 0; c < 4; ++c) {
        for (int m = 0; m < s.orderV; ++m) {
            float iso = nu[0] * corner[4 * m + c], isoDer = dnu[0] * corner[4 * m + c];
            for (int l = 1; l < s.orderU; ++l) {
                iso += nu[l] * corner[(l * s.countV + m) * 4 + c];
                isoDer += dnu[l] * corner[(l * s.countV + m) * 4 + c];
            }
            S[c] = m ? S[c] + nv[m] * iso : nv[m] * iso;
            Su[c] = m ? Su[c] + nv[m] * isoDer : nv[m] * isoDer;
            Sv[c] = m ? Sv[c] + dnv[m] * iso : dnv[m] * iso;
            Suv[c] = m ? Suv[c] + dnv[m] * isoDer : dnv[m] * isoDer;
        }
    }
    return sampleNormal(S, Su, Sv, Suv, residuesPerUnit(s.derivativeTermsU, s.derivativeTermsV),
                        s.normalFacing);
}

void expectFastIsPlain(NurbsSurface& surface, const std::string& name) {
    const std::vector<SurfaceVertex> fast = surface.evaluateGrid();
    for (int i = 0; i <= surface.samplesU; ++i)
        for (int j = 0; j <= surface.samplesV; ++j) {
            const SurfaceVertex& v = fast[i * (surface.samplesV + 1) + j];
            const SamplePoint p = plainSample(surface, i, j);
            const float plain[6] = {p.x.x, p.x.y, p.x.z, p.n.x, p.n.y, p.n.z};
            ASSERT_EQ(std::memcmp(&v.x, plain, sizeof plain), 0)
                << name << ", row " << i << ", sample " << j << ": n " << v.nx << " " << v.ny << " " << v.nz
                << " for " << p.n.x << " " << p.n.y << " " << p.n.z;
        }
}

}  // namespace

// Random nets of the tubes' layout (degrees 2 x 3), of the shapes' (2 x 2) and of another (3 x 1, over 31
// samples: two chunks, the second padded), with random weights, in every facing; then the degenerate nets:
// the sphere, whose collapsed pole rows take the limit direction, and the tubes of a strand collapsed to a
// point (near the origin and far out), of one whose points 3 and 4 coincide and of one lying flat (their
// truths are in StrandTubesTest).
TEST(RowEvaluation, FastPathIsThePlainEvaluation) {
    const std::vector<float> circle = {0, 0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 1};
    const std::vector<float> cubic = {0, 0, 0, 0, 0.2f, 0.5f, 0.7f, 1, 1, 1, 1};
    const std::vector<float> tubeU = {0, 0, 0, 1.0f / 6, 2.0f / 6, 0.5f, 4.0f / 6, 5.0f / 6, 1, 1, 1};
    const std::vector<float> tubeV = {0, 0, 0, 0, 1.0f / 6, 2.0f / 6, 0.5f, 4.0f / 6, 5.0f / 6, 1, 1, 1, 1};
    const std::vector<float> linear = {0, 0, 0.3f, 1, 1};
    const struct {
        const char* name;
        int degreeU, degreeV, samplesU, samplesV;
        const std::vector<float>&knotsU, &knotsV;
    } layouts[] = {{"tube layout", 2, 3, 10, 10, tubeU, tubeV},
                   {"shape layout", 2, 2, 20, 20, circle, circle},
                   {"3 x 1 layout", 3, 1, 7, 30, cubic, linear}};
    std::mt19937 random(19);
    std::uniform_real_distribution<float> coordinate(-150, 150), weight(0.5f, 2);
    NurbsSurface surface;
    for (const auto& l : layouts) {
        const int countU = l.knotsU.size() - l.degreeU - 1, countV = l.knotsV.size() - l.degreeV - 1;
        std::vector<float> net(countU * countV * 4);
        for (int k = 0; k < countU * countV; ++k) {
            net[4 * k + 3] = weight(random);
            for (int c = 0; c < 3; ++c) net[4 * k + c] = coordinate(random) * net[4 * k + 3];
        }
        surface.setup(l.degreeU, l.degreeV, countU, countV, net.data(), l.knotsU.data(), l.knotsV.data(),
                      l.samplesU, l.samplesV);
        for (NormalFacing facing : {kNormalsAsEvaluated, kNormalsTowardOrigin, kNormalsIntoTube}) {
            surface.normalFacing = facing;
            expectFastIsPlain(surface, std::string(l.name) + ", facing " + std::to_string(facing));
        }
    }
    hair::buildSurfaceOfRevolution(surface, 100, 0, kNormalsTowardOrigin);
    expectFastIsPlain(surface, "sphere");
    const float strands[4][2][3] = {{{0.5f, 0.25f, -0.5f}, {0, 0, 0}},
                                    {{731, 417, -883}, {0, 0, 0}},
                                    {{70, 30, -90}, {2, 5, 1}},
                                    {{73.1f, 37.5f, 0}, {10, 0, 0}}};  // start, step
    for (int s = 0; s < 4; ++s) {
        HairPoint points[8] = {};
        for (int k = 0; k < 8; ++k)
            for (int c = 0; c < 3; ++c)
                points[k].position[c] = strands[s][0][c] + (k - (s == 2 && k >= 4)) * strands[s][1][c];
        NurbsSurface tube;
        anim::buildStrandTube(points, 1.0f, tube);
        expectFastIsPlain(tube, "strand " + std::to_string(s));
    }
}
