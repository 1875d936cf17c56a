#include "tools/vnscript/ScriptMacros.h"

#include <string>

namespace vn {
namespace {

using Tokens = std::vector<SourceToken>;

constexpr int kChoiceResultIndex = 51;
constexpr size_t kChoiceTextLimit = 63;
constexpr int kMaxChoices = 6;

bool WantCount(const Tokens& t, size_t min, size_t max, ScriptContext& ctx, const char* usage) {
    if (t.size() < min || t.size() > max) {
        ctx.builder.Error(std::string("usage: ") + usage);
        return false;
    }
    return true;
}

void Speaker(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 3, 3, ctx, "speaker NUMBER \"name\"")) return;
    const auto n = ctx.Number(t[1]);
    const auto name = ctx.Text(t[2], 127);
    if (!n || !name) return;
    if (*n < 0 || *n > 31) return ctx.builder.Error("speaker number outside 0-31");
    ctx.Emit("ClearArgs");
    ctx.Emit("PushInt", ScriptOperand::Of(*n));
    ctx.EmitText(*name);
    ctx.Emit("SetSpeakerName");
}

struct ModeRow {
    const char* mode;
    const char* command;
};
constexpr ModeRow kSayModes[] = {
    {"wait", "Message"}, {"nowait", "MessageNoWait"}, {"auto", "MessageAuto"},
    {"reveal", "MessageReveal"}};

void Say(const Tokens& t, ScriptContext& ctx) {
    if (t.size() < 4 || t.back().kind != SourceToken::Kind::Text)
        return ctx.builder.Error("usage: say SPEAKER FACE [voice=N] [mode=M] \"text\"");
    const auto speaker = ctx.Operand(t[1], false);
    const auto face = ctx.Operand(t[2], false);
    if (!speaker || !face) return;
    const char* command = "Message";
    std::string prefix;
    for (size_t i = 3; i + 1 < t.size(); i += 3) {
        if (i + 3 >= t.size() || !t[i + 1].IsPunct('='))
            return ctx.builder.Error("expected KEY=VALUE before the text");
        const std::string& key = t[i].text;
        if (key == "voice") {
            const auto v = ctx.Number(t[i + 2]);
            if (!v) return;
            if (*v < 0 || *v > 9999) return ctx.builder.Error("voice number outside 0-9999");
            char buf[16];
            std::snprintf(buf, sizeof buf, "@V%04d", static_cast<int>(*v));
            prefix = buf;
        } else if (key == "mode") {
            command = nullptr;
            for (const ModeRow& row : kSayModes)
                if (t[i + 2].text == row.mode) command = row.command;
            if (!command) return ctx.builder.Error("unknown mode '" + t[i + 2].text + "'");
        } else {
            return ctx.builder.Error("unknown key '" + key + "' (voice, mode)");
        }
    }
    SourceToken text = t.back();
    text.text = prefix + text.text;
    const auto bytes = ctx.Text(text);
    if (!bytes) return;
    ctx.Emit("ClearArgs");
    ctx.Emit("PushInt", *speaker);
    ctx.Emit("PushInt", *face);
    ctx.EmitText(*bytes);
    ctx.Emit(command);
}

void Choice(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 1, 1, ctx, "choice (then option lines and end)")) return;
    ctx.blocks.push_back({ScriptBlock::Kind::Choice, ctx.builder.Line(), {}});
}

void Option(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 3, 3, ctx, "option VALUE \"text\"")) return;
    if (ctx.blocks.empty() || ctx.blocks.back().kind != ScriptBlock::Kind::Choice)
        return ctx.builder.Error("option outside a choice block");
    if (++ctx.blocks.back().options > kMaxChoices)
        return ctx.builder.Error("more than 6 options in one choice");
    const auto value = ctx.Operand(t[1], false);
    const auto text = ctx.Text(t[2], kChoiceTextLimit);
    if (!value || !text) return;
    ctx.Emit("ClearArgs");
    ctx.Emit("PushInt", *value);
    ctx.EmitText(*text);
    ctx.Emit("AddChoice");
}

// Sets conditionFlag to 1 when the condition does not hold.
bool TestCondition(const Tokens& t, ScriptContext& ctx) {
    const std::string kind = t.size() > 1 ? t[1].text : "";
    auto select = [&](int64_t index) { ctx.EmitCallInts("SelectIndex", {index}); };
    if (kind == "choice" && t.size() == 3) {
        const auto v = ctx.Number(t[2]);
        if (!v) return false;
        select(kChoiceResultIndex);
        ctx.EmitCallInts("TestEqual", {*v});
    } else if (kind == "flag" && t.size() == 3) {
        const auto n = ctx.Number(t[2]);
        if (!n) return false;
        if (*n < 0 || *n > 11) return ctx.builder.Error("only scene flags 0-11 can be tested"), false;
        select(*n);
        ctx.EmitCallInts("TestEqual", {0});
    } else if ((kind == "var" || kind == "atleast") && t.size() == 4) {
        const auto index = ctx.Number(t[2]);
        const auto v = ctx.Number(t[3]);
        if (!index || !v) return false;
        const bool equal = kind == "var";
        if (equal && (*index < 13 || *index > 47))
            return ctx.builder.Error("variables 13-47 can be compared"), false;
        if (!equal && (*index < 0 || *index > 53))
            return ctx.builder.Error("row words are 0-53"), false;
        select(*index);
        ctx.EmitCallInts(equal ? "TestEqual" : "TestLess", {*v});
    } else {
        ctx.builder.Error("usage: when choice V | flag N | var I V | atleast I V");
        return false;
    }
    return true;
}

void When(const Tokens& t, ScriptContext& ctx) {
    if (!TestCondition(t, ctx)) return;
    ScriptBlock block{ScriptBlock::Kind::When, ctx.builder.Line(), ctx.builder.HiddenName()};
    ctx.Emit("JumpIfFlag", ScriptOperand::Code(block.endName));
    ctx.blocks.push_back(std::move(block));
}

void Else(const Tokens& t, ScriptContext& ctx) {
    if (ctx.blocks.empty() || ctx.blocks.back().kind != ScriptBlock::Kind::When ||
        ctx.blocks.back().hasElse)
        return ctx.builder.Error("else without its when");
    ScriptBlock& block = ctx.blocks.back();
    const std::string after = ctx.builder.HiddenName();
    ctx.Emit("Jump", ScriptOperand::Code(after));
    ctx.builder.DefineName(block.endName, false);
    block.endName = after;
    block.hasElse = true;
}

void End(const Tokens& t, ScriptContext& ctx) {
    if (ctx.blocks.empty()) return ctx.builder.Error("end without a block");
    const ScriptBlock block = ctx.blocks.back();
    ctx.blocks.pop_back();
    if (block.kind == ScriptBlock::Kind::Choice) {
        if (block.options == 0) return ctx.builder.Error("choice without options");
        ctx.Emit("ClearArgs");
        ctx.Emit("RunChoice");
    } else {
        ctx.builder.DefineName(block.endName, false);
    }
}

void Goto(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 2, 2, ctx, "goto LABEL")) return;
    if (!IsIdentifier(t[1].text)) return ctx.builder.Error("goto needs a label name");
    ctx.Emit("ClearArgs");
    ctx.Emit("PushInt", ScriptOperand::Label(t[1].text));
    ctx.Emit("JumpLabel");
}

void AddCounter(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 3, 3, ctx, "addcounter CHARACTER 50|100")) return;
    const auto who = ctx.Number(t[1]);
    const auto amount = ctx.Number(t[2]);
    if (!who || !amount) return;
    if (*who < 1 || *who > 12) return ctx.builder.Error("character counters are 1-12");
    if (*amount != 50 && *amount != 100) return ctx.builder.Error("a counter rises by 50 or 100");
    ctx.EmitCallInts("SelectIndex", {*who});
    ctx.EmitCallInts("SetValue", {*amount, 0});
}

void NextScript(const Tokens& t, ScriptContext& ctx) {
    if (!WantCount(t, 2, 3, ctx, "nextscript \"file.bin\" [offset]")) return;
    const auto name = ctx.Text(t[1], 31);
    const auto offset = t.size() == 3 ? ctx.Number(t[2]) : std::optional<int64_t>(0);
    if (!name || !offset) return;
    ctx.Emit("ClearArgs");
    ctx.EmitText(*name);
    ctx.Emit("PushInt", ScriptOperand::Of(*offset));
    ctx.Emit("ChangeScript");
}

struct MacroRow {
    const char* name;
    void (*expand)(const Tokens&, ScriptContext&);
};
constexpr MacroRow kMacros[] = {
    {"speaker", Speaker}, {"say", Say},   {"choice", Choice},         {"option", Option},
    {"when", When},       {"else", Else}, {"end", End},               {"goto", Goto},
    {"addcounter", AddCounter},           {"nextscript", NextScript},
};

}  // namespace

bool ExpandMacro(const Tokens& tokens, ScriptContext& ctx) {
    if (tokens.empty() || tokens[0].kind != SourceToken::Kind::Word) return false;
    for (const MacroRow& row : kMacros) {
        if (tokens[0].text == row.name) {
            row.expand(tokens, ctx);
            return true;
        }
    }
    return false;
}

void CheckBlocksClosed(ScriptContext& ctx) {
    for (const ScriptBlock& block : ctx.blocks) {
        ctx.builder.Error(std::string(block.kind == ScriptBlock::Kind::Choice ? "choice" : "when") +
                          " block opened on line " + std::to_string(block.line) +
                          " has no end");
    }
}

}  // namespace vn
