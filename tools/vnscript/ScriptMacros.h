#pragma once
// The lower-case macros of the script language, written for people who
// write or translate a story rather than for the machine:
//
//   speaker N "name"                         name number N for the backlog
//   say SPEAKER FACE [voice=N] [mode=M] "…"  a message (M: wait, nowait,
//                                            auto, reveal; voice N plays N.mp3)
//   choice / option VALUE "text" / end       a choice menu (up to 6, 63 bytes)
//   when choice V | flag N | var I V | atleast I V … [else …] end
//   goto LABEL                               jump through the label table
//   addcounter N 50|100                      raise character counter N
//   nextscript "file.bin" [offset]           continue in another file
//
// Every macro expands to ordinary instructions; nothing of it is in the
// compiled file, so a disassembly shows the instructions.

#include <vector>

#include "tools/vnscript/ScriptContext.h"

namespace vn {

// True when the line's first word is a macro (errors go to the builder).
bool ExpandMacro(const std::vector<SourceToken>& tokens, ScriptContext& ctx);

// Reports blocks still open at the end of the source.
void CheckBlocksClosed(ScriptContext& ctx);

}  // namespace vn
