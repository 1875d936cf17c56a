#pragma once
// Writes a JBP stream from quantisation tables and quantised coefficients.

#include <cstdint>
#include <optional>
#include <vector>

#include "formats/jbp/JbpLayout.h"

namespace vn {

// nullopt when the coefficients do not match the picture's block count or
// hold a value (or DC difference) outside the 15 categories of the format.
std::optional<std::vector<uint8_t>> WriteJbpStream(const JbpCoefficients& coefficients);

}  // namespace vn
