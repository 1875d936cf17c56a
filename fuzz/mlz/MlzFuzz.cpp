// Any bytes as an .mlz file: directory and entry reads must refuse or
// succeed, never read out of bounds. The tail also feeds the expander.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/LzssExpander.h"
#include "formats/mlz/MlzArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vn::MemoryFileSystem files;
    files.Bytes("a.mlz").assign(data, data + size);
    vn::MlzArchive archive(files);
    if (archive.LoadDirectory("a.mlz") != nullptr) {
        const uint32_t count = archive.EntryCount();
        for (uint32_t i = 0; i < count && i < 64; ++i) {
            (void)archive.ReadEntryAt("a.mlz", i);
            const vn::MlzEntry e = archive.Entry(i);
            if (e.name[0] != '\0') (void)archive.ReadEntry("a.mlz", e.name);
        }
    }
    if (size > 2) {
        // First two bytes: the expanded size to ask for.
        std::vector<uint8_t> out(data[0] | (data[1] << 8));
        vn::LzssExpander expander;
        (void)expander.Expand(out, std::span(data + 2, size - 2));
    }
    return 0;
}
