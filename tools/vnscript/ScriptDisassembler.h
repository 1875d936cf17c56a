#pragma once
// Turns a compiled script file into source that assembles back to the same
// bytes: named opcodes, code names at jump targets, the label table, texts
// in UTF-8, and raw forms for whatever does not decode.

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>

namespace vn {

class ScriptDisassembler {
public:
    // nullopt (with a reason in error) only for a file whose header or
    // label table cannot be read.
    static std::optional<std::string> Disassemble(std::span<const uint8_t> bytes,
                                                  std::string* error);
    // The opcodes the instructions of a file use, walking the code as the
    // machine reads it.
    static std::set<uint16_t> OpcodesUsed(std::span<const uint8_t> bytes);
};

}  // namespace vn
