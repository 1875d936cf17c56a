#pragma once
// The settings block: every value of "varnek.cfg", read once at start-up
// and written back once at shut-down. The keys, their defaults and their
// rules are one table (Settings.cpp); adding a key means adding a row.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/persist/ConfigFile.h"

namespace vn {

// The integer settings, named as the file spells them.
enum class Setting {
    PCM, MEM_STREAM, DEVICE_VOL, MASTER_VOL, MUSIC_VOL,
    VOICE_PLAY, VOICE_VOL, VOICE_CUT_MODE,
    SE_PLAY, SE_VOL,
    MOV_VOL, VGA_QUALITY,
    MES_COLOR_USE,
    MES_LOG_COUNT, MES_LOG_START, EFFECT_USE, MESSAGE_AUTO, MESSAGE_AUTO_BASE, MESSAGE_AUTO_ONE,
    VOICE_AUTOLOCK, TRANS_MODE, MESSAGE_SPEED, READ_SKIP, LOCK_SKIP, MESSAGE_SADOW,
    KEY_CEN_CTRL, KET_CUR_MODE, KET_DOUBLE_CLICK, DISP_FREE_MODE, MANA_VOICE_CUT, MASCOT_CHAR_MODE,
    Count
};

class Settings {
public:
    static constexpr size_t kColorCount = 16;
    static constexpr size_t kFontListMax = 15;
    static constexpr size_t kKeyCount = 10;
    static constexpr size_t kFontNameLimit = 127;
    static constexpr size_t kKeyNameLimit = 30;

    Settings();  // every default of the table

    int Get(Setting id) const { return values_[static_cast<size_t>(id)]; }
    void Set(Setting id, int value) { values_[static_cast<size_t>(id)] = value; }

    std::array<int, kColorCount> messageColors{};  // 0xRRGGBB, in the order of ColorKey
    std::string messageFontName;                   // Shift-JIS
    std::vector<std::string> fontList;             // PUT_LIST_00 ... up to the first gap
    std::array<std::string, kKeyCount> keyNames;   // KEY_CONFIG values, in the order of KeyConfigName

    // Reads every key of the table with its default and range rule.
    void Read(ConfigFile& file, const char* path);
    // Puts every written-back setting into the cached lines, in the file's
    // write order (Flush writes them).
    void WriteBack(ConfigFile& file, const char* path) const;

    // Every setting under its key name (texts are Shift-JIS), for state dumps.
    void ForEachInt(const std::function<void(const char* key, int value)>& fn) const;
    void ForEachText(const std::function<void(const char* key, const std::string& value)>& fn) const;

    static const char* KeyName(Setting id);
    static const char* ColorKey(size_t i);       // "arlen" ... "その他" (Shift-JIS)
    static const char* KeyConfigName(size_t i);  // KEY_UP, KEY_DOWN, ... KEY_E

private:
    std::array<int, static_cast<size_t>(Setting::Count)> values_{};
};

}  // namespace vn
