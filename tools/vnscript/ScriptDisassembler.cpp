#include "tools/vnscript/ScriptDisassembler.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "formats/io/RecordFields.h"
#include "tools/vnscript/OpcodeTable.h"
#include "tools/vnscript/ScriptImage.h"
#include "tools/vnscript/ScriptText.h"

namespace vn {
namespace {

struct Instruction {
    size_t at;
    uint16_t opcode;
    int32_t operand;
    size_t size;  // 6, or 6 + text bytes for a well-formed push-text
    bool textOk;  // the text is printable as a PushText line
};

// Splits the code into instructions; a tail shorter than one instruction is
// left out (it is written raw).
std::vector<Instruction> Walk(std::span<const uint8_t> code) {
    std::vector<Instruction> out;
    size_t at = 0;
    while (code.size() - at >= ScriptImage::kInstructionSize) {
        Instruction in{at, GetU16(code.data() + at),
                       static_cast<int32_t>(GetU32(code.data() + at + 2)),
                       ScriptImage::kInstructionSize, false};
        if (in.opcode == ScriptImage::kPushText && in.operand > 0 &&
            static_cast<size_t>(in.operand) <= code.size() - at - 6) {
            in.size += static_cast<size_t>(in.operand);
            const uint8_t* text = code.data() + at + 6;
            const void* zero = std::memchr(text, 0, static_cast<size_t>(in.operand));
            in.textOk = zero != nullptr &&
                        static_cast<const uint8_t*>(zero) - text <=
                            static_cast<ptrdiff_t>(ScriptImage::kMaxTextBytes);
        }
        out.push_back(in);
        at += in.size;
    }
    return out;
}

std::string HexList(std::span<const uint8_t> bytes) {
    std::string s;
    char buf[4];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, " %02X", b);
        s += buf;
    }
    return s;
}

class Printer {
public:
    Printer(const ScriptImage& image, std::vector<Instruction> code)
        : image_(image), code_(std::move(code)) {
        for (const Instruction& in : code_) boundaries_.insert(in.at);
        boundaries_.insert(image_.code.size());
    }

    std::string Run() {
        CollectTargets();
        out_ = ".header" + HexList(image_.header) + "\n";
        if (!image_.hasLabels) {
            out_ += ".nolabels\n";
        } else {
            if (image_.labelWords[0] != 0) out_ += ".label0 " + Target(image_.labelWords[0]) + "\n";
            for (size_t i = 1; i < image_.labelWords.size(); ++i)
                out_ += ".label " + Target(image_.labelWords[i]) + "\n";
        }
        for (const Instruction& in : code_) {
            NameHere(in.at);
            out_ += "    " + Line(in) + "\n";
        }
        const size_t end = code_.empty() ? 0 : code_.back().at + code_.back().size;
        NameHere(end);
        if (end < image_.code.size()) {
            out_ += "    .raw" + HexList(std::span(image_.code).subspan(end)) + "\n";
            NameHere(image_.code.size());
        }
        return out_;
    }

private:
    bool IsTarget(uint32_t offset) const { return boundaries_.count(offset) != 0; }
    std::string Target(uint32_t offset) const {
        return IsTarget(offset) ? "L" + std::to_string(offset)
                                : std::to_string(static_cast<int32_t>(offset));
    }
    void CollectTargets() {
        for (const Instruction& in : code_) {
            const auto op = OpcodeTable::FindOpcode(in.opcode);
            if (op && op->info->operand == OperandKind::Target &&
                IsTarget(static_cast<uint32_t>(in.operand)))
                named_.insert(static_cast<uint32_t>(in.operand));
        }
        if (image_.hasLabels)
            for (uint32_t w : image_.labelWords)
                if (IsTarget(w)) named_.insert(w);
    }
    void NameHere(size_t at) {
        if (named_.count(static_cast<uint32_t>(at))) out_ += "L" + std::to_string(at) + ":\n";
    }
    std::string Line(const Instruction& in) const {
        const auto op = OpcodeTable::FindOpcode(in.opcode);
        const std::string operand = std::to_string(in.operand);
        if (!op || (in.opcode == ScriptImage::kPushText && !in.textOk)) {
            std::string s = "op " + std::to_string(in.opcode) + " " + operand;
            if (in.size > 6)
                s += "\n    .raw" + HexList(std::span(image_.code).subspan(in.at + 6, in.size - 6));
            return s;
        }
        const std::string name = OpcodeTable::Spell(*op);
        switch (op->info->operand) {
        case OperandKind::None:
            return in.operand == 0 ? name : name + " " + operand;
        case OperandKind::Int:
            return name + " " + operand;
        case OperandKind::Target:
            return name + " " + Target(static_cast<uint32_t>(in.operand));
        case OperandKind::Text:
            return TextLine(name, in);
        }
        return name;
    }
    std::string TextLine(const std::string& name, const Instruction& in) const {
        const std::span<const uint8_t> all(image_.code.data() + in.at + 6, in.size - 6);
        const size_t len = std::strlen(reinterpret_cast<const char*>(all.data()));
        const std::span<const uint8_t> text = all.first(len);
        std::string s = name + " " + QuoteCp932(text);
        const std::vector<uint8_t> packed = PackText(text);
        if (!std::equal(packed.begin(), packed.end(), all.begin(), all.end()))
            s += " tail" + HexList(all.subspan(len + 1));
        return s;
    }

    const ScriptImage& image_;
    std::vector<Instruction> code_;
    std::set<size_t> boundaries_;
    std::set<uint32_t> named_;
    std::string out_;
};

}  // namespace

std::optional<std::string> ScriptDisassembler::Disassemble(std::span<const uint8_t> bytes,
                                                           std::string* error) {
    const auto image = ScriptImage::Parse(bytes, error);
    if (!image) return std::nullopt;
    return Printer(*image, Walk(image->code)).Run();
}

std::set<uint16_t> ScriptDisassembler::OpcodesUsed(std::span<const uint8_t> bytes) {
    std::set<uint16_t> used;
    const auto image = ScriptImage::Parse(bytes, nullptr);
    if (!image) return used;
    for (const Instruction& in : Walk(image->code)) used.insert(in.opcode);
    return used;
}

}  // namespace vn
