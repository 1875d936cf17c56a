#include "engine/platform/host/HostFileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace vn {
namespace {

namespace fsys = std::filesystem;

class HostFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fsys::temp_directory_path() /
              ("vn_host_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fsys::remove_all(dir);
        fsys::create_directories(dir / "Data" / "Save");
        std::ofstream(dir / "Data" / "Save" / "save000.dat") << "system";
        root = *InternalPath(dir.string());
    }
    void TearDown() override { fsys::remove_all(dir); }
    fsys::path dir;
    std::string root;
    HostFileSystem files;
};

TEST_F(HostFileSystemTest, BackslashPathsAndCaseFallback) {
    const std::string path = root + "\\data\\SAVE\\Save000.DAT";
    EXPECT_EQ(files.FileSize(path.c_str()), 6);
    uint8_t buf[10];
    EXPECT_EQ(files.ReadAt(path.c_str(), 2, buf), 4);
    EXPECT_EQ(std::string(buf, buf + 4), "stem");
    EXPECT_EQ(files.ReadAt(path.c_str(), 100, buf), 0);
    EXPECT_EQ(files.ReadAt((root + "\\nothing").c_str(), 0, buf), -1);
    EXPECT_EQ(files.FileSize((root + "\\data").c_str()), -1);  // a folder is not a file
}

TEST_F(HostFileSystemTest, ShiftJisNamesWithBackslashSecondByte) {
    // 表 (0x95 0x5C) must stay one character, not become a separator.
    const std::string path = root + "\\data\\\x95\x5C.txt";
    auto out = files.Create(path.c_str());
    ASSERT_TRUE(out);
    const uint8_t text[] = {'h', 'i', '!'};
    EXPECT_TRUE(out->Write(text));
    EXPECT_TRUE(out->WriteAt(0, std::span(text, 1)));
    EXPECT_TRUE(out->Close());
    EXPECT_TRUE(fsys::exists(dir / "Data" / "表.txt"));
    EXPECT_EQ(files.FileSize(path.c_str()), 3);
    std::vector<uint8_t> whole;
    EXPECT_TRUE(files.ReadWholeFile(path.c_str(), whole));
    EXPECT_EQ(whole, std::vector<uint8_t>(text, text + 3));
}

TEST_F(HostFileSystemTest, CreatesFolders) {
    EXPECT_TRUE(files.CreateFolder((root + "\\data\\voice").c_str()));
    EXPECT_TRUE(fsys::is_directory(dir / "Data" / "voice"));
    EXPECT_TRUE(files.CreateFolder((root + "\\DATA").c_str()));  // exists already
    EXPECT_TRUE(files.FileExists((root + "\\data\\save\\SAVE000.dat").c_str()));
    EXPECT_FALSE(files.CreateFolder((root + "\\data\\save\\save000.dat").c_str()));
}

}  // namespace
}  // namespace vn
