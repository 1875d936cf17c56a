#pragma once
// Movie files: a 48-byte header, a 24-byte index entry per frame and the
// frames' JBP streams in playing order.
//
//   header: 0 "JMV1" and 4 zero bytes (not read by the player), 8 frame
//   count, 12 frames per second, 16 bytes of frame data, 20 width,
//   24 height, 28-47 zero.
//   entry:  0 frame number, 4 size, 8 time of the frame in ms, 12 zero,
//   16 offset from the end of the index, 20 zero.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vn {

struct JmvFrame {
    uint32_t size = 0;
    uint32_t offset = 0;  // from the end of the index
};

struct JmvInfo {
    uint32_t frameCount = 0;
    uint32_t fps = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t dataStart = 0;  // 48 + 24 * frameCount
    std::vector<JmvFrame> frames;
};

class JmvFile {
public:
    static constexpr size_t kHeaderSize = 48, kEntrySize = 24;

    // The player reads frames into two buffers of this size and cannot take
    // a frame larger than one buffer.
    static uint32_t ReadBufferSize(uint32_t width) { return width >= 640 ? 262144 : 65536; }

    // The whole file; nullopt with a reason for no frames per second, a
    // zero size, or a frame larger than the player's read buffer.
    static std::optional<std::vector<uint8_t>> Build(uint32_t width, uint32_t height, uint32_t fps,
                                                     const std::vector<std::vector<uint8_t>>& frames,
                                                     std::string* error);
    // The header and index, checked against the file: every frame inside
    // it and no larger than the read buffer.
    static std::optional<JmvInfo> Parse(std::span<const uint8_t> bytes, std::string* error);
};

}  // namespace vn
