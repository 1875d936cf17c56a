#pragma once
// Assembles script source (UTF-8) into a compiled script file.
//
// A line holds one of:
//   name:  / *name:        a code name; with "*" also the next label-table
//                          entry, whose number "*name" stands for in operands
//   Command [operand]      any opcode by name ("Name.k" for the k-th opcode of
//                          a shared name); jumps take a code name
//   PushText "text" [tail HH ...]   the bytes after the zero given explicitly
//   Command(arg, ...)      ClearArgs, a push per argument, the command
//   op OPCODE [OPERAND]    any six bytes; .raw HH ...  any bytes
//   .header HH*8  .nolabels  .label0 X  .label X  .define NAME VALUE
//   a macro (ScriptMacros.h)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vn {

class ScriptAssembler {
public:
    // nullopt when the source has errors; each error names its line.
    std::optional<std::vector<uint8_t>> Assemble(std::string_view source);
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    std::vector<std::string> errors_;
};

}  // namespace vn
