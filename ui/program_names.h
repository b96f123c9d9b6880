#pragma once
// The names of the program now loaded, as the assembler's map gives them:
// its register variables and its labels. Every pane that shows the chip in
// the program's own words reads them here; they change with each load.
#include <QObject>
#include <QString>

#include "build/source_map.h"

class CProgramNames : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A new program, or none (an empty map).
    void SetMap(build::CSourceMap map);
    const build::CSourceMap& Map() const { return m_map; }

    // The program's names of a register file index, "presses" or
    // "count, temp" where several share it; empty for none.
    QString RegisterNames(int reg) const;
    // The label at a word, or the nearest label before it with the distance
    // ("loop+2"); empty before the first label.
    QString PlaceOf(int word) const;

signals:
    void Changed();

private:
    build::CSourceMap m_map;
};
