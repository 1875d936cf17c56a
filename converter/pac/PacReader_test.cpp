#include "converter/pac/PacReader.h"

#include <gtest/gtest.h>

#include "converter/pac/PacWriter.h"
#include "formats/io/MemoryFileSystem.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

const char kKanjiName[] = "\x89\xe6\x91\x9c.bmp";  // 画像.bmp

TEST(PacReader, ReadsWhatTheWriterMadeInEveryMethod) {
    for (uint32_t method : {kPacMethodStored, kPacMethodLzss, kPacMethodHuffman, 7u}) {
        MemoryFileSystem fs;
        PacWriter writer(method);
        ASSERT_TRUE(writer.Add("Start.DAT", Text("script script script")));
        ASSERT_TRUE(writer.Add(kKanjiName, Bytes(3000, 0x5C)));
        ASSERT_TRUE(writer.Add("empty.txt", {}));
        ASSERT_TRUE(writer.WriteFile(fs, "a.pac"));
        const auto dir = PacOpen(fs, "a.pac");
        ASSERT_TRUE(dir);
        EXPECT_EQ(dir->header.method, method);
        ASSERT_EQ(dir->entries.size(), 3u);
        const PacEntry* found = PacFind(*dir, "START.dat");
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(PacReadEntry(fs, "a.pac", *found, method), Text("script script script"));
        ASSERT_NE(PacFind(*dir, kKanjiName), nullptr);
        EXPECT_EQ(PacReadEntry(fs, "a.pac", dir->entries[1], method), Bytes(3000, 0x5C));
        EXPECT_EQ(PacReadEntry(fs, "a.pac", dir->entries[2], method), Bytes{});
        EXPECT_EQ(PacFind(*dir, "Start"), nullptr);
    }
}

TEST(PacReader, MissingFileIsNothingWithoutError) {
    MemoryFileSystem fs;
    std::string error = "x";
    EXPECT_FALSE(PacOpen(fs, "none.pac", &error));
    EXPECT_TRUE(error.empty());
}

TEST(PacReader, RefusesDirectoriesAndEntriesOutsideTheFile) {
    MemoryFileSystem fs;
    PacWriter writer(kPacMethodStored);
    ASSERT_TRUE(writer.Add("a", Text("0123456789")));
    const Bytes good = *writer.Build();

    std::string error;
    fs.Bytes("short.pac") = Bytes(good.begin(), good.begin() + 8);
    EXPECT_FALSE(PacOpen(fs, "short.pac", &error));
    EXPECT_FALSE(error.empty());

    Bytes lying = good;
    PutU32(lying.data() + 4, 0x10000000);  // entry count far past the file
    fs.Bytes("lying.pac") = lying;
    EXPECT_FALSE(PacOpen(fs, "lying.pac", &error));
    EXPECT_FALSE(error.empty());

    Bytes cut = good;
    cut.pop_back();  // the entry's last stored byte is gone
    fs.Bytes("cut.pac") = cut;
    const auto dir = PacOpen(fs, "cut.pac");
    ASSERT_TRUE(dir);
    EXPECT_FALSE(PacReadEntry(fs, "cut.pac", dir->entries[0], 0, &error));
    EXPECT_FALSE(error.empty());

    PacEntry longer = dir->entries[0];
    longer.storedSize = 9;  // stored bytes fewer than the expanded size
    EXPECT_FALSE(PacReadEntry(fs, "cut.pac", longer, kPacMethodStored, &error));
}

TEST(PacWriter, RefusesBadNames) {
    PacWriter writer;
    EXPECT_FALSE(writer.Add("", Text("x")));
    EXPECT_FALSE(writer.Add(std::string(64, 'n').c_str(), Text("x")));
    EXPECT_TRUE(writer.Add(std::string(63, 'n').c_str(), Text("x")));
    EXPECT_EQ(writer.EntryCount(), 1u);
}

}  // namespace
}  // namespace vn
