#include "tools/jmv/JmvFile.h"

#include "formats/io/RecordFields.h"

namespace vn {
namespace {

std::nullopt_t Fail(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> JmvFile::Build(uint32_t width, uint32_t height, uint32_t fps,
                                                   const std::vector<std::vector<uint8_t>>& frames,
                                                   std::string* error) {
    if (fps == 0 || width == 0 || height == 0) return Fail(error, "frame rate and size must not be 0");
    const uint32_t limit = ReadBufferSize(width);
    uint64_t data = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].size() > limit)
            return Fail(error, "frame " + std::to_string(i) + " has " + std::to_string(frames[i].size()) +
                                   " bytes, more than the player's read buffer of " + std::to_string(limit));
        data += frames[i].size();
    }
    const uint64_t indexEnd = kHeaderSize + kEntrySize * frames.size();
    if (indexEnd + data > UINT32_MAX) return Fail(error, "movie larger than 4 GB");
    std::vector<uint8_t> out(indexEnd);
    const uint8_t magic[] = {'J', 'M', 'V', '1'};
    std::copy(magic, magic + 4, out.begin());
    PutU32(&out[8], static_cast<uint32_t>(frames.size()));
    PutU32(&out[12], fps);
    PutU32(&out[16], static_cast<uint32_t>(data));
    PutU32(&out[20], width);
    PutU32(&out[24], height);
    uint32_t offset = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        uint8_t* e = &out[kHeaderSize + kEntrySize * i];
        PutU32(e, static_cast<uint32_t>(i));
        PutU32(e + 4, static_cast<uint32_t>(frames[i].size()));
        PutU32(e + 8, static_cast<uint32_t>(i * 1000 / fps));
        PutU32(e + 16, offset);
        offset += static_cast<uint32_t>(frames[i].size());
    }
    for (const auto& f : frames) out.insert(out.end(), f.begin(), f.end());
    return out;
}

std::optional<JmvInfo> JmvFile::Parse(std::span<const uint8_t> bytes, std::string* error) {
    if (bytes.size() < kHeaderSize) return Fail(error, "shorter than the 48-byte header");
    JmvInfo info;
    info.frameCount = GetU32(&bytes[8]);
    info.fps = GetU32(&bytes[12]);
    info.width = GetU32(&bytes[20]);
    info.height = GetU32(&bytes[24]);
    const uint64_t indexEnd = kHeaderSize + uint64_t{kEntrySize} * info.frameCount;
    if (indexEnd > bytes.size()) return Fail(error, "index of " + std::to_string(info.frameCount) + " frames runs past the end");
    if (info.fps == 0) return Fail(error, "0 frames per second");
    info.dataStart = static_cast<uint32_t>(indexEnd);
    const uint32_t limit = ReadBufferSize(info.width);
    for (uint32_t i = 0; i < info.frameCount; ++i) {
        const uint8_t* e = &bytes[kHeaderSize + kEntrySize * i];
        const JmvFrame f{GetU32(e + 4), GetU32(e + 16)};
        if (indexEnd + f.offset + f.size > bytes.size())
            return Fail(error, "frame " + std::to_string(i) + " lies outside the file");
        if (f.size > limit) return Fail(error, "frame " + std::to_string(i) + " is larger than the read buffer");
        info.frames.push_back(f);
    }
    return info;
}

}  // namespace vn
