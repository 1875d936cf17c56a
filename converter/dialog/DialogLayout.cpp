#include "converter/dialog/DialogLayout.h"

namespace vn {
namespace {

constexpr const char* kMusicBitrates[] = {
    "16/8kbit",   "32/16kbit",  "48/24kbit",   "64/32kbit",   "80/40kbit",
    "96/48kbit",  "112/56kbit", "128/64kbit",  "160/80kbit",  "192/96kbit",
    "224/112kbit", "256/128kbit", "320/160kbit"};
constexpr const char* kVoiceBitrates[] = {"8kbit",  "16kbit", "24kbit",  "32kbit",  "40kbit",
                                          "48kbit", "56kbit", "64kbit",  "80kbit",  "96kbit",
                                          "112kbit", "128kbit", "160kbit"};
constexpr const char* kRates[] = {"22.05kHz", "44.10kHz"};
constexpr const char* kScreenSizes[] = {"320*240", "640*480"};
constexpr const char* kQualities[] = {"最高画質", "高画質(100)", "標準(90)", "低画質(80)"};

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {kIdFolder, K::Edit, "", {}, 7, 7, 145, 14},
    {kIdStart, K::Button, "開始(&S)", {}, 156, 140, 48, 16},
    {kIdMusicBitrate, K::DropDown, "", kMusicBitrates, 35, 37, 63, 14},
    {kIdNone, K::Label, "BIT", {}, 13, 40, 20, 8},
    {kIdNone, K::Label, "RATE", {}, 13, 56, 20, 8},
    {kIdMusicRate, K::DropDown, "", kRates, 35, 53, 63, 14},
    {kIdStereo, K::CheckBox, "ｽﾃﾚｵ", {}, 35, 69, 50, 10},
    {kIdProgress, K::Label, "Static", {}, 7, 146, 145, 8},
    {kIdBrowse, K::Button, "参照(&F)", {}, 156, 7, 48, 14},
    {kIdVoiceBitrate, K::DropDown, "", kVoiceBitrates, 114, 37, 84, 14},
    {kIdVoiceRate, K::DropDown, "", kRates, 114, 53, 84, 14},
    {kIdNone, K::GroupBox, "音声設定（モノラル）", {}, 108, 26, 96, 58},
    {kIdEncoder, K::Label, "スタティック", {}, 7, 132, 145, 8},
    {kIdPictures, K::CheckBox, "画像＆シナリオ", {}, 7, 116, 66, 10},
    {kIdMusic, K::CheckBox, "ＢＧＭ＆効果音", {}, 75, 116, 66, 10},
    {kIdVoices, K::CheckBox, "音声", {}, 143, 116, 40, 10},
    {kIdNone, K::GroupBox, "ＢＧＭ＆ＳＥ設定", {}, 7, 26, 97, 58},
    {kIdScreenSize, K::DropDown, "", kScreenSizes, 13, 97, 85, 14},
    {kIdQuality, K::DropDown, "", kQualities, 130, 94, 74, 14},
    {kIdNone, K::Label, "画質", {}, 108, 97, 20, 8},
    {kIdNone, K::GroupBox, "画面サイズ", {}, 7, 86, 97, 28},
};

}  // namespace

std::span<const ControlSpec> DialogControls() { return kControls; }

const ControlSpec* FindControl(int id) {
    for (const ControlSpec& c : kControls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

}  // namespace vn
