// The row evaluation of a NurbsSurface: the point and unit normal of every sample of one grid row, from
// the control net and the basis tables, into the vertex ring. Single precision in a fixed order of
// operations, so that results are reproducible bit for bit; the loops are arranged to vectorise.
//
// Per sample j of row i, with Nu, dNu the row's u basis values and derivatives and Nv, dNv the sample's:
//   iso[m]    = sum_l Nu[l] P(l, m),   isoDer[m] = sum_l dNu[l] P(l, m)    (u blend, once per v span)
//   S  = sum_m Nv[m] iso[m],   Su = sum_m Nv[m] isoDer[m],   Sv = sum_m dNv[m] iso[m]   (homogeneous)
//   Suv = sum_m dNv[m] isoDer[m], only where a derivative may vanish
// and from these the point and its normal through the pieces of SampleNormal.h, many samples at once: the
// same operations in the same order as sampleNormal there, which the tests hold this evaluation against.
#include "nurbs/RowEvaluation.h"

#include <cstring>

#include "nurbs/SampleNormal.h"

namespace {

// The kernels below take an order as a template argument where it is known at compile time (the strand
// tubes are 3 x 4, the sphere and the torus 3 x 3), so that every loop over it unrolls, or kRunTimeOrder
// to use the order passed beside it. The operations and their order are the same either way.
constexpr int kRunTimeOrder = 0;
template <int Order>
int orderOrRunTime(int runTimeOrder) {
    return Order == kRunTimeOrder ? runTimeOrder : Order;
}

// A homogeneous point (x*w, y*w, z*w, w) in one register. Each lane of an operation on it does what the
// scalar operation would on that component, so blends keep their results to the bit.
typedef float Float4 __attribute__((vector_size(16)));

Float4 load4(const float* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// iso[m] = sum over l of nu[l]*P(l, m), isoDer[m] the same with dnu, all four components, where P(l, m) is
// the control point l rows (rowStride floats each) and m points past `corner`.
template <int OrderU, int OrderV>
void blendControlRows(const float* corner, int rowStride, const float* nu, const float* dnu, int runOrderU,
                      int runOrderV, float* iso, float* isoDer) {
    const int orderU = orderOrRunTime<OrderU>(runOrderU), orderV = orderOrRunTime<OrderV>(runOrderV);
    for (int m = 0; m < orderV; ++m) {
        const Float4 p = load4(corner + 4 * m);
        Float4 a = nu[0] * p;
        Float4 b = dnu[0] * p;
        for (int l = 1; l < orderU; ++l) {
            const Float4 q = load4(corner + 4 * m + l * rowStride);
            a += nu[l] * q;
            b += dnu[l] * q;
        }
        std::memcpy(iso + 4 * m, &a, sizeof a);
        std::memcpy(isoDer + 4 * m, &b, sizeof b);
    }
}

// sum over m of weights[m]*rows[m], four components, summed in order of m.
template <int Order>
void blendRows(const float* rows, const float* weights, int runOrder, float* sum) {
    const int order = orderOrRunTime<Order>(runOrder);
    Float4 total = weights[0] * load4(rows);
    for (int m = 1; m < order; ++m) total += weights[m] * load4(rows + 4 * m);
    std::memcpy(sum, &total, sizeof total);
}

// Samples of a row evaluated together. Their homogeneous sums are blended sample by sample (the u blend
// changes with the v span); points, normals and unit normals then follow in loops over the chunk that the
// compiler vectorises, one sample per lane, each lane doing what sampleNormal would. A chunk holds a whole
// row of the tubes (11 samples) and of the shapes (21).
constexpr int kChunk = 24;
struct SampleChunk {
    float S[kChunk][4], Su[kChunk][4], Sv[kChunk][4];  // the homogeneous point and its u and v derivatives
    float x[kChunk], y[kChunk], z[kChunk];
    float x2[kChunk];                          // |X|^2
    float nx[kChunk], ny[kChunk], nz[kChunk];  // Dv x Du, unit once finishNormals has run
    int limit[kChunk];                         // a derivative may vanish: normalDirection decides
};

// The points and the normal directions Dv x Du of the first `count` samples, marking those where a
// derivative may vanish: the shorter one within the relative test or within the larger of the two
// residues, a test that every vanishing derivative passes.
void pointsAndDirections(SampleChunk& chunk, int count, const Residues& perUnit) {
    const float residue2 = std::max(perUnit.u * perUnit.u, perUnit.v * perUnit.v);
    for (int k = 0; k < count; ++k) {
        const Projection p = project(chunk.S[k], chunk.Su[k], chunk.Sv[k]);
        const Vec3 n = cross(p.dv, p.du);
        const float du2 = dot(p.du, p.du);
        const float dv2 = dot(p.dv, p.dv);
        chunk.x[k] = p.x.x, chunk.y[k] = p.x.y, chunk.z[k] = p.x.z;
        chunk.x2[k] = dot(p.x, p.x);
        chunk.nx[k] = n.x, chunk.ny[k] = n.y, chunk.nz[k] = n.z;
        chunk.limit[k] = vanishes(std::min(du2, dv2), std::max(du2, dv2), residue2 * chunk.x2[k]);
    }
}

// The unit normals of the first `count` samples, turned the way the surface faces.
template <NormalFacing Facing>
void finishNormalsFacing(SampleChunk& chunk, int count, float residueU) {
    for (int k = 0; k < count; ++k) {
        const Vec3 n = unitNormal({chunk.nx[k], chunk.ny[k], chunk.nz[k]});
        const Vec3 x = {chunk.x[k], chunk.y[k], chunk.z[k]};
        const Vec3 faced = turned(n, turnsAway(Facing, n, x, chunk.x2[k], chunk.Su[k], residueU));
        chunk.nx[k] = faced.x, chunk.ny[k] = faced.y, chunk.nz[k] = faced.z;
    }
}

void finishNormals(SampleChunk& chunk, int count, NormalFacing facing, float residueU) {
    switch (facing) {
        case kNormalsTowardOrigin:
            return finishNormalsFacing<kNormalsTowardOrigin>(chunk, count, residueU);
        case kNormalsIntoTube:
            return finishNormalsFacing<kNormalsIntoTube>(chunk, count, residueU);
        default:
            return finishNormalsFacing<kNormalsAsEvaluated>(chunk, count, residueU);
    }
}

// The lanes from `count` up to the next multiple of 4 take copies of the last sample, so that the loop
// over the chunk runs in whole vectors instead of two or three samples one by one after them (a single
// sample left over runs alone, for less); the copies' results go unused. Returns the lanes to evaluate.
int padToWholeVectors(SampleChunk& chunk, int count) {
    const int padded = count % 4 >= 2 ? (count + 3) & ~3 : count;
    for (int k = count; k < padded; ++k) {
        std::memcpy(chunk.S[k], chunk.S[count - 1], sizeof chunk.S[k]);
        std::memcpy(chunk.Su[k], chunk.Su[count - 1], sizeof chunk.Su[k]);
        std::memcpy(chunk.Sv[k], chunk.Sv[count - 1], sizeof chunk.Sv[k]);
    }
    return padded;
}

// Row i of the surface's grid into the ring slots of the given parity, kChunk samples at a time.
template <int OrderU, int OrderV>
void evaluateRowOf(NurbsSurface& surface, int i, int parity, float s) {
    const int orderU = orderOrRunTime<OrderU>(surface.orderU),
              orderV = orderOrRunTime<OrderV>(surface.orderV);
    const int r = surface.sampleSpanU[i];
    const float* nu = surface.sampleBasisU.data() + i * orderU;
    const float* dnu = surface.sampleDerivU.data() + i * orderU;
    const float* nv = surface.sampleBasisV.data();
    const float* dnv = surface.sampleDerivV.data();
    const Residues perUnit = residuesPerUnit(surface.derivativeTermsU, surface.derivativeTermsV);
    float* iso = surface.isoPoints.data();
    float* isoDer = surface.isoDerivs.data();
    int cachedSpan = -1;  // the v span that iso and isoDer hold; none at the start of a row
    auto blendControlRowsOfSpan = [&](int j) {
        const int q = surface.sampleSpanV[j];
        if (q == cachedSpan) return;
        cachedSpan = q;
        const float* corner = surface.controlPoints.data() +
                              ((r - surface.degreeU) * surface.countV + (q - surface.degreeV)) * 4;
        blendControlRows<OrderU, OrderV>(corner, surface.countV * 4, nu, dnu, orderU, orderV, iso, isoDer);
    };
    const float dt = 1.0f / surface.samplesV;
    float t = 0.0f;
    SampleChunk chunk;
    for (int first = 0; first <= surface.samplesV; first += kChunk) {
        const int count = std::min(kChunk, surface.samplesV + 1 - first);
        for (int k = 0; k < count; ++k) {
            const int j = first + k;
            blendControlRowsOfSpan(j);
            blendRows<OrderV>(iso, nv + j * orderV, orderV, chunk.S[k]);
            blendRows<OrderV>(isoDer, nv + j * orderV, orderV, chunk.Su[k]);
            blendRows<OrderV>(iso, dnv + j * orderV, orderV, chunk.Sv[k]);
        }
        pointsAndDirections(chunk, padToWholeVectors(chunk, count), perUnit);
        for (int k = 0; k < count; ++k) {
            if (!chunk.limit[k]) continue;
            const int j = first + k;
            blendControlRowsOfSpan(j);
            float Suv[4];
            blendRows<OrderV>(isoDer, dnv + j * orderV, orderV, Suv);
            const Projection p = project(chunk.S[k], chunk.Su[k], chunk.Sv[k]);
            const Vec3 n = normalDirection(p, chunk.x2[k], perUnit, Suv, chunk.Su[k], chunk.Sv[k]);
            chunk.nx[k] = n.x, chunk.ny[k] = n.y, chunk.nz[k] = n.z;
        }
        finishNormals(chunk, count, surface.normalFacing, perUnit.u);
        for (int k = 0; k < count; ++k) {
            surface.vertexRing[2 * (first + k) + parity] = {chunk.x[k],  chunk.y[k],  chunk.z[k], chunk.nx[k],
                                                            chunk.ny[k], chunk.nz[k], s,          t};
            t += dt;
        }
    }
}

}  // namespace

void NurbsSurface::evaluateRow(int i, int parity, float s) {
    if (orderU == 3 && orderV == 4) return evaluateRowOf<3, 4>(*this, i, parity, s);
    if (orderU == 3 && orderV == 3) return evaluateRowOf<3, 3>(*this, i, parity, s);
    evaluateRowOf<kRunTimeOrder, kRunTimeOrder>(*this, i, parity, s);
}
