#include "engine/platform/interface/JsonWriter.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(JsonWriter, NestingAndEscapes) {
    JsonWriter json;
    json.Int("frame", 3).Bool("on", true).String("s", "a\"b\\c\n");
    json.BeginObject("input").Int("penX", -1).End();
    json.BeginArray("list").Int(1).Int(2).End();
    json.BeginObject("empty").End();
    EXPECT_EQ(json.Finish(),
              "{\n  \"frame\": 3,\n  \"on\": true,\n  \"s\": \"a\\\"b\\\\c\\u000a\",\n"
              "  \"input\": {\n    \"penX\": -1\n  },\n  \"list\": [\n    1,\n    2\n  ],\n"
              "  \"empty\": {}\n}\n");
}

TEST(JsonWriter, EmptyDocumentAndUnclosedLevels) {
    EXPECT_EQ(JsonWriter().Finish(), "{}\n");
    JsonWriter json;
    json.BeginObject("a").Int("b", 1);
    EXPECT_EQ(json.Finish(), "{\n  \"a\": {\n    \"b\": 1\n  }\n}\n");
}

}  // namespace
}  // namespace vn
