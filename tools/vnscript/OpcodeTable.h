#pragma once
// Every opcode of the compiled script format by name. Opcodes that behave
// alike share one name; the first opcode of a row is the one a bare name
// assembles to, "Name.k" picks the k-th.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vn {

enum class OperandKind {
    None,    // operand ignored by the player; written only when non-zero
    Int,     // pushed value
    Target,  // code offset of a jump
    Text,    // byte count of the text that follows
};

struct OpcodeInfo {
    const char* name;
    uint16_t opcodes[5];
    int opcodeCount;
    OperandKind operand;
};

struct OpcodeName {
    const OpcodeInfo* info;
    int variant;  // index into info->opcodes
};

class OpcodeTable {
public:
    static std::span<const OpcodeInfo> All();
    // "Name" or "Name.k"; nullopt for an unknown name or variant.
    static std::optional<OpcodeName> FindName(std::string_view name);
    static std::optional<OpcodeName> FindOpcode(uint16_t opcode);
    // The source spelling of a known opcode ("FadeInBlack", "FadeInBlack.1").
    static std::string Spell(const OpcodeName& name);
};

}  // namespace vn
