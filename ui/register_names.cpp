#include "register_names.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "register_text.h"
#include "state.h"

namespace {
// The one address of bank 0 with no register behind it: its entry says so
// rather than naming it.
constexpr int kUnimplemented = 0x07;

struct NamedRegister {
    int address;
    const char* name;
    // Bit 7 first; nullptr where the register's bits have no names.
    std::array<const char*, 8> bits;
};

// clang-format off
constexpr NamedRegister kNamed[] = {
    {INDF, "INDF", {}},
    {TMR0, "TMR0", {}},
    {PCL, "PCL", {}},
    {STATUS, "STATUS", {"IRP", "RP1", "RP0", "TO", "PD", "Z", "DC", "C"}},
    {FSR, "FSR", {}},
    {PORTA, "PORTA", {}},
    {PORTB, "PORTB", {}},
    {kUnimplemented, QT_TRANSLATE_NOOP("RegisterNames", "nije implementiran"), {}},
    {0x08, "EEDATA", {}},
    {0x09, "EEADR", {}},
    {0x0A, "PCLATH", {}},
    {INTCON, "INTCON", {"GIE", "EEIE", "T0IE", "INTE", "RBIE", "T0IF", "INTF", "RBIF"}},
    {OPTION_REG, "OPTION", {"RBPU", "INTEDG", "T0CS", "T0SE", "PSA", "PS2", "PS1", "PS0"}},
    {TRISA, "TRISA", {}},
    {TRISB, "TRISB", {}},
};
// clang-format on
constexpr int kFirstGeneral = 0x0C;

QString Hex(int value) {
    return QString::asprintf("0x%02X", static_cast<unsigned>(value));
}

const NamedRegister* Find(int address) {
    for (const NamedRegister& named : kNamed) {
        if (named.address == address) return &named;
    }
    return nullptr;
}
}  // namespace

QString RegisterName(int address) {
    if (address == kWRegister)
        return QCoreApplication::translate("RegisterNames", "W (radni registar)");
    if (const NamedRegister* named = Find(address))
        return QCoreApplication::translate("RegisterNames", named->name);
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
    const NamedRegister* named = address == kWRegister ? nullptr : Find(address);
    if (named && named->bits[0]) {
        QStringList bits;
        for (int i = 0; i < 8; ++i)
            bits.append(QStringLiteral("%1=%2")
                            .arg(QLatin1String(named->bits[i]))
                            .arg((value >> (7 - i)) & 1));
        tip += QLatin1Char('\n') + bits.join(QLatin1Char(' '));
    }
    return tip;
}

QString RegisterStatusText(int address, uint8_t value, const QString& programNames) {
    QStringList parts;
    if (address == kWRegister) {
        parts.append(QStringLiteral("W"));
    } else {
        if (address < 0x80) parts.append(QStringLiteral("R%1").arg(address));
        const NamedRegister* named = Find(address);
        if (named && address != kUnimplemented) {
            parts.append(QString::fromLatin1(named->name));
        } else if (address >= 0x80) {
            parts.append(QString::asprintf("0x%02X", address));
        }
    }
    if (!programNames.isEmpty()) parts.append(programNames);
    parts.append(QString::number(value));
    return parts.join(QStringLiteral(" = "));
}
