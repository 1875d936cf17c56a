#pragma once
// What the assembler and its macros share while one source is read: the
// builder, the constants of ".define" and the open blocks of macros.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/vnscript/ScriptBuilder.h"
#include "tools/vnscript/ScriptText.h"

namespace vn {

struct ScriptBlock {
    enum class Kind { Choice, When };
    Kind kind;
    int line;
    std::string endName;  // defined where the block ends
    int options = 0;      // choice blocks
    bool hasElse = false;
};

struct ScriptContext {
    ScriptBuilder builder;
    std::map<std::string, int64_t> constants;
    std::vector<ScriptBlock> blocks;

    // A number (decimal, 0x hex, negative), a constant, "*label" (its label
    // number) or, when codeNames is set, a code name. Reports an error and
    // returns nullopt otherwise.
    std::optional<ScriptOperand> Operand(const SourceToken& token, bool codeNames);
    std::optional<int64_t> Number(const SourceToken& token);
    // Shift-JIS bytes of a text token, within the 255-byte record limit.
    std::optional<std::vector<uint8_t>> Text(const SourceToken& token, size_t limit = 255);

    void Emit(const char* name, ScriptOperand operand = ScriptOperand::Of(0));
    void EmitText(std::span<const uint8_t> cp932);
    // ClearArgs, one push per argument (texts and integer operands), then
    // the command: the "Name(a, b)" form.
    bool EmitCall(const char* name, std::span<const SourceToken> args);
    void EmitCallInts(const char* name, std::initializer_list<int64_t> args);
};

bool IsIdentifier(const std::string& s);

}  // namespace vn
