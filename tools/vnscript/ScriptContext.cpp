#include "tools/vnscript/ScriptContext.h"

#include <cctype>
#include <charconv>

#include "tools/vnscript/OpcodeTable.h"

namespace vn {

bool IsIdentifier(const std::string& s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

namespace {

// Decimal or 0x hex, with an optional sign, within 32 bits.
std::optional<int64_t> ParseNumber(const std::string& s) {
    std::string_view v = s;
    bool negative = false;
    if (!v.empty() && (v[0] == '-' || v[0] == '+')) {
        negative = v[0] == '-';
        v.remove_prefix(1);
    }
    int base = 10;
    if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
        base = 16;
        v.remove_prefix(2);
    }
    if (v.empty()) return std::nullopt;
    uint64_t n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n, base);
    if (ec != std::errc() || end != v.data() + v.size() || n > 0xFFFFFFFFull) return std::nullopt;
    return negative ? -static_cast<int64_t>(n) : static_cast<int64_t>(n);
}

}  // namespace

std::optional<int64_t> ScriptContext::Number(const SourceToken& token) {
    if (token.kind == SourceToken::Kind::Word) {
        if (const auto n = ParseNumber(token.text)) return n;
        if (const auto it = constants.find(token.text); it != constants.end()) return it->second;
    }
    builder.Error("expected a number, found '" + token.text + "'");
    return std::nullopt;
}

std::optional<ScriptOperand> ScriptContext::Operand(const SourceToken& token, bool codeNames) {
    if (token.kind != SourceToken::Kind::Word) {
        builder.Error("expected a number or a label, found '" + token.text + "'");
        return std::nullopt;
    }
    const std::string& s = token.text;
    if (const auto n = ParseNumber(s)) return ScriptOperand::Of(*n);
    if (const auto it = constants.find(s); it != constants.end())
        return ScriptOperand::Of(it->second);
    if (s.size() > 1 && s[0] == '*' && IsIdentifier(s.substr(1)))
        return ScriptOperand::Label(s.substr(1));
    if (codeNames && IsIdentifier(s)) return ScriptOperand::Code(s);
    builder.Error("unknown name '" + s + "'");
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> ScriptContext::Text(const SourceToken& token, size_t limit) {
    if (token.kind != SourceToken::Kind::Text) {
        builder.Error("expected a text in double quotes, found '" + token.text + "'");
        return std::nullopt;
    }
    auto bytes = TextToCp932(token.text);
    if (!bytes) {
        builder.Error("text does not convert to Shift-JIS: \"" + token.text + "\"");
        return std::nullopt;
    }
    if (bytes->size() > limit) {
        builder.Error("text of " + std::to_string(bytes->size()) + " bytes, over the limit of " +
                      std::to_string(limit));
        return std::nullopt;
    }
    return bytes;
}

void ScriptContext::Emit(const char* name, ScriptOperand operand) {
    const auto op = OpcodeTable::FindName(name);
    builder.Instruction(op->info->opcodes[op->variant], std::move(operand));
}

void ScriptContext::EmitText(std::span<const uint8_t> cp932) {
    const std::vector<uint8_t> tail = PackText(cp932);
    builder.Instruction(ScriptImage::kPushText,
                        ScriptOperand::Of(static_cast<int64_t>(tail.size())), tail);
}

bool ScriptContext::EmitCall(const char* name, std::span<const SourceToken> args) {
    const auto op = OpcodeTable::FindName(name);
    if (!op) {
        builder.Error(std::string("unknown command '") + name + "'");
        return false;
    }
    if (args.size() > 16) {
        builder.Error("more than 16 arguments");
        return false;
    }
    Emit("ClearArgs");
    for (const SourceToken& arg : args) {
        if (arg.kind == SourceToken::Kind::Text) {
            const auto bytes = Text(arg);
            if (!bytes) return false;
            EmitText(*bytes);
        } else {
            auto v = Operand(arg, false);
            if (!v) return false;
            Emit("PushInt", std::move(*v));
        }
    }
    builder.Instruction(op->info->opcodes[op->variant], ScriptOperand::Of(0));
    return true;
}

void ScriptContext::EmitCallInts(const char* name, std::initializer_list<int64_t> args) {
    Emit("ClearArgs");
    for (int64_t v : args) Emit("PushInt", ScriptOperand::Of(v));
    Emit(name);
}

}  // namespace vn
