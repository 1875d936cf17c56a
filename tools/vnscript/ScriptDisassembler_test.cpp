#include "tools/vnscript/ScriptDisassembler.h"

#include <gtest/gtest.h>

#include "formats/io/RecordFields.h"
#include "tools/vnscript/ScriptAssembler.h"
#include "tools/vnscript/ScriptImage.h"

namespace vn {
namespace {

void Put(std::vector<uint8_t>& code, uint16_t opcode, int32_t operand) {
    const size_t at = code.size();
    code.resize(at + 6);
    PutU16(&code[at], opcode);
    PutU32(&code[at + 2], static_cast<uint32_t>(operand));
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& bytes, std::string* source = nullptr) {
    std::string error;
    const auto text = ScriptDisassembler::Disassemble(bytes, &error);
    EXPECT_TRUE(text) << error;
    if (!text) return {};
    if (source) *source = *text;
    ScriptAssembler assembler;
    const auto back = assembler.Assemble(*text);
    EXPECT_TRUE(back) << (assembler.Errors().empty() ? "" : assembler.Errors()[0]) << "\n" << *text;
    return back ? *back : std::vector<uint8_t>{};
}

TEST(ScriptDisassembler, RoundTripsOddFilesByteForByte) {
    ScriptImage image;
    image.header = {0xDE, 0xAD, 0xBE, 0xEF, 0, 0, 0, 9};
    auto& c = image.code;
    Put(c, 2, -5);
    Put(c, 1079, 77);              // an operand the player ignores
    Put(c, 1047, 0);               // second opcode of a pair
    Put(c, 11, 7);                 // text with a non-zero tail
    c.insert(c.end(), {0x82, 0xA0, '"', 0, 1, 2, 3});
    Put(c, 11, 3);                 // text without its zero byte
    c.insert(c.end(), {'a', 'b', 'c'});
    Put(c, 6, 6);                  // a jump to an instruction
    Put(c, 5, 3);                  // a jump into the middle of one
    Put(c, 999, 1);                // not an opcode of the player
    Put(c, 11, 1000);              // a text longer than the file
    c.insert(c.end(), {0x10, 0x20});  // a tail shorter than an instruction
    image.labelWords = {12345, 0, 6, 99999, static_cast<uint32_t>(c.size())};
    const auto bytes = image.Serialize();
    std::string source;
    EXPECT_EQ(RoundTrip(bytes, &source), bytes);
    EXPECT_NE(source.find("Message 77"), std::string::npos) << source;
    EXPECT_NE(source.find("FadeInBlack.1"), std::string::npos);
    EXPECT_NE(source.find("PushText \"あ\\\"\" tail 01 02 03"), std::string::npos) << source;
    EXPECT_NE(source.find("op 999 1"), std::string::npos);
}

TEST(ScriptDisassembler, RoundTripsFilesWithoutLabelTable) {
    ScriptImage image;
    image.hasLabels = false;
    Put(image.code, 1045, 0);
    const auto bytes = image.Serialize();
    ASSERT_EQ(GetU32(&bytes[8]), ScriptImage::kNoLabels);
    EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST(ScriptDisassembler, RefusesUnreadableHeaders) {
    std::vector<uint8_t> bytes(12, 0);
    PutU32(&bytes[8], 2);  // three label words, none present
    std::string error;
    EXPECT_FALSE(ScriptDisassembler::Disassemble(bytes, &error));
    EXPECT_NE(error.find("label table"), std::string::npos);
    EXPECT_FALSE(ScriptDisassembler::Disassemble(std::vector<uint8_t>(11, 0), &error));
    PutU32(&bytes[8], 512);
    bytes.resize(12 + 4 * 513);
    EXPECT_FALSE(ScriptDisassembler::Disassemble(bytes, &error));
    EXPECT_EQ(error, "more than 511 labels");
}

TEST(ScriptDisassembler, ReportsOpcodesUsedAsTheMachineWalksThem) {
    const auto bytes = ScriptAssembler().Assemble("PushText \"\\x08\\x08\" tail 08\nYield\n");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(ScriptDisassembler::OpcodesUsed(*bytes), (std::set<uint16_t>{11, 1045}));
}

}  // namespace
}  // namespace vn
