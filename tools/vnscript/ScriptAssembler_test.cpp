#include "tools/vnscript/ScriptAssembler.h"

#include <gtest/gtest.h>

#include "formats/io/RecordFields.h"
#include "tools/vnscript/ScriptImage.h"

namespace vn {
namespace {

std::vector<uint8_t> AssembleOk(const std::string& source) {
    ScriptAssembler assembler;
    auto bytes = assembler.Assemble(source);
    EXPECT_TRUE(bytes) << (assembler.Errors().empty() ? "" : assembler.Errors()[0]);
    return bytes ? *bytes : std::vector<uint8_t>{};
}

struct Op {
    uint16_t opcode;
    int32_t operand;
};

// The instructions of a code area, texts skipped.
std::vector<Op> Ops(const ScriptImage& image) {
    std::vector<Op> ops;
    for (size_t at = 0; at + 6 <= image.code.size();) {
        const Op op{GetU16(&image.code[at]), static_cast<int32_t>(GetU32(&image.code[at + 2]))};
        ops.push_back(op);
        at += 6 + (op.opcode == 11 ? op.operand : 0);
    }
    return ops;
}

TEST(ScriptAssembler, LaysOutHeaderLabelTableAndCode) {
    const auto bytes = AssembleOk(
        ".header 41 42 43 44 01 02 03 04\n"
        "*start:\n"
        "    PushInt 7\n"
        "*again:  Jump start   ; comment\n"
        "    FadeInBlack.1 3\n");
    ASSERT_EQ(bytes.size(), 12u + 3 * 4 + 3 * 6);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "ABCD");
    EXPECT_EQ(GetU32(&bytes[8]), 2u);   // two labels
    EXPECT_EQ(GetU32(&bytes[12]), 0u);  // word 0
    EXPECT_EQ(GetU32(&bytes[16]), 0u);  // start
    EXPECT_EQ(GetU32(&bytes[20]), 6u);  // again
    const uint8_t* code = &bytes[24];
    EXPECT_EQ(GetU16(code), 2);
    EXPECT_EQ(GetU32(code + 2), 7u);
    EXPECT_EQ(GetU16(code + 6), 5);
    EXPECT_EQ(GetU32(code + 8), 0u);
    EXPECT_EQ(GetU16(code + 12), 1047);
    EXPECT_EQ(GetU32(code + 14), 3u);
}

TEST(ScriptAssembler, StoresTextsAsShiftJisWithPaddingAndTail) {
    const auto image = ScriptImage::Parse(
        AssembleOk("PushText \"あa\"\nPushText \"b\" tail FF\nPushText \"\\x82\\xA0\"\n"), nullptr);
    ASSERT_TRUE(image);
    const std::vector<uint8_t> expected = {
        11, 0, 4, 0, 0, 0, 0x82, 0xA0, 'a', 0,  // 3 bytes + zero = 4
        11, 0, 3, 0, 0, 0, 'b',  0,    0xFF,     // explicit tail
        11, 0, 4, 0, 0, 0, 0x82, 0xA0, 0,    0};
    EXPECT_EQ(image->code, expected);
}

TEST(ScriptAssembler, CallFormPushesArgumentsInOrder) {
    const auto image = ScriptImage::Parse(
        AssembleOk(".define LEFT 1\n*here:\nShowStand(LEFT, 0x10)\ngoto here\n"), nullptr);
    ASSERT_TRUE(image);
    const auto ops = Ops(*image);
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(ops[0].opcode, 8);
    EXPECT_EQ(ops[1].operand, 1);
    EXPECT_EQ(ops[2].operand, 16);
    EXPECT_EQ(ops[3].opcode, 1070);
    EXPECT_EQ(ops[5].opcode, 2);
    EXPECT_EQ(ops[5].operand, 0);  // label number of "here"
    EXPECT_EQ(ops[6].opcode, 1090);
}

TEST(ScriptAssembler, SayPutsTheVoiceControlBeforeTheText) {
    const auto image =
        ScriptImage::Parse(AssembleOk("say 3 12 voice=42 mode=auto \"はい\"\n"), nullptr);
    ASSERT_TRUE(image);
    const std::string code(image->code.begin(), image->code.end());
    EXPECT_NE(code.find("@V0042\x82\xCD\x82\xA2"), std::string::npos);
    const auto ops = Ops(*image);
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[1].operand, 3);
    EXPECT_EQ(ops[2].operand, 12);
    EXPECT_EQ(ops[4].opcode, 1081);
}

TEST(ScriptAssembler, WhenElseJumpsAroundTheBranches) {
    const auto image = ScriptImage::Parse(
        AssembleOk("choice\n option 1 \"A\"\n option 2 \"B\"\nend\n"
                   "when choice 2\n Yield\nelse\n Nop\nend\nSavePoint\n"),
        nullptr);
    ASSERT_TRUE(image);
    const auto ops = Ops(*image);
    // 2 x (ClearArgs PushInt PushText AddChoice), ClearArgs RunChoice,
    // ClearArgs PushInt 51 SelectIndex, ClearArgs PushInt 2 TestEqual,
    // JumpIfFlag, Yield, Jump, Nop, SavePoint.
    ASSERT_EQ(ops.size(), 21u);
    const Op jumpIf = ops[16], jump = ops[18];
    EXPECT_EQ(jumpIf.opcode, 6);
    EXPECT_EQ(jump.opcode, 5);
    // Offsets: each option is 6 + 6 + (6 + 4) + 6 = 28 bytes.
    const int32_t yieldAt = 2 * 28 + 12 + 36 + 6;
    EXPECT_EQ(jumpIf.operand, yieldAt + 12);  // the Nop of the else branch
    EXPECT_EQ(jump.operand, yieldAt + 18);    // after the Nop
}

struct BadSource {
    const char* source;
    int line;
    const char* message;
};

TEST(ScriptAssembler, ReportsErrorsWithLineNumbers) {
    const std::string longText(256, 'x');
    const BadSource cases[] = {
        {"Nop\nFrobnicate\n", 2, "unknown command 'Frobnicate'"},
        {"Nop\n\nJump nowhere\n", 3, "undefined label 'nowhere'"},
        {"PushText \"\xE2\x98\x83\"\n", 1, "does not convert"},  // a snowman
        {"Nop\nPushText \"abc\n", 2, "closing quote"},
        {"goto missing\n", 1, "not a label of the label table"},
        {"x:\nx:\n", 2, "defined twice"},
        {"Nop.5\n", 1, "unknown command"},
        {"ShowStand(1, LEFT)\n", 1, "unknown name 'LEFT'"},
        {"when choice 1\nNop\n", 2, "has no end"},
        {"choice\nend\n", 2, "choice without options"},
        {"choice\noption 1 \"0123456789012345678901234567890123456789012345678901234567890123\"\nend\n",
         2, "over the limit of 63"},
        {".header 01 02\n", 1, "8 hex bytes"},
        {"op 70000\n", 1, "opcode outside"},
    };
    for (const BadSource& c : cases) {
        ScriptAssembler assembler;
        EXPECT_FALSE(assembler.Assemble(c.source)) << c.source;
        ASSERT_FALSE(assembler.Errors().empty()) << c.source;
        const std::string& e = assembler.Errors()[0];
        EXPECT_EQ(e.rfind("line " + std::to_string(c.line) + ":", 0), 0u) << e;
        EXPECT_NE(e.find(c.message), std::string::npos) << e;
    }
    ScriptAssembler assembler;
    EXPECT_FALSE(assembler.Assemble("Nop\nPushText \"" + longText + "\"\n"));
    EXPECT_EQ(assembler.Errors().at(0), "line 2: text of 256 bytes, over the limit of 255");
}

TEST(ScriptAssembler, AcceptsAtMost511Labels) {
    std::string source;
    for (int i = 0; i < 511; ++i) source += "*l" + std::to_string(i) + ": Nop\n";
    EXPECT_EQ(GetU32(&AssembleOk(source)[8]), 511u);
    ScriptAssembler assembler;
    EXPECT_FALSE(assembler.Assemble(source + "*one_more: Nop\n"));
    ASSERT_EQ(assembler.Errors().size(), 1u);
    EXPECT_EQ(assembler.Errors()[0].rfind("line 512: more than 511 labels", 0), 0u);
}

}  // namespace
}  // namespace vn
