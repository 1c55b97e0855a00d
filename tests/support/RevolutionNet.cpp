// The rational net of a surface of revolution: (T, S) walks the control square of the unit profile circle,
// (P, Q) the control square around the z axis; corners (odd indices) carry the weight sqrt(2)/2.
#include "support/RevolutionNet.h"

#include <cmath>

RevolutionNet makeRevolutionNet(float profileRadius, float axisOffset) {
    static const float T[9] = {-1, -1, 0, 1, 1, 1, 0, -1, -1};
    static const float S[9] = {0, 1, 1, 1, 0, -1, -1, -1, 0};
    static const float P[9] = {0, -1, -1, -1, 0, 1, 1, 1, 0};
    static const float Q[9] = {1, 1, 0, -1, -1, -1, 0, 1, 1};
    static const float knots[12] = {0, 0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 1};
    const float h = static_cast<float>(std::sqrt(2.0) / 2.0);

    RevolutionNet net;
    for (int k = 0; k < 12; ++k) net.knots[k] = knots[k];
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const float w = static_cast<float>(static_cast<double>(j % 2 ? h : 1.0f) * (i % 2 ? h : 1.0f));
            const float d = static_cast<float>(static_cast<double>(profileRadius) * T[i] + axisOffset);
            float* point = net.points + (i * 9 + j) * 4;
            point[0] = static_cast<float>(static_cast<double>(d) * P[j] * w);
            point[1] = static_cast<float>(static_cast<double>(d) * Q[j] * w);
            point[2] = static_cast<float>(static_cast<double>(profileRadius) * S[i] * w);
            point[3] = w;
        }
    }
    return net;
}

RevolutionNet transposed(const RevolutionNet& net) {
    RevolutionNet result = net;
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            for (int c = 0; c < 4; ++c) result.points[(j * 9 + i) * 4 + c] = net.points[(i * 9 + j) * 4 + c];
    return result;
}

void setUpRevolution(NurbsSurface& surface, const RevolutionNet& net, int samples) {
    surface.release();
    surface.setup(2, 2, 9, 9, net.points, net.knots, net.knots, samples, samples);
}
