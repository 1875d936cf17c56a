#include "formats/jbp/JbpTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace vn {
namespace {

double Basis(int x, int u) {
    const double c = u == 0 ? std::sqrt(0.5) : 1.0;
    return c * std::cos((2 * x + 1) * u * std::numbers::pi / 16);
}

// The exact transform: sample(x, y) = 1/4 Σ C(u) C(v) F(v, u) cos … cos …
void ReferenceInverse(const int32_t in[64], double out[64]) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            double s = 0;
            for (int v = 0; v < 8; ++v)
                for (int u = 0; u < 8; ++u) s += in[v * 8 + u] * Basis(x, u) * Basis(y, v);
            out[y * 8 + x] = s / 4;
        }
}

void ReferenceForward(const double in[64], int32_t out[64]) {
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u) {
            double s = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) s += in[y * 8 + x] * Basis(x, u) * Basis(y, v);
            out[v * 8 + u] = static_cast<int32_t>(std::lround(s / 4));
        }
}

TEST(JbpTransform, FlatBlockIsItsDcOverEightShiftedDown) {
    for (auto [dc, sample] : {std::pair{80, 10}, {-9, -2}, {7, 0}, {-1, -1}, {1016, 127}}) {
        int32_t block[64] = {dc};
        JbpInverseTransform(block);
        for (int i = 0; i < 64; ++i) ASSERT_EQ(block[i], sample) << dc;
    }
}

// Blocks of random samples over the full range -128..127 and smooth blocks,
// through the exact forward transform: the truncating integer inverse stays
// within -5..+4 of the exact result (measured: -4.9..+3.3), biased down by
// under half a unit.
TEST(JbpTransform, StaysNearTheExactTransformWithASmallNegativeBias) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> sample(-128, 127.99);
    double low = 0, high = 0, sum = 0;
    int count = 0;
    for (int n = 0; n < 2000; ++n) {
        double pixels[64];
        const bool smooth = n % 2 == 1;
        for (int i = 0; i < 64; ++i)
            pixels[i] = smooth ? 100 * std::sin(i * 0.05 + n) : sample(random);
        int32_t block[64];
        ReferenceForward(pixels, block);
        double exact[64];
        ReferenceInverse(block, exact);
        JbpInverseTransform(block);
        for (int i = 0; i < 64; ++i) {
            const double e = block[i] - exact[i];
            low = std::min(low, e);
            high = std::max(high, e);
            sum += e;
            ++count;
        }
    }
    const double bias = sum / count;
    EXPECT_GE(low, -5.0);
    EXPECT_LE(high, 4.0);
    EXPECT_LT(bias, -0.1);
    EXPECT_GT(bias, -1.5);
    std::printf("integer inverse transform: error %.2f to %.2f, mean %.3f\n", low, high, bias);
}

}  // namespace
}  // namespace vn
