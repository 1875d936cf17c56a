#include "tools/vnscript/OpcodeTable.h"

#include <charconv>

namespace vn {
namespace {

using K = OperandKind;

constexpr OpcodeInfo kOpcodes[] = {
    // Machine instructions.
    {"Nop", {0, 19, 1088, 1100, 1103}, 5, K::None},
    {"PushInt", {2, 12}, 2, K::Int},
    {"Jump", {5}, 1, K::Target},
    {"JumpIfFlag", {6}, 1, K::Target},
    {"ClearArgs", {8}, 1, K::None},
    {"PushText", {11}, 1, K::Text},
    {"PushIndex", {21}, 1, K::None},
    {"TestLess", {30}, 1, K::None},
    {"TestEqual", {31}, 1, K::None},
    {"SelectIndex", {1040, 1042}, 2, K::None},
    {"ChangeScript", {1089}, 1, K::None},
    {"JumpLabel", {1090}, 1, K::None},
    // State.
    {"SetSpeakerName", {1026}, 1, K::None},
    {"SavePoint", {1027}, 1, K::None},
    {"SetValue", {1039}, 1, K::None},
    {"SetSceneFlag", {1041}, 1, K::None},
    {"SetMark", {1043}, 1, K::None},
    {"Yield", {1045}, 1, K::None},
    // Messages.
    {"Message", {1079}, 1, K::None},
    {"MessageNoWait", {1080}, 1, K::None},
    {"MessageAuto", {1081}, 1, K::None},
    {"MessageReveal", {1082}, 1, K::None},
    {"WaitVoice", {1083}, 1, K::None},
    {"WaitTicks16", {1084}, 1, K::None},
    {"WaitTicks15", {1085}, 1, K::None},
    {"WaitMessageAuto", {1086}, 1, K::None},
    {"WaitClick", {1087}, 1, K::None},
    {"ShowWindow", {1077}, 1, K::None},
    {"HideWindow", {1078}, 1, K::None},
    // Choices.
    {"AddChoice", {1028}, 1, K::None},
    {"RunChoice", {1029}, 1, K::None},
    // Pictures and screen.
    {"ShowVisual", {1044}, 1, K::None},
    {"FadeInBlack", {1046, 1047}, 2, K::None},
    {"FadeOutBlack", {1048, 1049}, 2, K::None},
    {"FadeRestore", {1050, 1051}, 2, K::None},
    {"FadeOutWhite", {1052, 1053}, 2, K::None},
    {"DarkOverlayOff", {1054}, 1, K::None},
    {"DarkOverlayOn", {1056}, 1, K::None},
    {"VisualTransition", {1058, 1059}, 2, K::None},
    {"Transition", {1060, 1061}, 2, K::None},
    {"TransitionToBlack", {1062, 1063}, 2, K::None},
    {"FilterTransition", {1064}, 1, K::None},
    {"FilterTransitionNoWait", {1065}, 1, K::None},
    {"FilterToBlack", {1066}, 1, K::None},
    {"ClearScene", {1067}, 1, K::None},
    {"ShakeVertical", {1068}, 1, K::None},
    {"ShakeHorizontal", {1069}, 1, K::None},
    {"ShowStand", {1070, 1072}, 2, K::None},
    {"ShowStandYield", {1073, 1074}, 2, K::None},
    {"RemoveStand", {1075, 1076}, 2, K::None},
    // Sound.
    {"QueueSound", {1091}, 1, K::None},
    {"PlaySound", {1092}, 1, K::None},
    {"PlayLoopSound", {1093}, 1, K::None},
    {"StopLoopSound2", {1094, 1095}, 2, K::None},
    {"StopLoopSound", {1096}, 1, K::None},
    {"PlayMusic", {1097}, 1, K::None},
    {"PlayMusicDeep", {1098}, 1, K::None},
    {"FadeMusic", {1099}, 1, K::None},
    {"FadeMusicWaitVoice", {1104}, 1, K::None},
    // Eye catch.
    {"EyeCatch", {1030}, 1, K::None},
};

}  // namespace

std::span<const OpcodeInfo> OpcodeTable::All() { return kOpcodes; }

std::optional<OpcodeName> OpcodeTable::FindName(std::string_view name) {
    int variant = 0;
    if (const auto dot = name.find('.'); dot != std::string_view::npos) {
        const std::string_view digits = name.substr(dot + 1);
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), variant);
        if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        name = name.substr(0, dot);
    }
    for (const OpcodeInfo& info : kOpcodes) {
        if (name == info.name) {
            if (variant < 0 || variant >= info.opcodeCount) return std::nullopt;
            return OpcodeName{&info, variant};
        }
    }
    return std::nullopt;
}

std::optional<OpcodeName> OpcodeTable::FindOpcode(uint16_t opcode) {
    for (const OpcodeInfo& info : kOpcodes) {
        for (int i = 0; i < info.opcodeCount; ++i) {
            if (info.opcodes[i] == opcode) return OpcodeName{&info, i};
        }
    }
    return std::nullopt;
}

std::string OpcodeTable::Spell(const OpcodeName& name) {
    std::string s = name.info->name;
    if (name.variant != 0) s += "." + std::to_string(name.variant);
    return s;
}

}  // namespace vn
