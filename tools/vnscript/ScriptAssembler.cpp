#include "tools/vnscript/ScriptAssembler.h"

#include <charconv>
#include <span>

#include "tools/vnscript/OpcodeTable.h"
#include "tools/vnscript/ScriptContext.h"
#include "tools/vnscript/ScriptMacros.h"

namespace vn {
namespace {

using Tokens = std::vector<SourceToken>;

std::optional<std::vector<uint8_t>> HexBytes(std::span<const SourceToken> t, ScriptContext& ctx) {
    std::vector<uint8_t> out;
    for (const SourceToken& token : t) {
        unsigned v = 0;
        const std::string& s = token.text;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
        if (token.kind != SourceToken::Kind::Word || s.size() != 2 || ec != std::errc() ||
            end != s.data() + s.size()) {
            ctx.builder.Error("expected a hex byte (two digits), found '" + s + "'");
            return std::nullopt;
        }
        out.push_back(static_cast<uint8_t>(v));
    }
    return out;
}

void Directive(const Tokens& t, ScriptContext& ctx) {
    const std::string& d = t[0].text;
    const std::span<const SourceToken> rest(t.begin() + 1, t.end());
    if (d == ".header") {
        const auto bytes = HexBytes(rest, ctx);
        if (!bytes) return;
        if (bytes->size() != 8) return ctx.builder.Error(".header takes 8 hex bytes");
        std::array<uint8_t, 8> header;
        std::copy(bytes->begin(), bytes->end(), header.begin());
        ctx.builder.SetHeader(header);
    } else if (d == ".nolabels" && rest.empty()) {
        ctx.builder.SetNoLabels();
    } else if ((d == ".label" || d == ".label0") && rest.size() == 1) {
        auto word = ctx.Operand(rest[0], true);
        if (!word) return;
        if (d == ".label") ctx.builder.AddTableWord(std::move(*word));
        else ctx.builder.SetWordZero(std::move(*word));
    } else if (d == ".define" && rest.size() == 2) {
        if (!IsIdentifier(rest[0].text)) return ctx.builder.Error("bad constant name");
        const auto v = ctx.Number(rest[1]);
        if (v && !ctx.constants.emplace(rest[0].text, *v).second)
            ctx.builder.Error("constant '" + rest[0].text + "' defined twice");
    } else if (d == ".raw") {
        if (auto bytes = HexBytes(rest, ctx)) ctx.builder.Raw(std::move(*bytes));
    } else {
        ctx.builder.Error("unknown directive or wrong operands: '" + d + "'");
    }
}

void PushText(const Tokens& t, ScriptContext& ctx) {
    if (t.size() < 2) return ctx.builder.Error("PushText needs a text");
    const auto text = ctx.Text(t[1]);
    if (!text) return;
    if (t.size() == 2) return ctx.EmitText(*text);
    if (t[2].text != "tail") return ctx.builder.Error("expected 'tail' after the text");
    const auto tailBytes = HexBytes(std::span(t).subspan(3), ctx);
    if (!tailBytes) return;
    std::vector<uint8_t> tail = *text;
    tail.push_back(0);
    tail.insert(tail.end(), tailBytes->begin(), tailBytes->end());
    ctx.builder.Instruction(ScriptImage::kPushText,
                            ScriptOperand::Of(static_cast<int64_t>(tail.size())), tail);
}

void RawOpcode(const Tokens& t, ScriptContext& ctx) {
    if (t.size() < 2 || t.size() > 3) return ctx.builder.Error("usage: op OPCODE [OPERAND]");
    const auto opcode = ctx.Number(t[1]);
    if (!opcode) return;
    if (*opcode < 0 || *opcode > 0xFFFF) return ctx.builder.Error("opcode outside 0-65535");
    auto operand = t.size() == 3 ? ctx.Operand(t[2], true) : ScriptOperand::Of(0);
    if (operand) ctx.builder.Instruction(static_cast<uint16_t>(*opcode), std::move(*operand));
}

void Command(const Tokens& t, ScriptContext& ctx) {
    const std::string& name = t[0].text;
    if (t.size() >= 2 && t[1].IsPunct('(')) {
        if (!t.back().IsPunct(')')) return ctx.builder.Error("missing ')'");
        std::vector<SourceToken> args;
        for (size_t i = 2; i + 1 < t.size(); ++i) {
            const bool wantArg = (i % 2) == 0;
            if (wantArg == t[i].IsPunct(',')) return ctx.builder.Error("bad argument list");
            if (wantArg) args.push_back(t[i]);
        }
        if (t.size() > 3 && t[t.size() - 2].IsPunct(','))
            return ctx.builder.Error("bad argument list");
        ctx.EmitCall(name.c_str(), args);
        return;
    }
    const auto op = OpcodeTable::FindName(name);
    if (!op) return ctx.builder.Error("unknown command '" + name + "'");
    if (op->info->operand == OperandKind::Text) return PushText(t, ctx);
    if (t.size() > 2) return ctx.builder.Error("too many operands for " + name);
    const bool target = op->info->operand == OperandKind::Target;
    if (target && t.size() == 1) return ctx.builder.Error(name + " needs a target");
    auto operand = t.size() == 2 ? ctx.Operand(t[1], target) : ScriptOperand::Of(0);
    if (operand) ctx.builder.Instruction(op->info->opcodes[op->variant], std::move(*operand));
}

void Line(Tokens t, ScriptContext& ctx) {
    if (t.empty()) return;
    if (t[0].kind == SourceToken::Kind::Word && t[0].text.size() > 1 && t[0].text.back() == ':') {
        std::string name = t[0].text.substr(0, t[0].text.size() - 1);
        const bool inTable = name[0] == '*';
        if (inTable) name.erase(0, 1);
        if (!IsIdentifier(name)) return ctx.builder.Error("bad label name '" + name + "'");
        ctx.builder.DefineName(name, inTable);
        t.erase(t.begin());
        if (t.empty()) return;
    }
    if (t[0].kind != SourceToken::Kind::Word) return ctx.builder.Error("a line starts with a name");
    if (t[0].text[0] == '.') return Directive(t, ctx);
    if (t[0].text == "op") return RawOpcode(t, ctx);
    if (ExpandMacro(t, ctx)) return;
    Command(t, ctx);
}

}  // namespace

std::optional<std::vector<uint8_t>> ScriptAssembler::Assemble(std::string_view source) {
    ScriptContext ctx;
    int lineNumber = 0;
    while (!source.empty()) {
        const size_t end = source.find('\n');
        const std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view() : source.substr(end + 1);
        ctx.builder.SetLine(++lineNumber);
        std::string error;
        auto tokens = TokenizeLine(line, &error);
        if (!tokens) {
            ctx.builder.Error(error);
            continue;
        }
        Line(std::move(*tokens), ctx);
    }
    CheckBlocksClosed(ctx);
    auto result = ctx.builder.Finish();
    errors_ = ctx.builder.Errors();
    return result;
}

}  // namespace vn
