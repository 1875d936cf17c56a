#include "tools/samplegame/SampleGame.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/platform/host/Cp932.h"
#include "formats/io/RecordFields.h"
#include "tools/samplegame/SampleCast.h"
#include "tools/samplegame/SampleSounds.h"
#include "tools/samplegame/SampleTables.h"
#include "tools/samplegame/StoryArt.h"
#include "tools/samplegame/TextPainter.h"
#include "tools/vnscript/OpcodeTable.h"
#include "tools/vnscript/ScriptAssembler.h"
#include "tools/vnscript/ScriptDisassembler.h"
#include "tools/vnscript/ScriptImage.h"

namespace vn {
namespace {

class SampleGameTest : public testing::Test {
protected:
    static void SetUpTestSuite() { install_ = new SampleInstall(SampleGame::Build(VN_SAMPLE_STORY_DIR)); }
    static void TearDownTestSuite() { delete install_; }

    static const SampleArchive& Archive(const std::string& name) {
        const SampleArchive* a = SampleGame::Find(*install_, name);
        EXPECT_TRUE(a) << name;
        static const SampleArchive empty;
        return a ? *a : empty;
    }
    static bool Has(const std::string& archive, const std::string& utf8Name) {
        return Archive(archive).Find(utf8Name) != nullptr;
    }
    static std::string Field(const std::vector<uint8_t>& table, size_t at, size_t size) {
        const auto* p = reinterpret_cast<const char*>(&table[at]);
        return Cp932ToUtf8(std::string(p, strnlen(p, size))).value_or("?");
    }

    static SampleInstall* install_;
};

SampleInstall* SampleGameTest::install_ = nullptr;

TEST_F(SampleGameTest, BuildsThirteenArchivesInConverterOrder) {
    for (const std::string& e : install_->errors) ADD_FAILURE() << e;
    const char* order[] = {"Update.pac", "Script.pac", "Table.pac", "BG.pac", "Stand.pac",
                           "Visual.pac", "Face.pac", "Thumbnail.pac", "System.pac", "BGM.pac",
                           "SE.pac", "SystemVoice.pac", "Voice.pac"};
    ASSERT_EQ(install_->archives.size(), 13u);
    std::set<uint32_t> methods;
    for (size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(install_->archives[i].fileName, order[i]);
        EXPECT_FALSE(install_->archives[i].entries.empty()) << order[i];
        methods.insert(install_->archives[i].method);
    }
    EXPECT_EQ(methods, (std::set<uint32_t>{0, 1, 2}));
    size_t total = 0;
    for (const SampleArchive& a : install_->archives)
        for (const SampleEntry& e : a.entries) total += e.bytes.size();
    EXPECT_LT(total, 50u << 20);
}

TEST_F(SampleGameTest, EveryScriptRoundTripsThroughTheDisassembler) {
    for (const char* pac : {"Script.pac", "Update.pac"}) {
        for (const SampleEntry& e : Archive(pac).entries) {
            if (e.name.size() < 4 || e.name.substr(e.name.size() - 4) != ".bin") continue;
            std::string error;
            const auto source = ScriptDisassembler::Disassemble(e.bytes, &error);
            ASSERT_TRUE(source) << error;
            ScriptAssembler assembler;
            const auto back = assembler.Assemble(*source);
            ASSERT_TRUE(back) << assembler.Errors().at(0);
            EXPECT_EQ(*back, e.bytes) << Cp932ToUtf8Lossy(e.name);
        }
    }
}

TEST_F(SampleGameTest, ScriptsUseEveryOpcodeAndNameOnlyWhatExists) {
    std::set<uint16_t> used;
    std::set<std::string> texts;
    for (const SampleEntry& e : Archive("Script.pac").entries) {
        for (uint16_t op : ScriptDisassembler::OpcodesUsed(e.bytes)) used.insert(op);
        const auto image = ScriptImage::Parse(e.bytes, nullptr);
        ASSERT_TRUE(image);
        for (size_t at = 0; at + 6 <= image->code.size();) {
            const uint16_t op = GetU16(&image->code[at]);
            const uint32_t n = op == 11 ? GetU32(&image->code[at + 2]) : 0;
            if (op == 11) texts.insert(Cp932ToUtf8Lossy(reinterpret_cast<const char*>(&image->code[at + 6])));
            at += 6 + n;
        }
    }
    for (const OpcodeInfo& info : OpcodeTable::All())
        for (int i = 0; i < info.opcodeCount; ++i)
            EXPECT_TRUE(used.count(info.opcodes[i])) << info.name << " " << info.opcodes[i];
    EXPECT_TRUE(Has("Script.pac", "共通01.bin"));
    EXPECT_TRUE(Has("Script.pac", "BADEND01.bin"));
    for (int k = 1; k <= 12; ++k) EXPECT_TRUE(Has("Script.pac", "Replay" + std::string(k < 10 ? "0" : "") + std::to_string(k) + ".bin"));
    int named = 0;
    for (const std::string& t : texts) {
        const std::string tail = t.size() > 4 ? t.substr(t.size() - 4) : "";
        if (tail == ".wav") {
            EXPECT_TRUE(Has("SE.pac", t)) << t;
            ++named;
        } else if (tail == ".bin" && t != "System.bin") {
            EXPECT_TRUE(Has("Script.pac", t)) << t;
            ++named;
        } else if (t.rfind("@V", 0) == 0) {
            EXPECT_TRUE(Has("Voice.pac", t.substr(2, 4) + ".wav")) << t;
            ++named;
        }
    }
    EXPECT_GT(named, 20);
}

TEST_F(SampleGameTest, TablesNameOnlyPicturesAndMusicThatExist) {
    const auto& tables = Archive("Table.pac");
    const auto stand = tables.Find("StandInfo.DAT")->bytes;
    ASSERT_EQ(stand.size(), 36 * SampleTables::kStandRecord);
    for (size_t at = 0; at < stand.size(); at += SampleTables::kStandRecord) {
        EXPECT_TRUE(Has("Face.pac", Field(stand, at, 32))) << Field(stand, at, 32);
        const std::string descriptor = Field(stand, at + 32, 32);
        const SampleEntry* d = Archive("Stand.pac").Find(descriptor);
        ASSERT_TRUE(d) << descriptor;
        EXPECT_TRUE(Has("Stand.pac", Field(d->bytes, 8, 52)));
        const std::string variant = Field(stand, at + 64, 32);
        if (!variant.empty()) EXPECT_TRUE(Has("Stand.pac", variant)) << variant;
    }
    const auto visual = tables.Find("VisualInfo.DAT")->bytes;
    const size_t visuals = visual.size() / SampleTables::kVisualRecord;
    for (size_t i = 0; i < visuals; ++i) {
        const size_t at = i * SampleTables::kVisualRecord;
        for (const std::string& name : {Field(visual, at + 4, 64), Field(visual, at + 68, 32)}) {
            if (!name.empty()) EXPECT_TRUE(Has("BG.pac", name) || Has("Visual.pac", name)) << name;
        }
        char thumb[16];
        std::snprintf(thumb, sizeof thumb, "Thum_%03zu.bmp", i);
        EXPECT_TRUE(Has("Thumbnail.pac", thumb));
    }
    const auto bgm = tables.Find("BgmInfo.DAT")->bytes;
    ASSERT_GE(bgm.size() / SampleTables::kBgmRecord, 16u);
    for (size_t at = 0; at < bgm.size(); at += SampleTables::kBgmRecord) EXPECT_TRUE(Has("BGM.pac", Field(bgm, at, 36)));
    const auto cg = tables.Find("CGInfo.DAT")->bytes;
    const auto scene = tables.Find("SceneInfo.DAT")->bytes;
    EXPECT_EQ(cg.size(), 13 * SampleTables::kCgBlock);
    EXPECT_EQ(scene.size(), SampleTables::kSceneBlock);
    for (const auto* t : {&cg, &scene})
        for (size_t at = 0; at < t->size(); at += 4) {
            const auto v = static_cast<int32_t>(GetU32(&(*t)[at]));
            EXPECT_TRUE(v == -1 || (v >= 0 && static_cast<size_t>(v) < visuals)) << v;
        }
}

TEST_F(SampleGameTest, HoldsEveryInterfacePictureThePlayerAsksFor) {
    std::vector<std::string> names = {
        "Title_BG.bmp", "Title.bmp", "TitleMenu.bmp", "HartMark.bmp", "SpotLight.bmp", "TERN2004.bmp",
        "MessageWindow.bmp", "MessageWindow2.bmp", "MessageWindow3.bmp", "MessageWindowButton.bmp",
        "Cursor.bmp", "Mark.bmp", "BackLog.bmp", "ScrollBar.bmp", "SelectMenu.bmp", "CGModeBG.bmp",
        "CGModeButton.bmp", "CGModeName.bmp", "thum_cursor.bmp", "thum_nodata.bmp", "ReplayModeBG.bmp",
        "SoundModeBG.bmp", "SoundModeButton.bmp", "EyeCatchBg.bmp", "EyeCatchDate.bmp",
        "s13_party.bmp", "s14_xmas.bmp", "s15_newyear.bmp", "s16_valentine.bmp"};
    for (int n = 0; n < 16; ++n) names.push_back("Filter" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".bmp");
    for (size_t c = 0; c < kCast.size(); ++c) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "c%02zu_%s.bmp", c + 1, kCast[c].key);
        names.push_back(buf);
        std::snprintf(buf, sizeof buf, "s%02zu_%s.bmp", c + 1, kCast[c].key);
        names.push_back(buf);
        for (int v : {1, 2, 7, 10, 11, 12, 17, 18, 19, 21, 22}) {
            std::snprintf(buf, sizeof buf, "%s%02d.wav", kCast[c].key, v);
            EXPECT_TRUE(Has("SystemVoice.pac", buf)) << buf;
        }
    }
    for (const std::string& n : names) EXPECT_TRUE(Has("System.pac", n)) << n;
    EXPECT_TRUE(Has("BGM.pac", "オープニング.wav"));
    EXPECT_TRUE(Has("BGM.pac", "EyeCatch1.wav"));
    EXPECT_TRUE(Has("SystemVoice.pac", "all_lucent.wav"));
}

TEST_F(SampleGameTest, MascotStripsOfTheFirstGroupHaveOddFrames) {
    for (size_t c = 0; c < kCast.size(); ++c) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "c%02zu_%s.bmp", c + 1, kCast[c].key);
        const auto& bmp = Archive("System.pac").Find(buf)->bytes;
        const uint32_t frame = GetU32(&bmp[18]) / 4;
        EXPECT_EQ(frame % 2, kCast[c].mascotPadded ? 1u : 0u) << buf;
        EXPECT_EQ(frame + (kCast[c].mascotPadded ? 1 : 0), static_cast<uint32_t>(kCast[c].mascotWidth));
    }
}

TEST_F(SampleGameTest, SpreadsBitmapDepthsAndWaveForms) {
    std::set<int> depths;
    std::set<std::string> waves;
    for (const SampleArchive& a : install_->archives) {
        for (const SampleEntry& e : a.entries) {
            if (e.bytes.size() > 54 && e.bytes[0] == 'B' && e.bytes[1] == 'M') depths.insert(GetU16(&e.bytes[28]));
            if (e.bytes.size() > 44 && std::string(e.bytes.begin() + 8, e.bytes.begin() + 12) == "WAVE") {
                const std::string first(e.bytes.begin() + 12, e.bytes.begin() + 16);
                if (first != "fmt ") waves.insert("first " + first);
                if (first == "fmt ") waves.insert("tag " + std::to_string(GetU16(&e.bytes[20])) + " bits " + std::to_string(GetU16(&e.bytes[34])));
            }
        }
    }
    EXPECT_EQ(depths, (std::set<int>{8, 16, 24, 32}));
    for (const char* w : {"tag 1 bits 16", "tag 1 bits 8", "tag 17 bits 4", "tag 2 bits 4", "first data", "first note"})
        EXPECT_TRUE(waves.count(w)) << w;
}

// Each generator once more: the same bytes again (the whole game is made
// by these and the scripts).
TEST_F(SampleGameTest, IsTheSameOnEveryRun) {
    auto text = TextPainter::OpenDefault();
    ASSERT_TRUE(text);
    StoryArt story(*text);
    const SampleArchive again[] = {SampleTables::Build(2), story.Faces(2), story.Thumbnails(0),
                                   SampleSounds::SystemVoices(1), SampleSounds::Effects(2)};
    for (const SampleArchive& a : again) {
        const SampleArchive& b = Archive(a.fileName);
        ASSERT_EQ(a.entries.size(), b.entries.size()) << a.fileName;
        for (size_t k = 0; k < a.entries.size(); ++k) {
            EXPECT_EQ(a.entries[k].name, b.entries[k].name);
            EXPECT_TRUE(a.entries[k].bytes == b.entries[k].bytes) << Cp932ToUtf8Lossy(a.entries[k].name);
        }
    }
}

}  // namespace
}  // namespace vn
