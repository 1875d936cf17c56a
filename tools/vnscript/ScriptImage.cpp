#include "tools/vnscript/ScriptImage.h"

#include <algorithm>

#include "formats/io/RecordFields.h"

namespace vn {

std::optional<ScriptImage> ScriptImage::Parse(std::span<const uint8_t> bytes,
                                              std::string* error) {
    auto fail = [&](const char* why) -> std::optional<ScriptImage> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (bytes.size() < 12) return fail("file shorter than the 12-byte header");
    ScriptImage image;
    std::copy_n(bytes.begin(), 8, image.header.begin());
    const uint32_t count = GetU32(bytes.data() + 8);
    size_t codeStart = 12;
    image.labelWords.clear();
    if (count == kNoLabels) {
        image.hasLabels = false;
    } else {
        if (count > kMaxLabels) return fail("more than 511 labels");
        codeStart = 12 + 4 * (size_t{count} + 1);
        if (codeStart > bytes.size()) return fail("label table runs past the end of the file");
        for (uint32_t i = 0; i <= count; ++i)
            image.labelWords.push_back(GetU32(bytes.data() + 12 + 4 * i));
    }
    image.code.assign(bytes.begin() + codeStart, bytes.end());
    return image;
}

std::vector<uint8_t> ScriptImage::Serialize() const {
    std::vector<uint8_t> out(header.begin(), header.end());
    out.resize(12 + (hasLabels ? 4 * labelWords.size() : 0));
    PutU32(out.data() + 8,
           hasLabels ? static_cast<uint32_t>(labelWords.size() - 1) : kNoLabels);
    if (hasLabels) {
        for (size_t i = 0; i < labelWords.size(); ++i)
            PutU32(out.data() + 12 + 4 * i, labelWords[i]);
    }
    out.insert(out.end(), code.begin(), code.end());
    return out;
}

std::vector<uint8_t> PackText(std::span<const uint8_t> text) {
    std::vector<uint8_t> out(text.begin(), text.end());
    out.push_back(0);
    while (out.size() % 4 != 0) out.push_back(0);
    return out;
}

}  // namespace vn
