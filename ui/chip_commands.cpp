#include "chip_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include "chip_profile.h"
#include "command_ids.h"
#include "decoded_word.h"
#include "lumo_doc.h"
#include "main_frame.h"
#include "messages_pane.h"
#include "state.h"
#include "status_mark.h"

namespace {
const QString kChipKey = QStringLiteral("Cip/PoKatalogu");
constexpr int kWords = kProgramImageSize / 4;
constexpr int kWatchdogEnable = 0x0004;

SDecodedWord WordAt(int address) {
    const int at = 4 * address;
    return DecodeWord(ProgramImage[at], ProgramImage[at + 1], ProgramImage[at + 2],
                      ProgramImage[at + 3]);
}

// A byte operation that stores into PCL: MOVWF and CLRF always, the others
// with the destination F.
bool WritesPcl(const SDecodedWord& word) {
    if (word.f != PCL) return false;
    switch (word.op) {
        case EOp::MOVWF:
        case EOp::CLRF:
            return true;
        case EOp::SUBWF:
        case EOp::DECF:
        case EOp::IORWF:
        case EOp::ANDWF:
        case EOp::XORWF:
        case EOp::ADDWF:
        case EOp::MOVF:
        case EOp::COMF:
        case EOp::INCF:
        case EOp::DECFSZ:
        case EOp::RRF:
        case EOp::RLF:
        case EOp::SWAPF:
        case EOp::INCFSZ:
            return word.bd != 0;
        default:
            return false;
    }
}
}  // namespace

QString DatasheetChipReason() {
    if (ProgramEnd == 0) return {};
    if (ProgramConfigWord != kNoConfigWord && (ProgramConfigWord & kWatchdogEnable)) {
        return QCoreApplication::translate("CChipCommands", "__CONFIG ukljucuje watchdog");
    }
    // A GOTO at word 0 past the interrupt vector: the program starts there.
    const SDecodedWord first = WordAt(0);
    if (first.op == EOp::GOTO && first.k > 4)
        return QCoreApplication::translate("CChipCommands", "pocinje skokom na reci 0");
    for (int address = 0; address < kWords; ++address) {
        const SDecodedWord word = WordAt(address);
        if (word.op == EOp::SLEEP)
            return QCoreApplication::translate("CChipCommands", "koristi SLEEP");
        if (word.op == EOp::CLRWDT)
            return QCoreApplication::translate("CChipCommands", "koristi CLRWDT");
        if (WritesPcl(word))
            return QCoreApplication::translate("CChipCommands",
                                               "upisuje u PCL (skok preko tabele)");
    }
    return {};
}

CChipCommands::CChipCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame),
      m_frame(frame),
      m_doc(doc),
      m_pMark(AddStatusMark(
          frame.statusBar(), QCoreApplication::translate("CChipCommands", "Cip po katalogu"),
          QCoreApplication::translate(
              "CChipCommands",
              "Procesor radi kao PIC16C84 po katalogu: reset na reci 0, skokovi preko PCL, SLEEP, "
              "watchdog, EEPROM (Options > Cip po katalogu)"),
          1)) {
    QAction* choice = frame.Action(ID_DATASHEET_CHIP);
    choice->setCheckable(true);
    const bool datasheet = QSettings().value(kChipKey, false).toBool();
    choice->setChecked(datasheet);
    ChipProfile = datasheet ? EChipProfile::Datasheet : EChipProfile::Classic;
    m_pMark->setVisible(datasheet);
    connect(choice, &QAction::toggled, this, &CChipCommands::Choose);
    connect(&frame, &CMainFrame::Assembled, this, &CChipCommands::OnAssembled);
}

void CChipCommands::Choose(bool datasheet) {
    QSettings().setValue(kChipKey, datasheet);
    ChipProfile = datasheet ? EChipProfile::Datasheet : EChipProfile::Classic;
    m_pMark->setVisible(datasheet);
    // The chip is what a reset makes: the run starts again on the new one.
    if (ProgramEnd != 0) m_doc.OnRestart();
}

void CChipCommands::OnAssembled(bool loaded) {
    if (!loaded || ChipProfile == EChipProfile::Datasheet) return;
    const QString reason = DatasheetChipReason();
    if (reason.isEmpty()) return;
    m_frame.Messages()->AddLine(
        QCoreApplication::translate(
            "CChipCommands",
            "Pisan za pravi cip (%1): ukljucite Options > Cip po katalogu (PIC16C84)")
            .arg(reason));
}
