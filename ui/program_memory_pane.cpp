#include "ui/program_memory_pane.h"

#include <QBrush>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include "core/chip_map.h"
#include "core/decoded_word.h"
#include "core/disassembly.h"
#include "core/line_breakpoints.h"
#include "core/profile_counters.h"
#include "core/state.h"
#include "ui/pane_table.h"
#include "ui/program_names.h"
#include "ui/source_line_text.h"

namespace {
constexpr int kWords = 1024;
const QColor kPcTint(255, 244, 160);
const QColor kUnusedGrey(150, 150, 150);
const QColor kBreakpointRed(210, 30, 30);

bool Loaded(int word) {
    return ProgramImage[4 * word] != 0;
}

QString WordText(int word) {
    QString text;
    for (int i = 0; i < 4; ++i) text += QLatin1Char(ProgramImage[4 * word + i]);
    return text;
}

bool AtBreakpoint(int word) {
    if (core::AtLineBreakpoint(word)) return true;
    for (int i = 0; i < core::kBreakpointsUsed; ++i) {
        if (BreakAddresses[i] != 0 && BreakAddresses[i] == word) return true;
    }
    return false;
}
}  // namespace

CProgramMemoryModel::CProgramMemoryModel(const CProgramNames& names, QObject* parent)
    : QAbstractTableModel(parent), m_names(names) {}

int CProgramMemoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kWords;
}

int CProgramMemoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CProgramMemoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[kColumns] = {
        "",
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Adresa"),
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Rec"),
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Instrukcija"),
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Puta / ciklusa"),
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Labela"),
        QT_TRANSLATE_NOOP("CProgramMemoryPane", "Red")};
    return QCoreApplication::translate("CProgramMemoryPane", kTitles[section]);
}

std::string CProgramMemoryModel::OperandName(int word, int f) const {
    // The map knows the bank the source named; the word holds only 7 bits.
    const int named = m_names.Map().fileAddresses[static_cast<size_t>(word)];
    const int reg = core::RegisterFileIndex(named >= 0 ? named : f);
    if (const core::SChipRegister* chip = core::ChipRegisterAt(reg)) return std::string(chip->name);
    const QString program = m_names.RegisterNames(reg).section(QLatin1Char(','), 0, 0);
    return program.toStdString();
}

QString CProgramMemoryModel::Instruction(int word) const {
    const int at = 4 * word;
    const core::SDecodedWord decoded = core::DecodeWord(ProgramImage[at], ProgramImage[at + 1],
                                                        ProgramImage[at + 2], ProgramImage[at + 3]);
    core::SOperandNames names;
    names.file = [this, word](int f) { return OperandName(word, f); };
    names.label = [this](int target) {
        const build::CProgramSymbol* label =
            target < kWords ? m_names.Map().LabelAt(target) : nullptr;
        return label ? label->name : std::string();
    };
    return QString::fromStdString(core::Disassemble(decoded, names));
}

QVariant CProgramMemoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int word = index.row();
    const bool loaded = Loaded(word);
    if (role == Qt::BackgroundRole) return word == m_pc ? QBrush(kPcTint) : QVariant();
    if (role == Qt::ForegroundRole) {
        if (index.column() == kBreak) return QBrush(kBreakpointRed);
        return loaded ? QVariant() : QBrush(kUnusedGrey);
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kBreak:
            return AtBreakpoint(word) ? QStringLiteral("\u25CF") : QString();
        case kAddress:
            return QString::asprintf("0x%03X", word);
        case kWord:
            return loaded ? WordText(word) : QStringLiteral("----");
        case kInstruction:
            return loaded ? Instruction(word) : QString();
        case kLabel: {
            const build::CProgramSymbol* label = m_names.Map().LabelAt(word);
            return label ? QString::fromStdString(label->name) : QString();
        }
        case kLine:
            return SourceLineText(m_names.Map(), word);
        case kProfile:
            return loaded ? QStringLiteral("%1 / %2")
                                .arg(core::Profile.Count(word))
                                .arg(core::Profile.Cycles(word))
                          : QString();
    }
    return {};
}

void CProgramMemoryModel::Reread() {
    m_pc = PC;
    for (int word = 0; word < kWords; ++word) m_breakpoints[word] = AtBreakpoint(word);
    emit dataChanged(index(0, 0), index(kWords - 1, kColumns - 1));
}

void CProgramMemoryModel::CellsChanged(int row, int firstColumn, int lastColumn) {
    // One cell at a time: a range makes the view paint all it shows.
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell);
    }
}

void CProgramMemoryModel::ProfileChanged() {
    emit dataChanged(index(0, kProfile), index(kWords - 1, kProfile));
}

void CProgramMemoryModel::Follow() {
    const int pc = PC;
    if (pc != m_pc) {
        const int before = m_pc;
        m_pc = pc;
        if (before >= 0 && before < kWords) CellsChanged(before, 0, kColumns - 1);
        if (pc < kWords) CellsChanged(pc, 0, kColumns - 1);
    }
    for (int word = 0; word < kWords; ++word) {
        const bool now = AtBreakpoint(word);
        if (now == m_breakpoints[word]) continue;
        m_breakpoints[word] = now;
        CellsChanged(word, kBreak, kBreak);
    }
}

CProgramMemoryPane::CProgramMemoryPane(const CProgramNames& names, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("CProgramMemoryPane", "Programska memorija"), parent),
      m_pModel(new CProgramMemoryModel(names, this)),
      m_pView(new QTableView) {
    setObjectName(QStringLiteral("programMemory"));
    m_pView->setModel(m_pModel);
    SetUpPaneTable(m_pView);
    m_pView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pView->setColumnWidth(CProgramMemoryModel::kBreak, 20);
    m_pView->setColumnWidth(CProgramMemoryModel::kAddress, 56);
    m_pView->setColumnWidth(CProgramMemoryModel::kWord, 44);
    m_pView->setColumnWidth(CProgramMemoryModel::kInstruction, 150);
    m_pView->setColumnWidth(CProgramMemoryModel::kProfile, 170);
    m_pView->setColumnHidden(CProgramMemoryModel::kProfile, true);
    m_pView->setToolTip(QCoreApplication::translate(
        "CProgramMemoryPane",
        "Klik u prvoj koloni: prekidna tacka; dvoklik: red u izvornom tekstu"));
    setWidget(m_pView);
    connect(m_pView, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == CProgramMemoryModel::kBreak) emit ToggleBreakpoint(index.row());
    });
    connect(m_pView, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != CProgramMemoryModel::kBreak) emit GoToWord(index.row());
    });
}

void CProgramMemoryPane::ShowProfile(bool on) {
    m_profile = on;
    m_pView->setColumnHidden(CProgramMemoryModel::kProfile, !on);
    if (on) m_pModel->ProfileChanged();
}

void CProgramMemoryPane::Refresh() {
    if (m_profile) m_pModel->ProfileChanged();
    const int before = m_pModel->ShownPc();
    m_pModel->Follow();
    const int pc = m_pModel->ShownPc();
    if (pc != before && pc >= 0 && pc < kWords) {
        m_pView->scrollTo(m_pModel->index(pc, CProgramMemoryModel::kAddress));
    }
}
