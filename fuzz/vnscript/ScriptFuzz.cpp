// Compiled scripts and script source from anywhere: the disassembler must
// either refuse a file or print source that assembles back to its bytes, and
// the assembler must take any text without harm.
#include <cstdlib>
#include <string>

#include "tools/vnscript/ScriptAssembler.h"
#include "tools/vnscript/ScriptDisassembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    std::string error;
    if (const auto source = vn::ScriptDisassembler::Disassemble(bytes, &error)) {
        vn::ScriptAssembler assembler;
        const auto back = assembler.Assemble(*source);
        if (!back || !std::equal(back->begin(), back->end(), bytes.begin(), bytes.end())) std::abort();
    }
    vn::ScriptAssembler assembler;
    (void)assembler.Assemble(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
