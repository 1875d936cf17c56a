#pragma once
// Collects the instructions of one script in source order, with names
// resolved at the end: code names (jump targets), label-table entries and
// their numbers, and the table itself.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/vnscript/ScriptImage.h"

namespace vn {

struct ScriptOperand {
    enum class Kind { Value, CodeName, LabelNumber };
    Kind kind = Kind::Value;
    int64_t value = 0;
    std::string name;

    static ScriptOperand Of(int64_t v) { return {Kind::Value, v, {}}; }
    static ScriptOperand Code(std::string n) { return {Kind::CodeName, 0, std::move(n)}; }
    static ScriptOperand Label(std::string n) { return {Kind::LabelNumber, 0, std::move(n)}; }
};

class ScriptBuilder {
public:
    void SetLine(int line) { line_ = line; }
    int Line() const { return line_; }
    void Error(const std::string& message);
    const std::vector<std::string>& Errors() const { return errors_; }

    void Instruction(uint16_t opcode, ScriptOperand operand, std::vector<uint8_t> tail = {});
    void Raw(std::vector<uint8_t> bytes);
    // A code name at the current offset; with inTable it also becomes the
    // next label-table entry.
    void DefineName(const std::string& name, bool inTable);
    void AddTableWord(ScriptOperand word);
    void SetWordZero(ScriptOperand word) { wordZero_ = {line_, std::move(word)}; }
    void SetHeader(const std::array<uint8_t, 8>& header) { image_.header = header; }
    void SetNoLabels() { noLabels_ = true; }
    // A fresh name no source can spell, for the blocks of macros.
    std::string HiddenName();

    // The finished file, or nullopt when any error was reported.
    std::optional<std::vector<uint8_t>> Finish();

private:
    struct Pending {
        int line;
        size_t at;  // where the operand word goes in the code
        ScriptOperand operand;
    };
    struct Word {
        int line;
        ScriptOperand operand;
    };
    std::optional<int64_t> Resolve(const ScriptOperand& operand, int line);

    ScriptImage image_;
    std::vector<Pending> pending_;
    std::vector<Word> table_;
    Word wordZero_{0, ScriptOperand::Of(0)};
    std::map<std::string, uint32_t> names_;
    std::map<std::string, uint32_t> labelNumbers_;
    std::vector<std::string> errors_;
    bool noLabels_ = false;
    int line_ = 0;
    int hidden_ = 0;
};

}  // namespace vn
