#include "engine/persist/Settings.h"

#include "formats/text/FormatString.h"

namespace vn {
namespace {

enum class ReadRule { AsRead, Volume, ZeroAbove2 };
enum class WriteRule { No, Value, ZeroOrOne };

struct Row {
    Setting id;
    const char* section;
    const char* key;
    int fallback;
    ReadRule read;
    WriteRule write;
};

constexpr const char* kMusic = "MUSIC_CONFIG";
constexpr const char* kVoice = "VOICE_CONFIG";
constexpr const char* kSe = "SE_CONFIG";
constexpr const char* kMovie = "MOV_CONFIG";
constexpr const char* kColor = "MESSAGE_COLOR";
constexpr const char* kMessage = "MESSAGE_CONFIG";
constexpr const char* kSystem = "SYSTEM_CONFIG";
constexpr const char* kFontList = "FONT_LIST_CONFIG";
constexpr const char* kKeys = "KEY_CONFIG";

using S = Setting;
using R = ReadRule;
using W = WriteRule;

// In the order the table of the file lists them, which is also the order
// of reading.
constexpr Row kRows[] = {
    {S::PCM, kMusic, "PCM", 0, R::AsRead, W::Value},
    {S::MEM_STREAM, kMusic, "MEM_STREAM", 0, R::AsRead, W::No},
    {S::DEVICE_VOL, kMusic, "DEVICE_VOL", 65535, R::AsRead, W::No},
    {S::MASTER_VOL, kMusic, "MASTER_VOL", 100, R::Volume, W::Value},
    {S::MUSIC_VOL, kMusic, "MUSIC_VOL", 100, R::Volume, W::Value},
    {S::VOICE_PLAY, kVoice, "VOICE_PLAY", 1, R::AsRead, W::Value},
    {S::VOICE_VOL, kVoice, "VOICE_VOL", 100, R::Volume, W::Value},
    {S::VOICE_CUT_MODE, kVoice, "VOICE_CUT_MODE", 0, R::ZeroAbove2, W::Value},
    {S::SE_PLAY, kSe, "SE_PLAY", 1, R::AsRead, W::Value},
    {S::SE_VOL, kSe, "SE_VOL", 100, R::Volume, W::Value},
    {S::MOV_VOL, kMovie, "MOV_VOL", 100, R::Volume, W::Value},
    {S::VGA_QUALITY, kMovie, "VGA_QUALITY", 1, R::AsRead, W::ZeroOrOne},
    {S::MES_COLOR_USE, kColor, "MES_COLOR_USE", 1, R::AsRead, W::ZeroOrOne},
    {S::MES_LOG_COUNT, kMessage, "MES_LOG_COUNT", 1, R::AsRead, W::Value},
    {S::MES_LOG_START, kMessage, "MES_LOG_START", 0, R::AsRead, W::Value},
    {S::EFFECT_USE, kMessage, "EFFECT_USE", 1, R::AsRead, W::Value},
    {S::MESSAGE_AUTO, kMessage, "MESSAGE_AUTO", 0, R::AsRead, W::ZeroOrOne},
    {S::MESSAGE_AUTO_BASE, kMessage, "MESSAGE_AUTO_BASE", 0, R::AsRead, W::Value},
    {S::MESSAGE_AUTO_ONE, kMessage, "MESSAGE_AUTO_ONE", 0, R::AsRead, W::Value},
    {S::VOICE_AUTOLOCK, kMessage, "VOICE_AUTOLOCK", 0, R::AsRead, W::Value},
    {S::TRANS_MODE, kMessage, "TRANS_MODE", 0, R::AsRead, W::Value},
    {S::MESSAGE_SPEED, kMessage, "MESSAGE_SPEED", 1, R::AsRead, W::Value},
    {S::READ_SKIP, kMessage, "READ_SKIP", 0, R::AsRead, W::Value},
    {S::LOCK_SKIP, kMessage, "LOCK_SKIP", 0, R::AsRead, W::Value},
    {S::MESSAGE_SADOW, kMessage, "MESSAGE_SADOW", 0, R::AsRead, W::ZeroOrOne},
    {S::KEY_CEN_CTRL, kSystem, "KEY_CEN_CTRL", 1, R::AsRead, W::Value},
    {S::KET_CUR_MODE, kSystem, "KET_CUR_MODE", 0, R::AsRead, W::Value},
    {S::KET_DOUBLE_CLICK, kSystem, "KET_DOUBLE_CLICK", 0, R::AsRead, W::Value},
    {S::DISP_FREE_MODE, kSystem, "DISP_FREE_MODE", 0, R::AsRead, W::Value},
    {S::MANA_VOICE_CUT, kSystem, "MANA_VOICE_CUT", 0, R::AsRead, W::Value},
    {S::MASCOT_CHAR_MODE, kSystem, "MASCOT_CHAR_MODE", 0, R::AsRead, W::Value},
};
static_assert(std::size(kRows) == static_cast<size_t>(Setting::Count));

// The order of the shut-down write; kFontNameSlot marks the font name.
constexpr int kFontNameSlot = -1;
constexpr int kWriteOrder[] = {
    int(S::PCM), int(S::VOICE_PLAY), int(S::SE_PLAY), int(S::MASTER_VOL), int(S::MUSIC_VOL),
    int(S::VOICE_VOL), int(S::SE_VOL), int(S::MOV_VOL), int(S::EFFECT_USE), int(S::READ_SKIP),
    int(S::LOCK_SKIP), int(S::MESSAGE_AUTO), int(S::MESSAGE_AUTO_BASE), int(S::MESSAGE_AUTO_ONE),
    int(S::VOICE_CUT_MODE), int(S::VGA_QUALITY), kFontNameSlot, int(S::VOICE_AUTOLOCK),
    int(S::TRANS_MODE), int(S::MESSAGE_SPEED), int(S::MESSAGE_SADOW), int(S::MASCOT_CHAR_MODE),
    int(S::MES_COLOR_USE), int(S::MES_LOG_COUNT), int(S::MES_LOG_START), int(S::KEY_CEN_CTRL),
    int(S::KET_CUR_MODE), int(S::KET_DOUBLE_CLICK), int(S::DISP_FREE_MODE), int(S::MANA_VOICE_CUT),
};

constexpr const char* kColorKeys[Settings::kColorCount] = {
    "arlen", "brisa", "corvin", "dalia", "elsin", "fenna", "galea", "halvie", "isola", "jorun",
    "kestra", "Varnek",
    "\x8e\xe5\x90\x6c\x8c\xf6",  // 主人公
    "\x83\x54\x83\x75",          // サブ
    "\x95\xa1\x8d\x87",          // 複合
    "\x82\xbb\x82\xcc\x91\xbc",  // その他
};
constexpr int kColorDefault = 0xFFFFFF;

constexpr const char* kKeyConfigNames[Settings::kKeyCount] = {
    "KEY_UP", "KEY_DOWN", "KEY_LEFT", "KEY_RIGHT", "KEY_START",
    "KEY_A", "KEY_B", "KEY_C", "KEY_D", "KEY_E",
};

constexpr const char* kFontNameKey = "MESSAGE_FONT_NAME";

int ApplyReadRule(ReadRule rule, int v) {
    switch (rule) {
        case ReadRule::Volume: return (v >= 10 && v <= 100) ? v : 100;
        case ReadRule::ZeroAbove2: return v > 2 ? 0 : v;
        case ReadRule::AsRead: break;
    }
    return v;
}

}  // namespace

Settings::Settings() {
    for (const Row& row : kRows) Set(row.id, row.fallback);
    messageColors.fill(kColorDefault);
}

const char* Settings::KeyName(Setting id) { return kRows[static_cast<size_t>(id)].key; }
const char* Settings::ColorKey(size_t i) { return kColorKeys[i]; }
const char* Settings::KeyConfigName(size_t i) { return kKeyConfigNames[i]; }

void Settings::Read(ConfigFile& file, const char* path) {
    fontList.clear();
    for (size_t i = 0; i < kFontListMax; ++i) {
        std::string name;
        const std::string key = FormatString("PUT_LIST_%z2", {i});
        if (file.GetText(kFontList, key.c_str(), "", name, kFontNameLimit, path) == 0) break;
        fontList.push_back(name);
    }
    for (const Row& row : kRows) {
        Set(row.id, ApplyReadRule(row.read, file.GetInt(row.section, row.key, row.fallback, path)));
    }
    for (size_t i = 0; i < kColorCount; ++i) {
        messageColors[i] = file.GetInt(kColor, kColorKeys[i], kColorDefault, path);
    }
    file.GetText(kSystem, kFontNameKey, "", messageFontName, kFontNameLimit, path);
    for (size_t i = 0; i < kKeyCount; ++i) {
        file.GetText(kKeys, kKeyConfigNames[i], "", keyNames[i], kKeyNameLimit, path);
    }
}

void Settings::WriteBack(ConfigFile& file, const char* path) const {
    for (int slot : kWriteOrder) {
        if (slot == kFontNameSlot) {
            file.SetText(kSystem, kFontNameKey, messageFontName.c_str(), path);
            continue;
        }
        const Row& row = kRows[static_cast<size_t>(slot)];
        const int v = Get(row.id);
        const int written = row.write == WriteRule::ZeroOrOne ? (v != 0 ? 1 : 0) : v;
        // "%d-" keeps the sign of a negative value; plain %d would drop it.
        file.SetText(row.section, row.key, FormatString("%d-", {written}).c_str(), path);
    }
}

void Settings::ForEachInt(const std::function<void(const char*, int)>& fn) const {
    for (const Row& row : kRows) fn(row.key, Get(row.id));
    for (size_t i = 0; i < kColorCount; ++i) fn(kColorKeys[i], messageColors[i]);
}

void Settings::ForEachText(const std::function<void(const char*, const std::string&)>& fn) const {
    fn(kFontNameKey, messageFontName);
    for (size_t i = 0; i < fontList.size(); ++i) fn(FormatString("PUT_LIST_%z2", {i}).c_str(), fontList[i]);
    for (size_t i = 0; i < kKeyCount; ++i) fn(kKeyConfigNames[i], keyNames[i]);
}

}  // namespace vn
