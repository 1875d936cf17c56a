#pragma once
// A small hand-written JSON writer for state dumps: nested objects and
// arrays, integers, booleans and UTF-8 strings, two-space indentation.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vn {

class JsonWriter {
public:
    JsonWriter();

    JsonWriter& Int(std::string_view key, int64_t value);
    JsonWriter& Bool(std::string_view key, bool value);
    JsonWriter& String(std::string_view key, std::string_view utf8);
    JsonWriter& BeginObject(std::string_view key);
    JsonWriter& BeginArray(std::string_view key);
    JsonWriter& End();
    // Array elements (the key is left out inside arrays).
    JsonWriter& Int(int64_t value) { return Int({}, value); }

    // The finished document (closes what is still open).
    std::string Finish();

private:
    void Key(std::string_view key);
    void Quote(std::string_view text);

    std::string out_;
    std::vector<bool> first_;    // per open level: nothing written yet
    std::vector<bool> isArray_;
};

}  // namespace vn
