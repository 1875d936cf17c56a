#include "converter/picture/PictureNames.h"

#include <array>

#include "formats/text/FormatString.h"
#include "formats/text/ShiftJis.h"

namespace vn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The name up to its extension's '.' (the whole name when it has none).
std::string Stem(const std::string& name) {
    const char* dot = FindLast(name.c_str(), '.');
    return dot == nullptr ? name : name.substr(0, static_cast<size_t>(dot - name.c_str()));
}

struct SystemRow {
    const char* name;
    SystemPictureKind kind;
};

constexpr std::array<SystemRow, 16> kSystemRows = {{
    {"c01_arlen.bmp", SystemPictureKind::MascotPadded},
    {"c02_brisa.bmp", SystemPictureKind::MascotPadded},
    {"c03_corvin.bmp", SystemPictureKind::MascotPadded},
    {"c07_galea.bmp", SystemPictureKind::MascotPadded},
    {"c10_jorun.bmp", SystemPictureKind::MascotPadded},
    {"c12_varnek.bmp", SystemPictureKind::MascotPadded},
    {"c04_dalia.bmp", SystemPictureKind::Mascot},
    {"c05_elsin.bmp", SystemPictureKind::Mascot},
    {"c06_fenna.bmp", SystemPictureKind::Mascot},
    {"c08_halvie.bmp", SystemPictureKind::Mascot},
    {"c09_isola.bmp", SystemPictureKind::Mascot},
    {"c11_kestra.bmp", SystemPictureKind::Mascot},
    {"MessageWindow.bmp", SystemPictureKind::MessageWindow},
    {"MessageWindow2.bmp", SystemPictureKind::MessageWindow},
    {"MessageWindow3.bmp", SystemPictureKind::MessageWindow},
    {"SelectMenu.bmp", SystemPictureKind::MessageWindow},
}};

constexpr int kFilterCount = 16;

}  // namespace

std::string ReplaceExtension(const std::string& name, const char* ext) { return Stem(name) + ext; }

bool IsBitmapName(const std::string& name) {
    return name.size() >= 4 && NameEquals(name.c_str() + name.size() - 4, ".bmp");
}

std::string StandMaskName(const std::string& sourceName) {
    std::string s = Stem(sourceName);
    const size_t n = s.size();
    // Where the two digits to replace start: at the end, before one letter,
    // or before two letters.
    size_t at;
    if (n >= 2 && IsDigit(s[n - 1])) {
        at = n - 2;
    } else if (n >= 3 && IsDigit(s[n - 2])) {
        at = n - 3;
    } else if (n >= 4) {
        at = n - 4;
    } else {
        return {};
    }
    s.replace(at, 2, "01");
    return s + "_m.fil";
}

std::string FaceMaskName(const std::string& name) {
    const std::string s = Stem(name);
    if (s.size() < 2) return {};
    return s.substr(0, s.size() - 2) + "01_m.fil";
}

SystemPictureKind SystemPictureKindOf(const std::string& name) {
    for (const SystemRow& row : kSystemRows) {
        if (NameEquals(name.c_str(), row.name)) return row.kind;
    }
    for (int i = 0; i < kFilterCount; ++i) {
        if (NameEquals(name.c_str(), FormatString("Filter%z2.bmp", {i}).c_str())) {
            return SystemPictureKind::Filter;
        }
    }
    return SystemPictureKind::Other;
}

}  // namespace vn
