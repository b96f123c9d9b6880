#include "ui/program_names.h"

#include <QStringList>

#include "core/chip_map.h"

namespace {
// The highest register address an instruction with a bank bit can name.
constexpr int64_t kHighestRegisterAddress = 0x1FF;
}  // namespace

void CProgramNames::SetMap(build::CSourceMap map) {
    m_map = std::move(map);
    emit Changed();
}

QString CProgramNames::RegisterNames(int reg) const {
    QStringList names;
    for (const build::CProgramSymbol& symbol : m_map.symbols) {
        if (symbol.kind != build::CProgramSymbol::EKind::Register || symbol.value < 0 ||
            symbol.value > kHighestRegisterAddress) {
            continue;
        }
        // A variable placed in bank 1 (0x8C) is the byte of bank 0 the chip
        // shows there.
        if (core::RegisterFileIndex(static_cast<int>(symbol.value)) == reg) {
            names.append(QString::fromStdString(symbol.name));
        }
    }
    return names.join(QStringLiteral(", "));
}

QString CProgramNames::PlaceOf(int word) const {
    const build::CProgramSymbol* nearest = nullptr;
    for (const build::CProgramSymbol& symbol : m_map.symbols) {
        if (symbol.kind != build::CProgramSymbol::EKind::Label || symbol.value > word) continue;
        if (!nearest || symbol.value > nearest->value) nearest = &symbol;
    }
    if (!nearest) return {};
    const QString name = QString::fromStdString(nearest->name);
    const int64_t distance = word - nearest->value;
    return distance == 0 ? name : QStringLiteral("%1+%2").arg(name).arg(distance);
}
