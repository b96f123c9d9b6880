#pragma once
// Options > "Uporedi sa resenjem...": the program loaded in the window
// against a model solution, on the inputs of the run on show or on a
// scenario. lumo-run --compare does the comparison in a process of its own:
// the machine is one value of this process, which the window's run holds,
// and the window stays free while both programs run. Its first difference
// is listed in the messages pane (choosing it shows the program's line);
// on the run's own inputs the analyser's cursor goes to it too, as the
// window's run is then the one compared.
#include <QObject>
#include <QString>
#include <memory>

class CMainFrame;
class CLumoDoc;
class QProcess;
class QTemporaryDir;

class CCompareCommands : public QObject {
    Q_OBJECT
public:
    CCompareCommands(CMainFrame& frame, CLumoDoc& doc);
    ~CCompareCommands() override;

    // Whether a comparison is under way.
    bool Running() const;

signals:
    // The comparison ended and said what it found, in the messages pane.
    void Finished();

private:
    void OnCompare();
    // The program as F7 left it: the object file beside the source, or the
    // object or HEX file opened; empty when nothing is loaded.
    QString LoadedProgram() const;
    void Start(const QString& model, const QString& scenario, bool ownRun);
    void OnFinished();
    void Say(const QString& text);

    CMainFrame& m_frame;
    CLumoDoc& m_doc;
    QProcess* m_pProcess = nullptr;
    std::unique_ptr<QTemporaryDir> m_pFolder;  // the run's inputs as a scenario
    bool m_ownRun = false;
};
