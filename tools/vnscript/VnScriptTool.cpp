// vnscript: assemble, disassemble and survey compiled script files.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/vnscript/OpcodeTable.h"
#include "tools/vnscript/ScriptAssembler.h"
#include "tools/vnscript/ScriptDisassembler.h"

namespace vn {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "vnscript: %s\n", message.c_str());
    return 1;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Asm(const std::vector<std::string>& args) {
    if (args.size() != 2) return Fail("usage: vnscript asm IN.vns OUT.bin");
    std::vector<uint8_t> source;
    if (!ReadFile(args[0], source)) return Fail(args[0] + ": cannot read");
    ScriptAssembler assembler;
    const auto bytes = assembler.Assemble(
        std::string_view(reinterpret_cast<const char*>(source.data()), source.size()));
    if (!bytes) {
        for (const std::string& e : assembler.Errors())
            std::fprintf(stderr, "%s: %s\n", args[0].c_str(), e.c_str());
        return 1;
    }
    if (!WriteFile(args[1], *bytes)) return Fail(args[1] + ": cannot write");
    return 0;
}

int Dis(const std::vector<std::string>& args) {
    if (args.size() != 1) return Fail("usage: vnscript dis IN.bin");
    std::vector<uint8_t> bytes;
    if (!ReadFile(args[0], bytes)) return Fail(args[0] + ": cannot read");
    std::string error;
    const auto source = ScriptDisassembler::Disassemble(bytes, &error);
    if (!source) return Fail(args[0] + ": " + error);
    std::fwrite(source->data(), 1, source->size(), stdout);
    return 0;
}

// Which opcodes of the command table the given files use, and which none.
int Ops(const std::vector<std::string>& args) {
    if (args.empty()) return Fail("usage: vnscript ops FILE.bin...");
    std::map<uint16_t, int> files;
    for (const std::string& path : args) {
        std::vector<uint8_t> bytes;
        if (!ReadFile(path, bytes)) return Fail(path + ": cannot read");
        for (uint16_t op : ScriptDisassembler::OpcodesUsed(bytes)) ++files[op];
    }
    int known = 0, used = 0;
    std::string missing;
    for (const OpcodeInfo& info : OpcodeTable::All()) {
        for (int i = 0; i < info.opcodeCount; ++i) {
            const uint16_t op = info.opcodes[i];
            const int n = files.count(op) ? files[op] : 0;
            ++known;
            used += n > 0;
            std::printf("%5u  %-26s %3d file(s)\n", op,
                        OpcodeTable::Spell({&info, i}).c_str(), n);
            if (n == 0) missing += " " + std::to_string(op);
            files.erase(op);
        }
    }
    for (const auto& [op, n] : files) std::printf("%5u  %-26s %3d file(s)\n", op, "(unknown)", n);
    std::printf("used %d of %d opcodes in %zu file(s)%s%s\n", used, known, args.size(),
                missing.empty() ? "" : "; unused:", missing.c_str());
    return 0;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "asm") return vn::Asm(args);
    if (cmd == "dis") return vn::Dis(args);
    if (cmd == "ops") return vn::Ops(args);
    std::fprintf(stderr, "usage: vnscript asm IN.vns OUT.bin | dis IN.bin | ops FILE.bin...\n");
    return 2;
}
