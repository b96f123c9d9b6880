#pragma once
// Where a program word came from, as the panes write it: "prog.asm:12".
#include <QString>

namespace build {
struct CSourceMap;
}

// Empty for a word that no source line produced.
QString SourceLineText(const build::CSourceMap& map, int word);
