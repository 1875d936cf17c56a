// rbp: inspect, decode and make RBP pictures.
//   rbp info SOURCE
//   rbp decode SOURCE OUT.png [--tint VALUE]
//   rbp encode IN OUT.rbp [--quality 0-3] [--placement X,Y] [--source W,H] [--mask]
//              [--keep-jpeg FILE.jpg]
// SOURCE is a file or ARCHIVE.mlz:ENTRY; IN is a PNG or BMP.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/jbp/JbpDecoder.h"
#include "formats/rbp/RbpWriter.h"
#include "tools/rbp/PictureFiles.h"

namespace vn {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "rbp: %s\n", message.c_str());
    return 1;
}

int Usage() {
    return Fail(
        "usage: rbp info SOURCE | rbp decode SOURCE OUT.png [--tint VALUE] | "
        "rbp encode IN OUT.rbp [--quality 0-3] [--placement X,Y] [--source W,H] [--mask] "
        "[--keep-jpeg FILE.jpg]");
}

bool ParseInt(const std::string& s, long lo, long hi, long& out) {
    char* end = nullptr;
    out = std::strtol(s.c_str(), &end, 0);
    return !s.empty() && *end == '\0' && out >= lo && out <= hi;
}

bool ParsePair(const std::string& s, long lo, long hi, long& a, long& b) {
    const size_t comma = s.find(',');
    return comma != std::string::npos && ParseInt(s.substr(0, comma), lo, hi, a) &&
           ParseInt(s.substr(comma + 1), lo, hi, b);
}

const char* TypeName(uint32_t type) {
    switch (type) {
        case 1:
            return "RGB565 with alpha";
        case 9:
            return "mask";
        case 13:
            return "RGB565";
        case 30:
            return "JBP";
        case 31:
            return "JBP with alpha";
        default:
            return "unknown";
    }
}

void PrintJbp(std::span<const uint8_t> stream) {
    const auto h = JbpDecoder::ReadHeader(stream);
    if (!h) {
        std::printf("jbp:          not a JBP stream\n");
        return;
    }
    std::printf("jbp quality:  %u\njbp flags:    0x%08X\njbp size:     %u x %u\n", h->quality,
                h->flags, h->width, h->height);
    std::printf("jbp bits:     %u\njbp streams:  DC %u bytes, AC %u bytes\n", h->bitsPerPixel,
                h->dcLength, h->acLength);
}

int Info(const std::vector<std::string>& args) {
    if (args.size() != 1) return Usage();
    std::string error;
    const auto bytes = ReadSource(args[0], error);
    if (!bytes) return Fail(error);
    const auto h = ReadRbpHeader(*bytes);
    if (!h) return Fail("shorter than an RBP header");
    std::printf("type:         %u (%s)\nversion:      %c\nsize:         %u x %u\n", h->type,
                TypeName(h->type), h->version, h->width, h->height);
    std::printf("source size:  %d x %d\nplacement:    %d, %d\ndata offset:  %u\n",
                int16_t(h->sourceWidth), int16_t(h->sourceHeight), int16_t(h->placementX),
                int16_t(h->placementY), h->dataOffset);
    std::printf("colour size:  %u\nfile size:    %zu\n", h->colourSize, bytes->size());
    if ((h->type == 30 || h->type == 31) && h->dataOffset < bytes->size()) {
        auto rest = std::span(*bytes).subspan(h->dataOffset);
        PrintJbp(rest.first(std::min<size_t>(rest.size(), h->colourSize)));
    }
    return 0;
}

int Decode(const std::vector<std::string>& args) {
    long tint = 0;
    if (args.size() == 4 && args[2] == "--tint") {
        if (!ParseInt(args[3], 0, 0xFFFFFF, tint)) return Fail("--tint takes 0 to 0xFFFFFF");
    } else if (args.size() != 2) {
        return Usage();
    }
    std::string error;
    const auto bytes = ReadSource(args[0], error);
    if (!bytes) return Fail(error);
    RbpPicture picture;
    if (!RbpDecode(*bytes, static_cast<uint32_t>(tint), picture, &error)) return Fail(error);
    if (!WritePngFile(args[1], ToRgba(picture))) return Fail("cannot write " + args[1]);
    return 0;
}

struct EncodeOptions {
    long quality = 0, x = 0, y = 0, sourceWidth = -1, sourceHeight = -1;
    bool mask = false;
    std::string keepJpeg;
};

bool ParseEncodeOptions(const std::vector<std::string>& args, EncodeOptions& o) {
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--mask") {
            o.mask = true;
        } else if (a == "--quality" && hasValue) {
            if (!ParseInt(args[++i], 0, 3, o.quality)) return false;
        } else if (a == "--placement" && hasValue) {
            if (!ParsePair(args[++i], -32768, 32767, o.x, o.y)) return false;
        } else if (a == "--source" && hasValue) {
            if (!ParsePair(args[++i], 1, 32767, o.sourceWidth, o.sourceHeight)) return false;
        } else if (a == "--keep-jpeg" && hasValue) {
            o.keepJpeg = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

int Encode(const std::vector<std::string>& args) {
    EncodeOptions o;
    if (args.size() < 2 || !ParseEncodeOptions(args, o)) return Usage();
    std::string error;
    const auto bytes = ReadSource(args[0], error);
    if (!bytes) return Fail(error);
    auto picture = PictureFromFile(*bytes, error);
    if (!picture) return Fail(args[0] + ": " + error);
    if (o.sourceWidth > 0) picture->SetSourceSize(o.sourceWidth, o.sourceHeight);
    std::vector<uint8_t> jpeg;
    std::optional<std::vector<uint8_t>> rbp;
    if (o.mask) {
        rbp = RbpMaskFromPicture(*picture);
    } else {
        rbp = RbpFromPicture(*picture, static_cast<int>(o.quality), static_cast<int>(o.x),
                             static_cast<int>(o.y), o.keepJpeg.empty() ? nullptr : &jpeg);
    }
    if (!rbp) return Fail("the JBP encoder failed");
    if (!WriteHostFile(args[1], *rbp)) return Fail("cannot write " + args[1]);
    if (!o.keepJpeg.empty()) {
        if (jpeg.empty()) return Fail("no JPEG to keep: the picture was written in the plain form");
        if (!WriteHostFile(o.keepJpeg, jpeg)) return Fail("cannot write " + o.keepJpeg);
    }
    return 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    if (argc < 2) return vn::Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info") return vn::Info(args);
    if (command == "decode") return vn::Decode(args);
    if (command == "encode") return vn::Encode(args);
    return vn::Usage();
}
