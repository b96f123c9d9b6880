#include "ui/chip_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include "core/chip_profile.h"
#include "core/decoded_word.h"
#include "core/pin_input.h"
#include "core/state.h"
#include "ui/command_ids.h"
#include "ui/input_view.h"
#include "ui/lumo_doc.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/output_view.h"
#include "ui/status_mark.h"

namespace {
const QString kChipKey = QStringLiteral("Cip/PoKatalogu");
constexpr int kWords = core::kProgramImageSize / 4;
constexpr int kWatchdogEnable = 0x0004;

core::SDecodedWord WordAt(int address) {
    const int at = 4 * address;
    return core::DecodeWord(ProgramImage[at], ProgramImage[at + 1], ProgramImage[at + 2],
                            ProgramImage[at + 3]);
}

// A byte operation that stores into PCL: MOVWF and CLRF always, the others
// with the destination F.
bool WritesPcl(const core::SDecodedWord& word) {
    return word.f == PCL && (word.op == core::EOp::MOVWF || word.op == core::EOp::CLRF ||
                             (core::HasDestination(word.op) && word.bd != 0));
}
}  // namespace

QString DatasheetChipReason() {
    if (ProgramEnd == 0) return {};
    if (core::ProgramConfigWord != core::kNoConfigWord &&
        (core::ProgramConfigWord & kWatchdogEnable)) {
        return QCoreApplication::translate("CChipCommands", "__CONFIG ukljucuje watchdog");
    }
    // A GOTO at word 0 past the interrupt vector: the program starts there.
    const core::SDecodedWord first = WordAt(0);
    if (first.op == core::EOp::GOTO && first.k > 4)
        return QCoreApplication::translate("CChipCommands", "pocinje skokom na reci 0");
    for (int address = 0; address < kWords; ++address) {
        const core::SDecodedWord word = WordAt(address);
        if (word.op == core::EOp::SLEEP)
            return QCoreApplication::translate("CChipCommands", "koristi SLEEP");
        if (word.op == core::EOp::CLRWDT)
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
    core::ChipProfile = datasheet ? core::EChipProfile::Datasheet : core::EChipProfile::Classic;
    m_pMark->setVisible(datasheet);
    connect(choice, &QAction::toggled, this, &CChipCommands::Choose);
    connect(&frame, &CMainFrame::Assembled, this, &CChipCommands::OnAssembled);
    connect(frame.Action(ID_MCLR_RESET), &QAction::triggered, this, &CChipCommands::OnMclr);
    connect(frame.OutputView(), &CPaneView::Refreshing, this, &CChipCommands::Follow);
    Follow();
}

void CChipCommands::OnMclr() {
    if (ProgramEnd == 0 || !core::PressMclr()) return;
    // A waiting worker repaints once more when the reset has landed.
    m_frame.InputView()->InvalidateRect(false);
    m_frame.OutputView()->InvalidateRect(false);
}

void CChipCommands::Follow() {
    const bool datasheet = core::Chip.profile == core::EChipProfile::Datasheet;
    m_frame.Action(ID_MCLR_RESET)->setEnabled(datasheet);
    // Fewer than told: a new run, or the history went back.
    const uint32_t resets = datasheet ? core::Chip.datasheet.watchdogResets.load() : 0;
    if (resets < m_watchdogResets) m_watchdogResets = resets;
    if (resets == m_watchdogResets) return;
    const uint32_t news = resets - m_watchdogResets;
    m_watchdogResets = resets;
    m_frame.Messages()->AddLine(
        news == 1
            ? QCoreApplication::translate(
                  "CChipCommands", "Watchdog je resetovao cip (TO = 0, program ponovo od reci 0)")
            : QCoreApplication::translate(
                  "CChipCommands",
                  "Watchdog je resetovao cip %1 puta (TO = 0, program ponovo od reci 0)")
                  .arg(news));
}

void CChipCommands::Choose(bool datasheet) {
    QSettings().setValue(kChipKey, datasheet);
    core::ChipProfile = datasheet ? core::EChipProfile::Datasheet : core::EChipProfile::Classic;
    m_pMark->setVisible(datasheet);
    // The chip is what a reset makes: the run starts again on the new one.
    if (ProgramEnd != 0) m_doc.OnRestart();
}

void CChipCommands::OnAssembled(bool loaded) {
    if (!loaded || core::ChipProfile == core::EChipProfile::Datasheet) return;
    const QString reason = DatasheetChipReason();
    if (reason.isEmpty()) return;
    m_frame.Messages()->AddLine(
        QCoreApplication::translate(
            "CChipCommands",
            "Pisan za pravi cip (%1): ukljucite Options > Cip po katalogu (PIC16C84)")
            .arg(reason));
}
