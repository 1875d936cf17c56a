#include "formats/mlz/MlzArchive.h"

#include <gtest/gtest.h>

#include <string>

#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzWriter.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

struct Item {
    std::string name;
    Bytes bytes;
    uint32_t method;
};

void Write(MemoryFileSystem& fs, const char* path, const std::vector<Item>& items) {
    MlzWriter writer(fs);
    ASSERT_TRUE(writer.Create(path, static_cast<uint32_t>(items.size())));
    for (uint32_t i = 0; i < items.size(); ++i) {
        ASSERT_TRUE(writer.AddEntry(i, items[i].name.c_str(), items[i].bytes, items[i].method))
            << writer.LastError();
    }
    ASSERT_TRUE(writer.Finish());
}

TEST(MlzWriter, LaysOutHeaderDirectoryAndData) {
    MemoryFileSystem fs;
    Write(fs, "a.mlz", {{"one.bin", Text("stored!"), 0}, {"two.bin", Bytes(40, 'x'), 1}});
    const Bytes& f = fs.Bytes("a.mlz");
    ASSERT_GE(f.size(), 16u + 2 * 84);
    EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RLZ2");
    EXPECT_EQ(GetU32(&f[4]), 2u);
    EXPECT_EQ(GetU32(&f[8]), f.size());
    EXPECT_EQ(GetU32(&f[12]), 0u);
    const uint8_t* r0 = &f[16];
    const uint8_t* r1 = &f[16 + 84];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r0)), "one.bin");
    for (int i = 7; i < 64; ++i) EXPECT_EQ(r0[i], 0) << i;
    EXPECT_EQ(GetU32(r0 + 64), 7u);
    EXPECT_EQ(GetU32(r0 + 68), 7u);
    EXPECT_EQ(GetU32(r0 + 72), 0u);
    EXPECT_EQ(GetU32(r0 + 76), 0u);
    EXPECT_EQ(GetU32(r1 + 68), 40u);
    EXPECT_EQ(GetU32(r1 + 72), 1u);
    EXPECT_EQ(GetU32(r1 + 76), 7u);  // right after the first entry's bytes
    EXPECT_EQ(16u + 2 * 84 + 7 + GetU32(r1 + 64), f.size());
    EXPECT_EQ(std::string(f.begin() + 16 + 2 * 84, f.begin() + 16 + 2 * 84 + 7), "stored!");
}

TEST(MlzArchive, FindsEntriesByName) {
    MemoryFileSystem fs;
    const std::string longName(63, 'n');
    Write(fs, "a.mlz",
          {{"Script.bin", Text("first"), 1},
           {"SCRIPT.BIN", Text("second"), 1},
           {longName, Text("long"), 1},
           {"\x83\x61.bin", Text("kana a"), 0},
           {"empty", {}, 1}});
    MlzArchive archive(fs);
    EXPECT_EQ(archive.ReadEntry("a.mlz", "script.bin"), Text("first"));  // first of duplicates
    EXPECT_EQ(archive.ReadEntry("a.mlz", longName.c_str()), Text("long"));
    EXPECT_EQ(archive.ReadEntry("a.mlz", "\x83\x61.BIN"), Text("kana a"));
    EXPECT_FALSE(archive.ReadEntry("a.mlz", "\x83\x41.bin"));  // second byte not folded
    EXPECT_EQ(archive.ReadEntry("a.mlz", "empty"), Bytes{});
    EXPECT_EQ(archive.Entry(4).method, kMlzMethodStored);
    EXPECT_FALSE(archive.ReadEntry("a.mlz", "missing"));
    EXPECT_FALSE(archive.ReadEntry("a.mlz", ""));
    EXPECT_EQ(fs.Bytes("a.mlz")[16 + 2 * 84 + 63], 0);  // 64th byte of the name field
}

TEST(MlzWriter, RefusesWhatTheDirectoryCannotHold) {
    MemoryFileSystem fs;
    MlzWriter writer(fs);
    ASSERT_TRUE(writer.Create("a.mlz", 1));
    EXPECT_FALSE(writer.AddEntry(0, std::string(64, 'n').c_str(), Text("x"), 1));
    EXPECT_FALSE(writer.AddEntry(1, "x", Text("x"), 1));
    EXPECT_TRUE(writer.AddEntry(0, "x", Text("x"), 1));
    EXPECT_FALSE(writer.AddEntry(0, "y", Text("y"), 1));
    EXPECT_TRUE(writer.Finish());
}

TEST(MlzArchive, EmptyArchiveAndAllZeroRecords) {
    MemoryFileSystem fs;
    Write(fs, "none.mlz", {});
    EXPECT_EQ(fs.Bytes("none.mlz").size(), 16u);
    MlzArchive archive(fs);
    EXPECT_NE(archive.LoadDirectory("none.mlz"), nullptr);
    EXPECT_FALSE(archive.ReadEntry("none.mlz", "x"));

    MlzWriter writer(fs);
    ASSERT_TRUE(writer.Create("gap.mlz", 3));
    ASSERT_TRUE(writer.AddEntry(1, "face.rbp", Text("face"), 1));
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(archive.ReadEntry("gap.mlz", "face.rbp"), Text("face"));
    EXPECT_EQ(archive.EntryCount(), 3u);
    EXPECT_EQ(archive.Entry(0).name[0], '\0');
    EXPECT_EQ(archive.Entry(2).storedSize, 0u);
}

TEST(MlzArchive, CachesOneDirectory) {
    MemoryFileSystem fs;
    Write(fs, "data\\bg.mlz", {{"a", Text("A"), 1}});
    Write(fs, "data\\Stand.mlz", {{"b", Text("B"), 1}});
    MlzArchive archive(fs);
    const auto* first = archive.LoadDirectory("data\\bg.mlz");
    ASSERT_NE(first, nullptr);
    const int reads = fs.readCount;
    EXPECT_EQ(archive.LoadDirectory("DATA\\BG.MLZ"), first);
    EXPECT_EQ(fs.readCount, reads);

    // A file with another magic is refused and the cache stays.
    fs.Bytes("bad.mlz") = fs.Bytes("data\\Stand.mlz");
    fs.Bytes("bad.mlz")[3] = '4';
    EXPECT_EQ(archive.LoadDirectory("bad.mlz"), nullptr);
    EXPECT_EQ(archive.LoadDirectory("missing.mlz"), nullptr);
    EXPECT_EQ(archive.ReadEntry("data\\bg.mlz", "a"), Text("A"));

    // RLZ3 reads exactly like RLZ2.
    fs.Bytes("three.mlz") = fs.Bytes("data\\Stand.mlz");
    fs.Bytes("three.mlz")[3] = '3';
    EXPECT_EQ(archive.ReadEntry("three.mlz", "B"), Text("B"));
    EXPECT_EQ(archive.ReadEntry("data\\Stand.mlz", "b"), Text("B"));
}

// Corruptions of a valid one-entry archive that must be refused.
TEST(MlzArchive, RefusesBadArchives) {
    MemoryFileSystem fs;
    Write(fs, "good.mlz", {{"e", Bytes(300, 'q'), 1}});
    const Bytes good = fs.Bytes("good.mlz");
    const size_t record = 16;
    struct Case {
        const char* what;
        void (*corrupt)(Bytes&);
    };
    const Case cases[] = {
        {"too short", [](Bytes& b) { b.resize(10); }},
        {"count beyond the file", [](Bytes& b) { PutU32(&b[4], 0x10000000); }},
        {"count one too many", [](Bytes& b) { PutU32(&b[4], 2 + static_cast<uint32_t>(b.size()) / 84); }},
        {"data offset outside", [](Bytes& b) { PutU32(&b[record + 76], 0xFFFFFFF0); }},
        {"stored size outside", [](Bytes& b) { PutU32(&b[record + 64], GetU32(&b[record + 64]) + 1); }},
        {"truncated data", [](Bytes& b) { b.resize(b.size() - 1); }},
        {"expanded size lies high", [](Bytes& b) { PutU32(&b[record + 68], 301); }},
        {"expanded size lies low", [](Bytes& b) { PutU32(&b[record + 68], 299); }},
        {"expanded size impossible", [](Bytes& b) { PutU32(&b[record + 68], 0xFFFFFFFF); }},
        {"stream cut short", [](Bytes& b) {
             PutU32(&b[record + 64], GetU32(&b[record + 64]) - 1);
             b.pop_back();
         }},
    };
    for (const auto& c : cases) {
        fs.Bytes("bad.mlz") = good;
        c.corrupt(fs.Bytes("bad.mlz"));
        MlzArchive archive(fs);
        EXPECT_FALSE(archive.ReadEntry("bad.mlz", "e")) << c.what;
        EXPECT_FALSE(archive.LastError().empty()) << c.what;
    }
    MlzArchive archive(fs);
    EXPECT_EQ(archive.ReadEntry("good.mlz", "e"), Bytes(300, 'q'));
}

}  // namespace
}  // namespace vn
