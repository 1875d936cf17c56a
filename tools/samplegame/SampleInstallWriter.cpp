#include "tools/samplegame/SampleInstallWriter.h"

#include "converter/audio/Mp3Encoder.h"
#include "converter/pac/PacWriter.h"
#include "tools/samplegame/OpeningMovie.h"
#include "tools/samplegame/SampleSounds.h"
#include "tools/samplegame/TextPainter.h"

namespace vn {

namespace {
constexpr double kOpeningSeconds = OpeningMovie::kSeconds;
}

bool SampleInstallWriter::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

bool SampleInstallWriter::WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    auto file = files_.Create(path.c_str());
    if (!file || !file->Write(bytes) || !file->Close()) return Fail("cannot write " + path);
    return true;
}

std::optional<std::vector<uint8_t>> SampleInstallWriter::OpeningMp3(std::string* error) {
    Mp3Encoder encoder;
    if (!encoder.Available()) {
        if (error) *error = "the MP3 encoder library (LAME) is not available";
        return std::nullopt;
    }
    const std::vector<int16_t> pcm = SampleSounds::OpeningTrack(kOpeningSeconds);
    auto mp3 = encoder.Encode(pcm, {128, 44100, 2});
    if (!mp3 && error) *error = "the MP3 encoder refused the opening's sound";
    return mp3;
}

bool SampleInstallWriter::Write(const SampleInstall& install, const std::string& folder) {
    const std::string base = folder + "\\";
    if (!files_.FileExists(folder.c_str()) && !files_.CreateFolder(folder.c_str()))
        return Fail("cannot create " + folder);
    for (const SampleArchive& a : install.archives) {
        PacWriter pac(a.method);
        for (const SampleEntry& e : a.entries)
            if (!pac.Add(e.name.c_str(), e.bytes)) return Fail(a.fileName + ": " + pac.LastError());
        if (!pac.WriteFile(files_, (base + a.fileName).c_str())) return Fail(a.fileName + ": " + pac.LastError());
    }
    for (const LooseFile& f : install.files) {
        std::string path = f.path;
        for (char& c : path)
            if (c == '/') c = '\\';
        if (!WriteFile(base + path, f.bytes)) return false;
    }
    if (!files_.FileExists((base + "jmv").c_str()) && !files_.CreateFolder((base + "jmv").c_str()))
        return Fail("cannot create the jmv folder");
    std::string why;
    const auto mp3 = OpeningMp3(&why);
    if (!mp3) return Fail(why);
    auto text = TextPainter::OpenDefault();
    if (!text) return Fail("cannot open the IPA Gothic font");
    const auto movie = OpeningMovie(*text).Build(&why);
    if (!movie) return Fail(why);
    return WriteFile(base + "jmv\\Opening.mp3", *mp3) && WriteFile(base + "jmv\\Opening.jmv", *movie);
}

}  // namespace vn
