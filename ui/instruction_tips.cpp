#include "instruction_tips.h"

#include <QRegularExpression>

#include "chip_names.h"
#include "directive_names.h"
#include "instruction_table.h"

namespace {
enum class Operands { None, FileDest, File, FileBit, Literal, Address, Tris };

struct SInstructionTip {
    const char* mnemonic;
    Operands operands;
    const char* does;
    const char* flags;
    const char* cycles;
};

// clang-format off
constexpr SInstructionTip kTips[] = {
    {"ADDWF", Operands::FileDest, "Sabira W i f.", "C, DC, Z", "1"},
    {"ANDWF", Operands::FileDest, "Logicko I registra W i f.", "Z", "1"},
    {"CLRF", Operands::File, "Brise f (f = 0).", "Z", "1"},
    {"CLRW", Operands::None, "Brise W (W = 0).", "Z", "1"},
    {"COMF", Operands::FileDest, "Komplement f: svaki bit se obrce.", "Z", "1"},
    {"DECF", Operands::FileDest, "Umanjuje f za 1.", "Z", "1"},
    {"DECFSZ", Operands::FileDest, "Umanjuje f za 1 i preskace sledecu instrukciju kad je rezultat 0.", "nema", "1 (2 kad preskace)"},
    {"INCF", Operands::FileDest, "Uvecava f za 1.", "Z", "1"},
    {"INCFSZ", Operands::FileDest, "Uvecava f za 1 i preskace sledecu instrukciju kad je rezultat 0.", "nema", "1 (2 kad preskace)"},
    {"IORWF", Operands::FileDest, "Logicko ILI registra W i f.", "Z", "1"},
    {"MOVF", Operands::FileDest, "Prenosi f u W (d = 0) ili u sam f (d = 1, provera na nulu).", "Z", "1"},
    {"MOVWF", Operands::File, "Prenosi W u f.", "nema", "1"},
    {"NOP", Operands::None, "Ne radi nista.", "nema", "1"},
    {"RLF", Operands::FileDest, "Rotira f ulevo kroz C.", "C", "1"},
    {"RRF", Operands::FileDest, "Rotira f udesno kroz C.", "C", "1"},
    {"SUBWF", Operands::FileDest, "Oduzima W od f (f - W).", "C, DC, Z", "1"},
    {"SWAPF", Operands::FileDest, "Zamenjuje gornja i donja 4 bita f.", "nema", "1"},
    {"XORWF", Operands::FileDest, "Ekskluzivno ILI registra W i f.", "Z", "1"},
    {"BCF", Operands::FileBit, "Brise bit b registra f.", "nema", "1"},
    {"BSF", Operands::FileBit, "Postavlja bit b registra f.", "nema", "1"},
    {"BTFSC", Operands::FileBit, "Preskace sledecu instrukciju kad je bit b registra f obrisan (0).", "nema", "1 (2 kad preskace)"},
    {"BTFSS", Operands::FileBit, "Preskace sledecu instrukciju kad je bit b registra f postavljen (1).", "nema", "1 (2 kad preskace)"},
    {"ADDLW", Operands::Literal, "Sabira konstantu k i W.", "C, DC, Z", "1"},
    {"ANDLW", Operands::Literal, "Logicko I konstante k i W.", "Z", "1"},
    {"CALL", Operands::Address, "Poziva potprogram na adresi k; adresa povratka ide na stek.", "nema", "2"},
    {"CLRWDT", Operands::None, "Brise watchdog tajmer.", "TO, PD", "1"},
    {"GOTO", Operands::Address, "Skok na adresu k.", "nema", "2"},
    {"IORLW", Operands::Literal, "Logicko ILI konstante k i W.", "Z", "1"},
    {"MOVLW", Operands::Literal, "Upisuje konstantu k u W.", "nema", "1"},
    {"RETFIE", Operands::None, "Povratak iz prekida; ukljucuje prekide (GIE = 1).", "nema", "2"},
    {"RETLW", Operands::Literal, "Povratak iz potprograma sa konstantom k u W.", "nema", "2"},
    {"RETURN", Operands::None, "Povratak iz potprograma.", "nema", "2"},
    {"SLEEP", Operands::None, "Prelazi u rezim spavanja.", "TO, PD", "1"},
    {"SUBLW", Operands::Literal, "Oduzima W od konstante k (k - W).", "C, DC, Z", "1"},
    {"XORLW", Operands::Literal, "Ekskluzivno ILI konstante k i W.", "Z", "1"},
    {"OPTION", Operands::None, "Upisuje W u registar OPTION (stari nacin).", "nema", "1"},
    {"TRIS", Operands::Tris, "Upisuje W u registar smera porta f (stari nacin).", "nema", "1"},
};

// The names a source uses most; each is also one the assembler knows.
constexpr const char* kRegisterAndBitNames[] = {
    "INDF", "TMR0", "PCL", "STATUS", "FSR", "PORTA", "PORTB", "EEDATA", "EEADR", "PCLATH",
    "INTCON", "OPTION_REG", "TRISA", "TRISB", "EECON1", "EECON2",
    "IRP", "RP1", "RP0", "NOT_TO", "NOT_PD", "Z", "DC", "C",
    "GIE", "EEIE", "T0IE", "INTE", "RBIE", "T0IF", "INTF", "RBIF",
    "NOT_RBPU", "INTEDG", "T0CS", "T0SE", "PSA", "PS2", "PS1", "PS0",
    "EEIF", "WRERR", "WREN", "WR", "RD", "W", "F",
};
// clang-format on

QString OperandText(Operands operands) {
    switch (operands) {
        case Operands::None:
            return {};
        case Operands::FileDest:
            return QStringLiteral(" f, d\nf: registar; d: odrediste (0 ili W: u W, 1 ili F: u f)");
        case Operands::File:
            return QStringLiteral(" f\nf: registar");
        case Operands::FileBit:
            return QStringLiteral(" f, b\nf: registar; b: broj bita (0-7)");
        case Operands::Literal:
            return QStringLiteral(" k\nk: konstanta (0-255)");
        case Operands::Address:
            return QStringLiteral(" k\nk: adresa u programu (0-1023), obicno labela");
        case Operands::Tris:
            return QStringLiteral(" f\nf: PORTA ili PORTB (5 ili 6)");
    }
    return {};
}

bool IsAllLower(const QString& text) {
    return text == text.toLower();
}
}  // namespace

QString InstructionTip(const QString& mnemonic) {
    const QString upper = mnemonic.toUpper();
    for (const SInstructionTip& tip : kTips) {
        if (upper != QLatin1String(tip.mnemonic)) continue;
        return QString::fromLatin1(tip.mnemonic) + OperandText(tip.operands) + QLatin1Char('\n') +
               QString::fromLatin1(tip.does) + QStringLiteral("\nFlegovi: ") +
               QString::fromLatin1(tip.flags) + QStringLiteral("   Ciklusa: ") +
               QString::fromLatin1(tip.cycles);
    }
    return {};
}

QStringList Mnemonics() {
    QStringList names;
    for (const SInstructionTip& tip : kTips) names.append(QString::fromLatin1(tip.mnemonic));
    return names;
}

QStringList RegisterAndBitNames() {
    QStringList names;
    for (const char* name : kRegisterAndBitNames) names.append(QString::fromLatin1(name));
    return names;
}

QStringList DefinedLabels(const QByteArray& utf8) {
    static const QRegularExpression kFirstWord(QStringLiteral("^([A-Za-z_][A-Za-z0-9_.?]*):?"),
                                               QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(utf8);
    QStringList labels;
    for (auto it = kFirstWord.globalMatch(text); it.hasNext();) {
        const QString word = it.next().captured(1);
        const std::string name = word.toStdString();
        if (tasm::FindInstruction(name) || tasm::FindDirective(name) != tasm::EDirective::None)
            continue;
        if (!labels.contains(word)) labels.append(word);
    }
    return labels;
}

QStringList CompletionsFor(const QString& prefix, const QStringList& labels) {
    if (prefix.size() < 2) return {};
    const bool lower = IsAllLower(prefix);
    QStringList words;
    auto offer = [&](const QString& word, bool followCase) {
        const QString shown = followCase && lower ? word.toLower() : word;
        if (shown.startsWith(prefix, Qt::CaseInsensitive) && !words.contains(shown))
            words.append(shown);
    };
    for (const QString& name : Mnemonics()) offer(name, true);
    for (const QString& name : RegisterAndBitNames()) offer(name, true);
    for (const QString& label : labels) offer(label, false);
    words.sort(Qt::CaseInsensitive);
    if (words.size() == 1 && words.front().compare(prefix, Qt::CaseInsensitive) == 0) return {};
    return words;
}
