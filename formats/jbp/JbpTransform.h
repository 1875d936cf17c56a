#pragma once
// The integer 8 × 8 inverse DCT of the JBP decoder (the Loeffler-Ligtenberg-
// Moschytz flow of the JPEG library's accurate integer method) with 16-bit
// fraction constants. Every product is truncated ((x × k) >> 16) and nothing
// is rounded, as the handheld decoder computes it; results stay within a few
// units of the exact transform, slightly biased downwards.

#include <cstdint>

namespace vn {

// In place: dequantised coefficients in natural order in, samples (centred
// on 0, before the +128 of the colour step) out.
void JbpInverseTransform(int32_t block[64]);

}  // namespace vn
