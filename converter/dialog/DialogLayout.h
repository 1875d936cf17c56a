#pragma once
// The converter dialog's controls in resource order: identifier, kind, text
// or items, and place in dialog units (the dialog is 211 x 163). Texts are
// UTF-8, for the window system.

#include <span>
#include <string_view>

namespace vn {

enum ControlId {
    kIdFolder = 1000,
    kIdStart = 1001,
    kIdMusicBitrate = 1002,
    kIdMusicRate = 1003,
    kIdStereo = 1004,
    kIdProgress = 1006,
    kIdBrowse = 1007,
    kIdVoiceBitrate = 1008,
    kIdVoiceRate = 1009,
    kIdEncoder = 1011,
    kIdPictures = 1012,
    kIdMusic = 1013,
    kIdVoices = 1014,
    kIdScreenSize = 1018,
    kIdQuality = 1019,
    kIdNone = -1,  // labels and group boxes
};

enum class ControlKind { Edit, Button, DropDown, CheckBox, Label, GroupBox };

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* text;                     // empty for edits and lists
    std::span<const char* const> items;   // drop-down lists only
    int x, y, width, height;
};

constexpr int kDialogWidth = 211;
constexpr int kDialogHeight = 163;
constexpr int kTimerId = 1;
constexpr int kTimerPeriodMs = 100;

std::span<const ControlSpec> DialogControls();
const ControlSpec* FindControl(int id);

// The caption and the texts of the dialog's messages.
struct DialogTexts {
    static constexpr std::string_view kCaption = "Varnek（LucentGrove）コンバータ[ver.1.10]";
    static constexpr std::string_view kFont = "ＭＳ Ｐゴシック";
    static constexpr int kFontPoints = 9;
    static constexpr std::string_view kBrowseTitle = "フォルダを選択して下さい。";
    static constexpr std::string_view kEncoderMissing = "<< LAME >>が見つかりませんでした。";
    static constexpr std::string_view kEncoderMissingCaption = "ＤＬＬ異常";
    static constexpr std::string_view kNotGameFolder = "『LucentGrove』のフォルダを指定して下さい。";
    static constexpr std::string_view kNotGameFolderCaption = "フォルダ異常";
    static constexpr std::string_view kEncoderLabel = "LAME : ";
    static constexpr std::string_view kProgress = "変換データ数：";
};

}  // namespace vn
