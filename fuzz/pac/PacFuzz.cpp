// The PAC reader and both decoders over arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "converter/pac/PacDecode.h"
#include "converter/pac/PacReader.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/io/RecordFields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vn;
    // As an archive: the directory, then every entry by the archive's method.
    MemoryFileSystem fs;
    fs.Bytes("f.pac").assign(data, data + size);
    if (auto dir = PacOpen(fs, "f.pac")) {
        size_t reads = 0;
        for (const PacEntry& e : dir->entries) {
            if (++reads > 64) break;
            // Sizes kept small so that each run stays fast; the bounds are the same.
            PacEntry small = e;
            small.expandedSize %= 1u << 20;
            PacReadEntry(fs, "f.pac", small, dir->header.method);
            PacFind(*dir, e.name);
        }
    }
    // As a bare stream: four bytes of expanded size, then the stream.
    if (size >= 4) {
        const uint32_t expanded = GetU32(data) % (1u << 20);
        const std::span<const uint8_t> stream(data + 4, size - 4);
        PacLzssExpand(stream, expanded);
        PacHuffmanExpand(stream, expanded);
    }
    return 0;
}
