#include "formats/jbp/JbpTransform.h"

namespace vn {
namespace {

// 0.541196100, 0.765366865, -1.847759065, 1.175875602, -0.899976223,
// -2.562915447, -1.961570560, -0.390180644, 1.501321110, 0.298631336,
// 3.072711026, 2.053119869 times 65536.
constexpr int32_t k0541 = 35467, k0765 = 50159, kN1847 = -121094, k1175 = 77062;
constexpr int32_t kN0899 = -58980, kN2562 = -167963, kN1961 = -128553, kN0390 = -25570;
constexpr int32_t k1501 = 98390, k0298 = 19571, k3072 = 201373, k2053 = 134553;

// The 64-bit product keeps hostile coefficients from overflowing; for every
// value a real stream holds it equals the 32-bit one.
inline int32_t Mul(int32_t x, int32_t k) {
    return static_cast<int32_t>((static_cast<int64_t>(x) * k) >> 16);
}

// One 8-point pass over in[0], in[step], ... in[7 * step], written back with
// each result shifted right by shift.
inline void Pass(int32_t* in, int step, int shift) {
    int32_t z2 = in[2 * step], z3 = in[6 * step];
    int32_t z1 = Mul(z2 + z3, k0541);
    const int32_t e2 = z1 + Mul(z3, kN1847);
    const int32_t e3 = z1 + Mul(z2, k0765);
    const int32_t e0 = in[0] + in[4 * step];
    const int32_t e1 = in[0] - in[4 * step];
    const int32_t t10 = e0 + e3, t13 = e0 - e3, t11 = e1 + e2, t12 = e1 - e2;

    int32_t o0 = in[7 * step], o1 = in[5 * step], o2 = in[3 * step], o3 = in[step];
    z1 = o0 + o3;
    z2 = o1 + o2;
    z3 = o0 + o2;
    int32_t z4 = o1 + o3;
    const int32_t z5 = Mul(z3 + z4, k1175);
    o0 = Mul(o0, k0298);
    o1 = Mul(o1, k2053);
    o2 = Mul(o2, k3072);
    o3 = Mul(o3, k1501);
    z1 = Mul(z1, kN0899);
    z2 = Mul(z2, kN2562);
    z3 = Mul(z3, kN1961) + z5;
    z4 = Mul(z4, kN0390) + z5;
    o0 += z1 + z3;
    o1 += z2 + z4;
    o2 += z2 + z3;
    o3 += z1 + z4;

    in[0] = (t10 + o3) >> shift;
    in[7 * step] = (t10 - o3) >> shift;
    in[1 * step] = (t11 + o2) >> shift;
    in[6 * step] = (t11 - o2) >> shift;
    in[2 * step] = (t12 + o1) >> shift;
    in[5 * step] = (t12 - o1) >> shift;
    in[3 * step] = (t13 + o0) >> shift;
    in[4 * step] = (t13 - o0) >> shift;
}

}  // namespace

void JbpInverseTransform(int32_t block[64]) {
    for (int c = 0; c < 8; ++c) {
        int32_t* col = block + c;
        if ((col[8] | col[16] | col[24] | col[32] | col[40] | col[48] | col[56]) == 0) {
            for (int r = 1; r < 8; ++r) col[r * 8] = col[0];  // no AC terms: flat column
            continue;
        }
        Pass(col, 8, 0);
    }
    for (int r = 0; r < 8; ++r) {
        int32_t* row = block + r * 8;
        if ((row[1] | row[2] | row[3] | row[4] | row[5] | row[6] | row[7]) == 0) {
            // What the full pass gives for a row without AC terms.
            const int32_t v = row[0] >> 3;
            for (int i = 0; i < 8; ++i) row[i] = v;
            continue;
        }
        Pass(row, 1, 3);
    }
}

}  // namespace vn
