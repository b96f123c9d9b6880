#include "ui/simulator_app.h"

#include <QApplication>
#include <QIcon>

#include "ui/app_title.h"
#include "ui/main_frame.h"
#include "ui/recovery_copy.h"

CSimulatorApp::CSimulatorApp() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    m_pTranslation = std::make_unique<CTranslation>(ChosenLanguage());
    m_pRecentFiles = std::make_unique<CRecentFileList>();
    m_doc.SetUserDialogs(&m_qtDialogs);
    QObject::connect(&m_doc, &CLumoDoc::FileUsed,
                     [this](const QString& path) { m_pRecentFiles->Add(path); });
}

CSimulatorApp::~CSimulatorApp() {
    // A normal end: the text was saved or the user chose to drop it.
    m_pRecoveryCopy.reset();
    m_messageBoxes.CloseAll();
    m_doc.StopWorker();
}

void CSimulatorApp::SetUserDialogs(CUserDialogs* dialogs) {
    m_doc.SetUserDialogs(dialogs ? dialogs : &m_qtDialogs);
}

bool CSimulatorApp::InitInstance(const QString& fileName) {
    m_pMainFrame = std::make_unique<CMainFrame>(m_doc);
    m_qtDialogs.SetOwner(m_pMainFrame.get());
    m_messageBoxes.SetOwner(m_pMainFrame.get());
    QObject::connect(&m_messageBoxes, &CQtMessageBoxHook::WorkerMessage, m_pMainFrame.get(),
                     &CMainFrame::OnRunTimeMessage);
    QApplication::setWindowIcon(m_pMainFrame->windowIcon());

    const bool opened =
        fileName.isEmpty() ? m_doc.OnNewDocument() : m_doc.OpenDocumentFile(fileName);
    if (!opened) return false;

    m_pMainFrame->show();
    m_pMainFrame->raise();
    m_pMainFrame->activateWindow();
    m_pRecoveryCopy = std::make_unique<CRecoveryCopy>(m_doc);
    m_pRecoveryCopy->OfferLeftCopy();
    return true;
}
