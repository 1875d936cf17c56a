#include "tools/samplegame/DataTreeCheck.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "engine/platform/host/Cp932.h"
#include "formats/mlz/MlzArchive.h"

namespace vn {
namespace {

enum class Kind { Skip, Copy, Picture, LooseMp3, VoiceMp3 };

struct Route {
    const char* pac;
    const char* target;  // archive name without ".mlz", or a folder for loose MP3s
    Kind kind;
    bool picture;        // the "_vga" name applies
};

constexpr Route kRoutes[] = {
    {"Script.pac", "Script", Kind::Copy, false},     {"Table.pac", "Table", Kind::Copy, false},
    {"BG.pac", "bg", Kind::Picture, true},           {"Stand.pac", "Stand", Kind::Picture, true},
    {"Visual.pac", "Visual", Kind::Picture, true},   {"Face.pac", "Face", Kind::Picture, true},
    {"Thumbnail.pac", "Thumbnail", Kind::Picture, true}, {"System.pac", "System", Kind::Picture, true},
    {"BGM.pac", "bgm", Kind::LooseMp3, false},       {"SE.pac", "se", Kind::LooseMp3, false},
    {"SystemVoice.pac", "sys", Kind::LooseMp3, false}, {"Voice.pac", "voice", Kind::VoiceMp3, false},
};

std::string WithExtension(const std::string& name, const char* ext) {
    const size_t dot = name.rfind('.');
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

bool EndsWith(const std::string& s, const char* tail) {
    const size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// The entry names of an archive, or an empty list when it cannot be read.
std::vector<std::string> Names(FileSystem& files, const std::string& path) {
    MlzArchive archive(files);
    std::vector<std::string> names;
    if (!archive.LoadDirectory(path.c_str())) return names;
    for (uint32_t i = 0; i < archive.EntryCount(); ++i) names.push_back(archive.Entry(i).name);
    return names;
}

}  // namespace

std::vector<std::string> DataTreeCheck::Missing(FileSystem& files, const SampleInstall& install,
                                                const std::string& data, const DataTreeOptions& o,
                                                int* checked) {
    std::vector<std::string> missing;
    int count = 0;
    for (const Route& r : kRoutes) {
        const SampleArchive* a = SampleGame::Find(install, r.pac);
        if (!a) continue;
        const bool sound = r.kind == Kind::LooseMp3 || r.kind == Kind::VoiceMp3;
        if ((r.kind == Kind::LooseMp3 && !o.sounds) || (r.kind == Kind::VoiceMp3 && !o.voices)) continue;
        const std::string archive = data + "\\" + r.target + (r.picture && o.vga ? "_vga" : "") + ".mlz";
        std::vector<std::string> held;
        if (r.kind != Kind::LooseMp3) held = Names(files, archive);
        for (const SampleEntry& e : a->entries) {
            std::string want = e.name;
            const bool bmp = EndsWith(e.name, ".bmp");
            // Face masks leave an empty record behind; other non-pictures are copied.
            if (r.kind == Kind::Picture && !bmp && std::strcmp(r.pac, "Face.pac") == 0) continue;
            if (r.kind == Kind::Picture && bmp) want = WithExtension(e.name, ".rbp");
            if (sound) want = WithExtension(e.name, ".mp3");
            ++count;
            bool found;
            if (r.kind == Kind::LooseMp3) {
                found = files.FileSize((data + "\\" + r.target + "\\" + want).c_str()) > 0;
            } else {
                found = std::find(held.begin(), held.end(), want) != held.end();
            }
            if (!found) missing.push_back(Cp932ToUtf8Lossy(want) + " (" + r.target + ")");
        }
    }
    if (checked) *checked = count;
    return missing;
}

}  // namespace vn
