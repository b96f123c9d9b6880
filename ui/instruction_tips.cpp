#include "ui/instruction_tips.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "tasm/chip_names.h"
#include "tasm/directive_names.h"
#include "tasm/instruction_table.h"

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
    {"ADDWF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Sabira W i f."), QT_TRANSLATE_NOOP("InstructionTips", "C, DC, Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"ANDWF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Logicko I registra W i f."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"CLRF", Operands::File, QT_TRANSLATE_NOOP("InstructionTips", "Brise f (f = 0)."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"CLRW", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Brise W (W = 0)."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"COMF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Komplement f: svaki bit se obrce."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"DECF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Umanjuje f za 1."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"DECFSZ", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Umanjuje f za 1 i preskace sledecu instrukciju kad je rezultat 0."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1 (2 kad preskace)")},
    {"INCF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Uvecava f za 1."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"INCFSZ", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Uvecava f za 1 i preskace sledecu instrukciju kad je rezultat 0."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1 (2 kad preskace)")},
    {"IORWF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Logicko ILI registra W i f."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"MOVF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Prenosi f u W (d = 0) ili u sam f (d = 1, provera na nulu)."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"MOVWF", Operands::File, QT_TRANSLATE_NOOP("InstructionTips", "Prenosi W u f."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"NOP", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Ne radi nista."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"RLF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Rotira f ulevo kroz C."), QT_TRANSLATE_NOOP("InstructionTips", "C"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"RRF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Rotira f udesno kroz C."), QT_TRANSLATE_NOOP("InstructionTips", "C"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"SUBWF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Oduzima W od f (f - W)."), QT_TRANSLATE_NOOP("InstructionTips", "C, DC, Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"SWAPF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Zamenjuje gornja i donja 4 bita f."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"XORWF", Operands::FileDest, QT_TRANSLATE_NOOP("InstructionTips", "Ekskluzivno ILI registra W i f."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"BCF", Operands::FileBit, QT_TRANSLATE_NOOP("InstructionTips", "Brise bit b registra f."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"BSF", Operands::FileBit, QT_TRANSLATE_NOOP("InstructionTips", "Postavlja bit b registra f."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"BTFSC", Operands::FileBit, QT_TRANSLATE_NOOP("InstructionTips", "Preskace sledecu instrukciju kad je bit b registra f obrisan (0)."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1 (2 kad preskace)")},
    {"BTFSS", Operands::FileBit, QT_TRANSLATE_NOOP("InstructionTips", "Preskace sledecu instrukciju kad je bit b registra f postavljen (1)."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1 (2 kad preskace)")},
    {"ADDLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Sabira konstantu k i W."), QT_TRANSLATE_NOOP("InstructionTips", "C, DC, Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"ANDLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Logicko I konstante k i W."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"CALL", Operands::Address, QT_TRANSLATE_NOOP("InstructionTips", "Poziva potprogram na adresi k; adresa povratka ide na stek."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "2")},
    {"CLRWDT", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Brise watchdog tajmer."), QT_TRANSLATE_NOOP("InstructionTips", "TO, PD"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"GOTO", Operands::Address, QT_TRANSLATE_NOOP("InstructionTips", "Skok na adresu k."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "2")},
    {"IORLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Logicko ILI konstante k i W."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"MOVLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Upisuje konstantu k u W."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"RETFIE", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Povratak iz prekida; ukljucuje prekide (GIE = 1)."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "2")},
    {"RETLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Povratak iz potprograma sa konstantom k u W."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "2")},
    {"RETURN", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Povratak iz potprograma."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "2")},
    {"SLEEP", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Prelazi u rezim spavanja."), QT_TRANSLATE_NOOP("InstructionTips", "TO, PD"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"SUBLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Oduzima W od konstante k (k - W)."), QT_TRANSLATE_NOOP("InstructionTips", "C, DC, Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"XORLW", Operands::Literal, QT_TRANSLATE_NOOP("InstructionTips", "Ekskluzivno ILI konstante k i W."), QT_TRANSLATE_NOOP("InstructionTips", "Z"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"OPTION", Operands::None, QT_TRANSLATE_NOOP("InstructionTips", "Upisuje W u registar OPTION (stari nacin)."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
    {"TRIS", Operands::Tris, QT_TRANSLATE_NOOP("InstructionTips", "Upisuje W u registar smera porta f (stari nacin)."), QT_TRANSLATE_NOOP("InstructionTips", "nema"), QT_TRANSLATE_NOOP("InstructionTips", "1")},
};

// clang-format on

QString Text(const char* source) {
    return QCoreApplication::translate("InstructionTips", source);
}

QString OperandText(Operands operands) {
    switch (operands) {
        case Operands::None:
            return {};
        case Operands::FileDest:
            return Text(
                QT_TRANSLATE_NOOP("InstructionTips",
                                  " f, d\nf: registar; d: odrediste (0 ili W: u W, 1 ili F: u f)"));
        case Operands::File:
            return Text(QT_TRANSLATE_NOOP("InstructionTips", " f\nf: registar"));
        case Operands::FileBit:
            return Text(
                QT_TRANSLATE_NOOP("InstructionTips", " f, b\nf: registar; b: broj bita (0-7)"));
        case Operands::Literal:
            return Text(QT_TRANSLATE_NOOP("InstructionTips", " k\nk: konstanta (0-255)"));
        case Operands::Address:
            return Text(QT_TRANSLATE_NOOP("InstructionTips",
                                          " k\nk: adresa u programu (0-1023), obicno labela"));
        case Operands::Tris:
            return Text(QT_TRANSLATE_NOOP("InstructionTips", " f\nf: PORTA ili PORTB (5 ili 6)"));
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
               Text(tip.does) + Text(QT_TRANSLATE_NOOP("InstructionTips", "\nFlegovi: ")) +
               Text(tip.flags) + Text(QT_TRANSLATE_NOOP("InstructionTips", "   Ciklusa: ")) +
               Text(tip.cycles);
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
    for (const std::string& name : tasm::HeaderRegisterAndBitNames())
        names.append(QString::fromStdString(name));
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
