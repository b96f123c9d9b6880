#pragma once
// The application: its settings, its one document and its main window.
#include <QString>
#include <memory>

#include "ui/language.h"
#include "ui/lumo_doc.h"
#include "ui/qt_message_box.h"
#include "ui/recent_file_list.h"
#include "ui/user_dialogs.h"

class CMainFrame;
class CRecoveryCopy;

class CSimulatorApp {
public:
    // Names the settings, installs the message boxes and the translation of
    // the language the settings choose; a QApplication must exist.
    CSimulatorApp();
    // Ends the worker before the window and the document go.
    ~CSimulatorApp();
    CSimulatorApp(const CSimulatorApp&) = delete;
    CSimulatorApp& operator=(const CSimulatorApp&) = delete;

    // Creates the window and the document: a new, untitled one, or the
    // given file opened as Open opens it. Shows the window. False when the
    // file cannot be opened (the user has been told why).
    bool InitInstance(const QString& fileName = QString());

    CLumoDoc& Document() { return m_doc; }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CQtMessageBoxHook& MessageBoxes() { return m_messageBoxes; }
    const CRecentFileList& RecentFiles() const { return *m_pRecentFiles; }
    CRecoveryCopy* RecoveryCopy() const { return m_pRecoveryCopy.get(); }
    // Replaces the real file dialogs and questions (tests script them).
    void SetUserDialogs(CUserDialogs* dialogs);

private:
    std::unique_ptr<CTranslation> m_pTranslation;
    CQtMessageBoxHook m_messageBoxes;
    CQtUserDialogs m_qtDialogs;
    std::unique_ptr<CRecentFileList> m_pRecentFiles;
    CLumoDoc m_doc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<CRecoveryCopy> m_pRecoveryCopy;
};
