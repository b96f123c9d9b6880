#include "ui/source_line_text.h"

#include "build/source_map.h"

QString SourceLineText(const build::CSourceMap& map, int word) {
    if (word < 0 || word >= build::kProgramWords) return {};
    const build::CSourceLine& at = map.words[static_cast<size_t>(word)];
    if (at.file < 0 || at.file >= static_cast<int>(map.files.size())) return {};
    return QStringLiteral("%1:%2")
        .arg(QString::fromStdString(map.files[static_cast<size_t>(at.file)]))
        .arg(at.line);
}
