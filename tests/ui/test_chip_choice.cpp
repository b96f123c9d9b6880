// Options > "Cip po katalogu": the choice reaches the next run, stays for
// the next start and shows in the status bar; on the classic chip, F7 of a
// program written for the real one says what to switch on.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "build/source_file.h"
#include "core/chip_profile.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/chip_commands.h"
#include "ui/command_ids.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"

class ChipChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        CAppUnderTest::ClearSettings();
        SourceFolder.clear();
        SourceFileName.clear();
        core::ChipProfile = core::EChipProfile::Classic;
    }
    void cleanup() { core::ChipProfile = core::EChipProfile::Classic; }

    void theChoiceRunsKeepsAndTells() {
        CScratchFolder folder;
        const QString table = folder.Path("table.asm");
        WriteBytes(table,
                   "\torg\t0\n\tgoto\tstart\n\torg\t5\nstart\tmovlw\t1\n\taddwf\t2,f\n\tend\n");
        {
            CAppUnderTest app(table);
            CMainFrame& frame = app.Frame();
            QLabel* mark = frame.findChild<CChipCommands*>()->ChipMark();
            QVERIFY(mark->isHidden());
            frame.Action(ID_ASSEMBLE)->trigger();
            QVERIFY(AssemblerEnded(frame));
            QCOMPARE(int(PC), 5);
            const QStringList lines = frame.Messages()->Lines();
            QVERIFY2(!lines.filter("Options > Cip po katalogu").isEmpty(),
                     qPrintable(lines.join('\n')));

            frame.Action(ID_DATASHEET_CHIP)->trigger();
            QCOMPARE(core::ChipProfile.load(), core::EChipProfile::Datasheet);
            QVERIFY(!mark->isHidden());
            // The restart puts the run on the real chip's reset vector.
            QTRY_COMPARE(int(PC), 0);
            frame.Action(ID_ASSEMBLE)->trigger();
            QVERIFY(AssemblerEnded(frame));
            QVERIFY(frame.Messages()->Lines().filter("Cip po katalogu").isEmpty());
        }
        core::ChipProfile = core::EChipProfile::Classic;
        CAppUnderTest again;
        QCOMPARE(core::ChipProfile.load(), core::EChipProfile::Datasheet);
        QVERIFY(!again.Frame().findChild<CChipCommands*>()->ChipMark()->isHidden());
    }

    void reasonsAProgramNeedsTheRealChip() {
        const struct {
            const char* name;
            std::vector<uint16_t> words;  // from word 5
            bool needs;
        } cases[] = {
            {"a plain loop", {0x3001, 0x0086, 0x2805}, false},
            {"ADDWF PCL,F", {0x3001, 0x0782}, true},
            {"MOVWF PCL", {0x0082}, true},
            {"ADDWF PCL,W only reads it", {0x0702}, false},
            {"SLEEP", {0x0063}, true},
            {"CLRWDT", {0x0064}, true},
        };
        for (const auto& c : cases) {
            ResetForLoad();
            for (size_t i = 0; i < c.words.size(); ++i) {
                char text[5];
                std::snprintf(text, sizeof text, "%04X", c.words[i]);
                for (int k = 0; k < 4; ++k) ProgramImage[4 * (5 + i) + k] = text[k];
            }
            ProgramEnd = core::kProgramImageSize;
            QVERIFY2(DatasheetChipReason().isEmpty() != c.needs, c.name);
        }
    }
};

QTEST_MAIN(ChipChoiceTest)
#include "test_chip_choice.moc"
