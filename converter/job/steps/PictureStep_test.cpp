#include "converter/job/steps/PictureStep.h"

#include <gtest/gtest.h>

#include "converter/job/ConvertJob.h"
#include "converter/job/JobTestSupport.h"
#include "converter/pac/PacWriter.h"
#include "converter/picture/PictureFixtures.h"
#include "formats/io/MemoryFileSystem.h"
#include "formats/mlz/MlzArchive.h"
#include "formats/rbp/RbpDecoder.h"

namespace vn {
namespace {

using Bytes = std::vector<uint8_t>;

using jobtest::CollectingLog;
using jobtest::MakePac;

// The visual table of Table.pac reaches the background step, which composes
// the difference onto its base in the archive of the chosen screen size.
TEST(PictureSteps, ComposeBackgroundsWithTheTableOfStepThree) {
    for (int percent : {50, 100}) {
        MemoryFileSystem fs;
        Bytes visual(228, 0);
        const std::string base = "bg01.bmp", difference = "bg01a.bmp";
        std::copy(base.begin(), base.end(), visual.begin() + 4);
        std::copy(difference.begin(), difference.end(), visual.begin() + 68);
        PutU32(&visual[100], 1);
        MakePac(fs, "game\\Table.pac", {{"VisualInfo.DAT", visual}});
        MakePac(fs, "game\\BG.pac",
                {{"bg01.bmp", BmpFile(2, 2, 24, Solid({100, 100, 100}))},
                 {"bg01a.bmp", BmpFile(1, 2, 24, Solid({0, 0, 200}))}});
        JobSettings settings;
        settings.sourceFolder = "game";
        settings.outputFolder = "out";
        settings.scalePercent = percent;
        CollectingLog log;
        ConvertJob job(settings, fs, log);
        EXPECT_EQ(job.Run(), 0);
        EXPECT_EQ(job.Progress().Total(), 3u);
        EXPECT_EQ(job.Progress().Done(), 3u);
        EXPECT_TRUE(log.notes.empty());
        const char* archive = percent == 100 ? "out\\data\\bg_vga.mlz" : "out\\data\\bg.mlz";
        EXPECT_FALSE(fs.FileExists(percent == 100 ? "out\\data\\bg.mlz" : "out\\data\\bg_vga.mlz"));
        MlzArchive mlz(fs);
        const auto rbp = mlz.ReadEntry(archive, "bg01a.rbp");
        ASSERT_TRUE(rbp) << mlz.LastError();
        RbpPicture p;
        ASSERT_TRUE(RbpDecode(*rbp, 0, p));
        if (percent == 100) {
            ASSERT_EQ(p.width, 2);
            EXPECT_EQ(p.pixels[0], 96);       // the base's grey 100 in RGB565
            EXPECT_EQ(p.pixels[4 + 2], 200);  // the pasted red column
        } else {
            ASSERT_EQ(p.width, 1);
            EXPECT_EQ(p.pixels[0], 48);   // blue (100 + 100 + 0 + 0) / 4 = 50 → 48
            EXPECT_EQ(p.pixels[2], 144);  // red (100 + 100 + 200 + 200) / 4 = 150 → 144
        }
    }
}

}  // namespace
}  // namespace vn
