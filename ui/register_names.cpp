#include "ui/register_names.h"

#include <QCoreApplication>
#include <QStringList>
#include <string_view>

#include "core/chip_map.h"
#include "core/state.h"
#include "ui/register_text.h"

namespace {
// The one address of bank 0 with no register behind it: its entry says so
// rather than naming it.
constexpr int kUnimplemented = 0x07;
constexpr int kFirstGeneral = 0x0C;

QString Hex(int value) {
    return QString::asprintf("0x%02X", static_cast<unsigned>(value));
}

// The shorter spelling where the chip has two (OPTION for OPTION_REG).
QString ShownName(const core::SChipRegister& reg) {
    const std::string_view name = reg.alias.empty() ? reg.name : reg.alias;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
}  // namespace

QString RegisterName(int address) {
    if (address == kWRegister)
        return QCoreApplication::translate("RegisterNames", "W (radni registar)");
    if (address == kUnimplemented)
        return QCoreApplication::translate("RegisterNames", "nije implementiran");
    if (const core::SChipRegister* reg = core::ChipRegisterOwning(address)) return ShownName(*reg);
    if (address >= kFirstGeneral && address < 0x80)
        return QCoreApplication::translate("RegisterNames", "opsti registar %1").arg(Hex(address));
    return QCoreApplication::translate("RegisterNames", "registar %1").arg(Hex(address));
}

QString RegisterToolTip(int address, uint8_t value, const QString& programNames) {
    QString tip = RegisterName(address);
    if (!programNames.isEmpty()) tip += QStringLiteral(" = ") + programNames;
    if (address == kWRegister) {
        tip += QCoreApplication::translate("RegisterNames", "\nnema adresu u memoriji podataka");
    } else {
        tip += QCoreApplication::translate("RegisterNames", "\nadresa %1").arg(Hex(address));
        if (address < 0x80) tip += QStringLiteral(" (R%1)").arg(address);
    }
    tip += QCoreApplication::translate("RegisterNames", "\nvrednost %1 = %2 = ")
               .arg(Hex(value))
               .arg(value) +
           QString::fromStdString(ToBinary(value));
    const core::SChipRegister* reg =
        address == kWRegister ? nullptr : core::ChipRegisterOwning(address);
    QStringList bits;
    for (int bit = 7; reg && bit >= 0; --bit) {
        const std::string_view name = reg->bits[bit];
        if (name.empty()) continue;
        bits.append(QStringLiteral("%1=%2")
                        .arg(QLatin1String(name.data(), static_cast<qsizetype>(name.size())))
                        .arg((value >> bit) & 1));
    }
    if (!bits.isEmpty()) tip += QLatin1Char('\n') + bits.join(QLatin1Char(' '));
    return tip;
}

QString RegisterStatusText(int address, uint8_t value, const QString& programNames) {
    QStringList parts;
    if (address == kWRegister) {
        parts.append(QStringLiteral("W"));
    } else {
        if (address < 0x80) parts.append(QStringLiteral("R%1").arg(address));
        if (const core::SChipRegister* reg = core::ChipRegisterOwning(address)) {
            parts.append(ShownName(*reg));
        } else if (address >= 0x80) {
            parts.append(QString::asprintf("0x%02X", address));
        }
    }
    if (!programNames.isEmpty()) parts.append(programNames);
    parts.append(QString::number(value));
    return parts.join(QStringLiteral(" = "));
}
