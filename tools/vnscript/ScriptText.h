#pragma once
// Source lines of a script: tokens, and the texts between double quotes,
// written in UTF-8 and stored in Shift-JIS. Escapes: \" \\ and \xHH (one
// stored byte as it stands).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vn {

struct SourceToken {
    enum class Kind { Word, Text, Punct };
    Kind kind;
    std::string text;  // Word and Punct as written; Text with escapes undone (UTF-8 + raw bytes)
    bool IsPunct(char c) const { return kind == Kind::Punct && text.size() == 1 && text[0] == c; }
};

// Splits a line at blanks, "(", ")", "," and "="; ";" outside a text starts
// a comment. nullopt (with a reason) for a text without its closing quote
// or a bad escape.
std::optional<std::vector<SourceToken>> TokenizeLine(std::string_view line, std::string* error);

// A decoded text token into Shift-JIS; nullopt when a character has no
// Shift-JIS form.
std::optional<std::vector<uint8_t>> TextToCp932(const std::string& text);

// Shift-JIS bytes as a quoted source text that converts back to the same
// bytes (characters that would not are written as \xHH).
std::string QuoteCp932(std::span<const uint8_t> bytes);

}  // namespace vn
