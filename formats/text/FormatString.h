#pragma once
// The engine's compact formatter. Directives: %% %d %s %c %z, each letter
// optionally followed by a sign flag (+ or -) and a width of one or two
// digits, e.g. "save%z3.dat", "%d+3". Every directive but %% consumes one
// argument; a directive without an argument, or given the wrong kind of
// argument, writes nothing. A letter that is not a directive is dropped
// together with its percent sign.

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace vn {

class FormatArg {
public:
    template <std::integral T>
    FormatArg(T value) : number_(static_cast<uint32_t>(value)) {}  // NOLINT: implicit on purpose
    FormatArg(const char* text) : text_(text), isText_(true) {}    // NOLINT
    FormatArg(const std::string& text) : text_(text.c_str()), isText_(true) {}  // NOLINT

    bool IsText() const { return isText_; }
    uint32_t Number() const { return number_; }
    const char* Text() const { return text_ != nullptr ? text_ : ""; }

private:
    uint32_t number_ = 0;
    const char* text_ = nullptr;
    bool isText_ = false;
};

std::string FormatString(const char* format, std::initializer_list<FormatArg> args = {});

// The engine's form: writes into out (large enough by the caller's contract)
// and returns 0.
int FormatString(char* out, const char* format, std::initializer_list<FormatArg> args = {});

}  // namespace vn
