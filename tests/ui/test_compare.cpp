// Options > "Uporedi sa resenjem..." as a student uses it: on the inputs of
// the run just tried, the first difference is listed at the program's line
// and the analyser's cursor stands at its cycle; a model that does not
// assemble and a malformed scenario are said as such.
#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

#include "build/source_file.h"
#include "core/state.h"
#include "support/app_fixture.h"
#include "ui/command_ids.h"
#include "ui/compare_commands.h"
#include "ui/logic_analyser_pane.h"
#include "ui/main_frame.h"
#include "ui/messages_pane.h"
#include "ui/time_commands.h"

namespace {
// RB0 (the model) or RB1 (the submission) toggles from cycle 5 on.
QByteArray Toggler(int mask) {
    return "\torg\t5\n"
           "\tbsf\t3,5\n"
           "\tclrf\t6\n"
           "\tbcf\t3,5\n"
           "loop\tmovlw\t" +
           QByteArray::number(mask) +
           "\n"
           "\txorwf\t6,f\n"  // line 6
           "\tgoto\tloop\n"
           "\tend\n";
}
}  // namespace

class CompareTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { SimSpeedMs = 200; }
    void firstDifferenceOnTheRunsOwnInputs();
    void brokenModelAndScenarioAreSaid_data();
    void brokenModelAndScenarioAreSaid();

private:
    QString Write(const QString& name, const QByteArray& text) const {
        const QString path = m_folder->Path(name);
        WriteBytes(path, text);
        return path;
    }
    // Opens and assembles the submission, runs it a few instructions and
    // compares it; the messages pane's last line when the comparison ends.
    QString Compare(CAppUnderTest& app, const QStringList& paths, bool ownRun);

    std::unique_ptr<CScratchFolder> m_folder;
};

void CompareTest::init() {
    CAppUnderTest::ClearSettings();
    m_folder = std::make_unique<CScratchFolder>();
    QVERIFY(m_folder->IsValid());
    SourceFolder.clear();
    SourceFileName.clear();
    SimSpeedMs = 1;
}

QString CompareTest::Compare(CAppUnderTest& app, const QStringList& paths, bool ownRun) {
    app.m_dialogs.m_openPaths.append(Write(QStringLiteral("prog.asm"), Toggler(2)));
    app.Frame().Action(ID_FILE_OPEN)->trigger();
    app.Frame().Action(ID_ASSEMBLE)->trigger();
    if (!AssemblerEnded(app.Frame())) return {};
    app.Frame().Action(ID_CONTINUOUS_RUN)->trigger();
    if (!QTest::qWaitFor([] { return InstructionCount >= 12; })) return {};
    auto* compare = app.Frame().findChild<CCompareCommands*>();
    QSignalSpy finished(compare, &CCompareCommands::Finished);
    app.m_dialogs.m_openPaths.append(paths);
    app.m_dialogs.m_answers.append(ownRun ? CUserDialogs::Answer::Yes : CUserDialogs::Answer::No);
    app.Frame().Action(ID_COMPARE)->trigger();
    if (!finished.wait(60000)) return {};
    const QListWidget* list = app.Frame().Messages()->List();
    return list->count() ? list->item(list->count() - 1)->text() : QString();
}

void CompareTest::firstDifferenceOnTheRunsOwnInputs() {
    const QString model = Write(QStringLiteral("resenje.asm"), Toggler(1));
    CAppUnderTest app;
    const QString line = Compare(app, {model}, true);
    QCOMPARE(line, QStringLiteral("prog.asm:6: Prvo odstupanje od resenja: ciklus 5 (5 us), RB0 "
                                  "je 0, u resenju 1"));
    const CTraceView* traces = app.Frame().Time()->Analyser()->Traces();
    QVERIFY(app.Frame().Time()->Analyser()->isVisible());
    QVERIFY(traces->HasCursor(0));
    QCOMPARE(traces->Cursor(0), 5u);

    // Choosing the line shows the program's line.
    QSignalSpy chosen(app.Frame().Messages(), &CMessagesPane::MessageChosen);
    app.Frame().Messages()->ChooseNext(-1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][1].toInt(), 6);
}

void CompareTest::brokenModelAndScenarioAreSaid_data() {
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("scenario");  // empty: the run's own inputs
    QTest::addColumn<QString>("said");
    QTest::newRow("model does not assemble") << QByteArray("\tmovlw\n\tend\n") << QByteArray()
                                             << QStringLiteral("Resenje se ne moze prevesti");
    QTest::newRow("malformed scenario") << Toggler(1) << QByteArray("steps: [run: {\n")
                                        << QStringLiteral("Scenario nije ispravan: ");
}

void CompareTest::brokenModelAndScenarioAreSaid() {
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, scenario);
    QFETCH(QString, said);
    QStringList paths = {Write(QStringLiteral("model.asm"), model)};
    if (!scenario.isEmpty()) paths.append(Write(QStringLiteral("scenario.yaml"), scenario));
    CAppUnderTest app;
    QVERIFY(!Compare(app, paths, scenario.isEmpty()).isEmpty());
    const QStringList lines = app.Frame().Messages()->Lines();
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&said](const QString& shown) { return shown.startsWith(said); }),
             qPrintable(lines.join(QLatin1Char('\n'))));
}

QTEST_MAIN(CompareTest)
#include "test_compare.moc"
