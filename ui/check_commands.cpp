#include "ui/check_commands.h"

#include <Qsci/qscistyle.h>
#include <Qsci/qscistyledtext.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include "build/check_program.h"
#include "build/source_file.h"
#include "core/event_log.h"
#include "ui/command_ids.h"
#include "ui/edit_view.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/source_marks.h"

namespace {
const QString kAllKey = QStringLiteral("Provere/Ukljucene");
constexpr int kCheckNoteStyle = 42;  // beside the assembler's notes (40, 41)
constexpr int kErrorNoteStyle = 40;
constexpr int kWarningNoteStyle = 41;
const QColor kCheckInk(90, 30, 140);
const QColor kCheckPaper(240, 232, 252);
constexpr int kPollMs = 100;

QString KindKey(core::ECheckKind kind) {
    return QStringLiteral("Provere/") +
           QString::fromLatin1(core::CheckKindName(kind).data(),
                               static_cast<int>(core::CheckKindName(kind).size()));
}
}  // namespace

QString CCheckCommands::KindTitle(core::ECheckKind kind) {
    switch (kind) {
        case core::ECheckKind::Bank:
            return QCoreApplication::translate("CCheckCommands", "Pogresna banka (bank)");
        case core::ECheckKind::PclPage:
            return QCoreApplication::translate("CCheckCommands",
                                               "Skok preko PCL van stranice (pcl_page)");
        case core::ECheckKind::Stack:
            return QCoreApplication::translate("CCheckCommands", "Stek pun ili prazan (stack)");
        case core::ECheckKind::IsrFlag:
            return QCoreApplication::translate("CCheckCommands",
                                               "Zastavica prekida nije obrisana (isr_flag)");
        case core::ECheckKind::RbifRead:
            return QCoreApplication::translate("CCheckCommands",
                                               "RBIF bez citanja porta B (rbif_read)");
        case core::ECheckKind::IsrContext:
            return QCoreApplication::translate("CCheckCommands",
                                               "W i STATUS nisu sacuvani u prekidu (isr_context)");
        case core::ECheckKind::Uninitialised:
            return QCoreApplication::translate("CCheckCommands",
                                               "Citanje neupisanog registra (uninitialised)");
        case core::ECheckKind::EepromSequence:
            return QCoreApplication::translate("CCheckCommands",
                                               "Upis u EEPROM bez WREN i niza (eeprom_sequence)");
        case core::ECheckKind::WdtReset:
            return QCoreApplication::translate("CCheckCommands", "Reset od watchdoga (wdt_reset)");
        case core::ECheckKind::RmwPort:
            return QCoreApplication::translate("CCheckCommands",
                                               "Citanje-izmena-upis porta (rmw_port)");
    }
    return {};
}

CCheckCommands::CCheckCommands(CMainFrame& frame)
    : QObject(&frame), m_frame(frame), m_pPoll(new QTimer(this)) {
    // Under Options, after the chip's choice.
    QAction* chip = frame.Action(ID_DATASHEET_CHIP);
    QMenu* options = nullptr;
    for (QObject* owner : chip->associatedObjects()) {
        if ((options = qobject_cast<QMenu*>(owner))) break;
    }
    QMenu* menu = new QMenu(QCoreApplication::translate("CCheckCommands", "Provere"), &frame);
    if (options) {
        const QList<QAction*> items = options->actions();
        options->insertMenu(items.value(items.indexOf(chip) + 1), menu);
    }
    QSettings settings;
    m_pAll =
        menu->addAction(QCoreApplication::translate("CCheckCommands", "Proveravaj tokom rada"));
    m_pAll->setCheckable(true);
    m_pAll->setChecked(settings.value(kAllKey, true).toBool());
    m_pAll->setStatusTip(QCoreApplication::translate(
        "CCheckCommands", "Objasnjava tipicne greske programa dok radi, jednom po liniji"));
    menu->addSeparator();
    for (int index = 0; index < core::kCheckKinds; ++index) {
        const auto kind = static_cast<core::ECheckKind>(index);
        m_pKinds[index] = menu->addAction(KindTitle(kind));
        m_pKinds[index]->setCheckable(true);
        m_pKinds[index]->setChecked(settings.value(KindKey(kind), true).toBool());
    }
    for (QAction* action : menu->actions())
        connect(action, &QAction::toggled, this, &CCheckCommands::Apply);
    Apply();
    connect(&frame, &CMainFrame::Assembled, this, &CCheckCommands::OnAssembled);
    m_lastSerial = core::EventLog.LastSerial();
    connect(m_pPoll, &QTimer::timeout, this, &CCheckCommands::Poll);
    m_pPoll->start(kPollMs);
}

void CCheckCommands::Apply() {
    QSettings settings;
    settings.setValue(kAllKey, m_pAll->isChecked());
    uint32_t kinds = 0;
    for (int index = 0; index < core::kCheckKinds; ++index) {
        const auto kind = static_cast<core::ECheckKind>(index);
        settings.setValue(KindKey(kind), m_pKinds[index]->isChecked());
        m_pKinds[index]->setEnabled(m_pAll->isChecked());
        if (m_pKinds[index]->isChecked()) kinds |= core::CheckBit(kind);
    }
    core::ChecksOn = m_pAll->isChecked() ? kinds : 0;
}

void CCheckCommands::OnAssembled(bool loaded) {
    // The assemble command cleared the editor's notes; the new program's
    // checks start afresh.
    m_shown.clear();
    Poll();
    m_lastSerial = core::EventLog.LastSerial();
    core::SetCheckProgram(loaded ? build::CheckProgramFrom(build::LoadSourceMap())
                                 : core::SCheckProgram{});
}

void CCheckCommands::Poll() {
    for (const core::SEvent& event : core::EventLog.Since(m_lastSerial)) {
        m_lastSerial = event.serial;
        if (event.kind == core::EEventKind::Check) Show(event);
    }
}

void CCheckCommands::Show(const core::SEvent& event) {
    if (!m_shown.insert({event.pc, event.cause}).second) return;
    const QString kind =
        QString::fromLatin1(core::CheckKindName(static_cast<core::ECheckKind>(event.cause)).data());
    const QString text = QString::fromStdString(event.text);
    // The line where the word stands now, the user's edits since F7 followed.
    const int line = m_frame.Marks()->LineOfWord(event.pc);
    const QString file = QString::fromStdString(SourceFileName);
    if (line < 0) {
        m_frame.Messages()->AddLine(tr("provera %1: %2").arg(kind, text));
        return;
    }
    m_frame.Messages()->AddLineAt(
        tr("%1:%2: provera %3: %4").arg(file).arg(line + 1).arg(kind, text), file, line + 1,
        kCheckInk);

    CEditView& editor = *m_frame.EditView();
    const QsciStyle style(kCheckNoteStyle, QString(), kCheckInk, kCheckPaper, editor.font());
    const QString note = tr("provera %1: %2").arg(kind, text);
    const QString before = editor.annotation(line);
    if (before.isEmpty()) {
        editor.annotate(line, note, style);
        return;
    }
    // The assembler's note or an earlier check stays above, in its own colour.
    const bool error = before.startsWith(QCoreApplication::translate("CSourceMarks", "greska: "));
    const bool warning =
        before.startsWith(QCoreApplication::translate("CSourceMarks", "upozorenje: "));
    const int beforeStyle = error ? kErrorNoteStyle : warning ? kWarningNoteStyle : kCheckNoteStyle;
    // By style number: a styled text made from a QsciStyle keeps a copy of
    // it that nothing ever frees.
    style.apply(&editor);
    editor.annotate(line,
                    QList<QsciStyledText>{QsciStyledText(before + QLatin1Char('\n'), beforeStyle),
                                          QsciStyledText(note, kCheckNoteStyle)});
}
