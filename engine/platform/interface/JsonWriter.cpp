#include "engine/platform/interface/JsonWriter.h"

#include <cstdio>

namespace vn {

JsonWriter::JsonWriter() : out_("{"), first_{true}, isArray_{false} {}

void JsonWriter::Key(std::string_view key) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
    out_ += '\n';
    out_.append(first_.size() * 2, ' ');
    if (!isArray_.back()) {
        Quote(key);
        out_ += ": ";
    }
}

void JsonWriter::Quote(std::string_view text) {
    out_ += '"';
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out_ += buf;
        } else {
            out_ += static_cast<char>(c);
        }
    }
    out_ += '"';
}

JsonWriter& JsonWriter::Int(std::string_view key, int64_t value) {
    Key(key);
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(std::string_view key, bool value) {
    Key(key);
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view key, std::string_view utf8) {
    Key(key);
    Quote(utf8);
    return *this;
}

JsonWriter& JsonWriter::BeginObject(std::string_view key) {
    Key(key);
    out_ += '{';
    first_.push_back(true);
    isArray_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::BeginArray(std::string_view key) {
    Key(key);
    out_ += '[';
    first_.push_back(true);
    isArray_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::End() {
    if (first_.size() <= 1) return *this;
    const bool empty = first_.back();
    const bool array = isArray_.back();
    first_.pop_back();
    isArray_.pop_back();
    if (!empty) {
        out_ += '\n';
        out_.append(first_.size() * 2, ' ');
    }
    out_ += array ? ']' : '}';
    return *this;
}

std::string JsonWriter::Finish() {
    while (first_.size() > 1) End();
    std::string done = out_ + (first_.back() ? "}\n" : "\n}\n");
    return done;
}

}  // namespace vn
