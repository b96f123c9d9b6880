#include "chip_commands.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include "chip_profile.h"
#include "command_ids.h"
#include "hex_digit.h"
#include "lumo_doc.h"
#include "main_frame.h"
#include "messages_pane.h"
#include "state.h"

namespace {
const QString kChipKey = QStringLiteral("Cip/PoKatalogu");
constexpr int kWords = kProgramImageSize / 4;
constexpr int kWatchdogEnable = 0x0004;

int WordAt(int address) {
    int word = 0;
    for (int i = 0; i < 4; ++i) word = 16 * word + HexDigitValue(ProgramImage[4 * address + i]);
    return word;
}

bool Loaded(int address) {
    return ProgramImage[4 * address] != 0;
}
}  // namespace

QString DatasheetChipReason() {
    if (ProgramEnd == 0) return {};
    if (ProgramConfigWord != kNoConfigWord && (ProgramConfigWord & kWatchdogEnable)) {
        return QStringLiteral("__CONFIG ukljucuje watchdog");
    }
    // A GOTO at word 0 past the interrupt vector: the program starts there.
    const int first = Loaded(0) ? WordAt(0) : 0;
    if ((first & 0x3800) == 0x2800 && (first & 0x7FF) > 4) {
        return QStringLiteral("pocinje skokom na reci 0");
    }
    for (int address = 0; address < kWords; ++address) {
        if (!Loaded(address)) continue;
        const int word = WordAt(address);
        if (word == 0x0063) return QStringLiteral("koristi SLEEP");
        if (word == 0x0064) return QStringLiteral("koristi CLRWDT");
        // A byte operation that stores into f = PCL: MOVWF PCL or d = 1.
        const bool byteOperation = (word & 0x3000) == 0 && (word & 0x0F00) != 0;
        const bool toFile = word == 0x0082 || (byteOperation && (word & 0x0080));
        if (toFile && (word & 0x7F) == 0x02)
            return QStringLiteral("upisuje u PCL (skok preko tabele)");
    }
    return {};
}

CChipCommands::CChipCommands(CMainFrame& frame, CLumoDoc& doc)
    : QObject(&frame), m_frame(frame), m_doc(doc), m_pMark(new QLabel(frame.statusBar())) {
    m_pMark->setText(QStringLiteral("Cip po katalogu"));
    m_pMark->setFrameShape(QFrame::Panel);
    m_pMark->setFrameShadow(QFrame::Sunken);
    m_pMark->setToolTip(QStringLiteral(
        "Procesor radi kao PIC16C84 po katalogu: reset na reci 0, skokovi preko PCL, SLEEP, "
        "watchdog, EEPROM (Options > Cip po katalogu)"));
    frame.statusBar()->insertPermanentWidget(1, m_pMark);
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
        QStringLiteral("Pisan za pravi cip (%1): ukljucite Options > Cip po katalogu (PIC16C84)")
            .arg(reason));
}
