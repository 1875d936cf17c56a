#include "formats/jbp/JbpEncoder.h"

#include "formats/jbp/JbpWriter.h"
#include "formats/jbp/JpegCoefficients.h"

namespace vn {

std::optional<std::vector<uint8_t>> JbpEncode(const Bitmap& picture, int quality,
                                              std::vector<uint8_t>* jpeg) {
    auto encoded = EncodeJpeg(picture, quality);
    if (!encoded) return std::nullopt;
    auto coefficients = ReadJpegCoefficients(*encoded);
    if (!coefficients) return std::nullopt;
    coefficients->quality = quality;
    if (jpeg != nullptr) *jpeg = std::move(*encoded);
    return WriteJbpStream(*coefficients);
}

}  // namespace vn
