#include "tools/vnscript/ScriptBuilder.h"

#include "formats/io/RecordFields.h"

namespace vn {

void ScriptBuilder::Error(const std::string& message) {
    errors_.push_back("line " + std::to_string(line_) + ": " + message);
}

void ScriptBuilder::Instruction(uint16_t opcode, ScriptOperand operand, std::vector<uint8_t> tail) {
    const size_t at = image_.code.size();
    image_.code.resize(at + ScriptImage::kInstructionSize);
    PutU16(image_.code.data() + at, opcode);
    pending_.push_back({line_, at + 2, std::move(operand)});
    image_.code.insert(image_.code.end(), tail.begin(), tail.end());
}

void ScriptBuilder::Raw(std::vector<uint8_t> bytes) {
    image_.code.insert(image_.code.end(), bytes.begin(), bytes.end());
}

void ScriptBuilder::DefineName(const std::string& name, bool inTable) {
    if (!names_.emplace(name, static_cast<uint32_t>(image_.code.size())).second) {
        Error("label '" + name + "' defined twice");
        return;
    }
    if (inTable) {
        labelNumbers_[name] = static_cast<uint32_t>(table_.size());
        AddTableWord(ScriptOperand::Code(name));
    }
}

void ScriptBuilder::AddTableWord(ScriptOperand word) {
    table_.push_back({line_, std::move(word)});
    if (table_.size() == ScriptImage::kMaxLabels + 1)
        Error("more than 511 labels (the player holds 512 label words)");
}

std::string ScriptBuilder::HiddenName() { return " block" + std::to_string(hidden_++); }

std::optional<int64_t> ScriptBuilder::Resolve(const ScriptOperand& operand, int line) {
    auto fail = [&](const std::string& message) -> std::optional<int64_t> {
        errors_.push_back("line " + std::to_string(line) + ": " + message);
        return std::nullopt;
    };
    switch (operand.kind) {
    case ScriptOperand::Kind::Value:
        return operand.value;
    case ScriptOperand::Kind::CodeName: {
        const auto it = names_.find(operand.name);
        if (it == names_.end()) return fail("undefined label '" + operand.name + "'");
        return it->second;
    }
    case ScriptOperand::Kind::LabelNumber: {
        const auto it = labelNumbers_.find(operand.name);
        if (it == labelNumbers_.end())
            return fail("'*" + operand.name + "' is not a label of the label table");
        return it->second;
    }
    }
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> ScriptBuilder::Finish() {
    for (const Pending& p : pending_) {
        const auto v = Resolve(p.operand, p.line);
        if (!v) continue;
        if (*v < INT32_MIN || *v > UINT32_MAX) {
            errors_.push_back("line " + std::to_string(p.line) + ": operand out of 32-bit range");
            continue;
        }
        PutU32(image_.code.data() + p.at, static_cast<uint32_t>(*v));
    }
    if (noLabels_ && !table_.empty()) Error("'.nolabels' in a script that defines table labels");
    image_.hasLabels = !noLabels_;
    image_.labelWords.clear();
    std::vector<Word> words{wordZero_};
    words.insert(words.end(), table_.begin(), table_.end());
    for (const Word& w : words) {
        const auto v = Resolve(w.operand, w.line);
        image_.labelWords.push_back(v ? static_cast<uint32_t>(*v) : 0);
    }
    if (!errors_.empty()) return std::nullopt;
    return image_.Serialize();
}

}  // namespace vn
