#pragma once
// The real application with scripted answers in place of its dialogs and a
// recorder in place of its message boxes, so a test can drive the window
// without anybody at the keyboard.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/message_box.h"
#include "ui/simulator_app.h"
#include "ui/user_dialogs.h"

class CMainFrame;

class CScriptedDialogs : public CUserDialogs {
public:
    // Answers used first-in first-out; an empty path means Cancel. A
    // question with no scripted answer fails the test and cancels.
    QStringList m_openPaths;
    QStringList m_savePaths;
    QList<Answer> m_answers;

    // What was asked.
    QList<FileDialogRequest> m_openRequests;
    QList<FileDialogRequest> m_saveRequests;
    QStringList m_questions;

    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    Answer AskSaveChanges(const QString& question) override;
    // Takes a scripted answer too: Yes for yes, any other for no.
    bool AskYesNo(const QString& question) override;
};

class CRecordedMessages : public core::CMessageBoxHook {
public:
    void Show(const std::string& text) override;
    void CloseAll() override {}
    std::vector<std::string> Texts() const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
};

class CAppUnderTest {
public:
    enum Boxes { RecordedBoxes, RealBoxes };
    // Starts the application as `lumo [fileName]` does and waits until its
    // window is active. The settings go to a scratch folder. Message boxes
    // are recorded, or with RealBoxes shown as the program shows them.
    // answers: what the dialogs say to questions asked while starting.
    explicit CAppUnderTest(const QString& fileName = QString(), Boxes boxes = RecordedBoxes,
                           QList<CUserDialogs::Answer> answers = {});
    ~CAppUnderTest();

    // Forgets every setting of the program (window layout, recent files).
    static void ClearSettings();

    bool Started() const { return m_bStarted; }
    CSimulatorApp& App() { return *m_pApp; }
    CLumoDoc& Doc() { return m_pApp->Document(); }
    CMainFrame& Frame() { return *m_pApp->MainFrame(); }

    CScriptedDialogs m_dialogs;
    CRecordedMessages m_messages;

private:
    static void UseScratchSettings();

    std::unique_ptr<CSimulatorApp> m_pApp;
    bool m_bStarted = false;
};

// A scratch folder whose path holds blanks.
class CScratchFolder {
public:
    CScratchFolder();
    QString Path(const QString& name) const;  // name may hold blanks too
    bool IsValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

// F7 runs the assembler without waiting for it: this waits until the load
// is done (false when it took more than 30 s).
bool AssemblerEnded(CMainFrame& frame);
