#include "app_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "ui/app_title.h"
#include "ui/main_frame.h"
#include "ui/recovery_copy.h"

QString CScriptedDialogs::GetOpenFileName(const FileDialogRequest& request) {
    m_openRequests.append(request);
    return m_openPaths.isEmpty() ? QString() : m_openPaths.takeFirst();
}

QString CScriptedDialogs::GetSaveFileName(const FileDialogRequest& request) {
    m_saveRequests.append(request);
    return m_savePaths.isEmpty() ? QString() : m_savePaths.takeFirst();
}

CUserDialogs::Answer CScriptedDialogs::AskSaveChanges(const QString& question) {
    m_questions.append(question);
    if (m_answers.isEmpty()) {
        QTest::qFail("an unexpected save question", __FILE__, __LINE__);
        return Answer::Cancel;
    }
    return m_answers.takeFirst();
}

bool CScriptedDialogs::AskYesNo(const QString& question) {
    return AskSaveChanges(question) == Answer::Yes;
}

void CRecordedMessages::Show(const std::string& text) {
    std::lock_guard lock(m_mutex);
    m_texts.push_back(text);
}

std::vector<std::string> CRecordedMessages::Texts() const {
    std::lock_guard lock(m_mutex);
    return m_texts;
}

void CRecordedMessages::Clear() {
    std::lock_guard lock(m_mutex);
    m_texts.clear();
}

void CAppUnderTest::UseScratchSettings() {
    // One folder per test program, so programs that run side by side never
    // see each other's window layout or recent files.
    static QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    CRecoveryCopy::SetFolder(folder.filePath(QStringLiteral("recovery")));
}

void CAppUnderTest::ClearSettings() {
    UseScratchSettings();
    QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kAppTitle)).clear();
}

namespace {
constexpr int kActivationWaitMs = 30000;
}  // namespace

CAppUnderTest::CAppUnderTest(const QString& fileName, Boxes boxes,
                             QList<CUserDialogs::Answer> answers) {
    UseScratchSettings();
    m_dialogs.m_answers = std::move(answers);
    m_pApp = std::make_unique<CSimulatorApp>();
    if (boxes == RecordedBoxes) core::SetMessageBoxHook(&m_messages);
    m_pApp->SetUserDialogs(&m_dialogs);
    m_bStarted = m_pApp->InitInstance(fileName);
    if (m_bStarted) {
        CMainFrame* frame = m_pApp->MainFrame();
        frame->activateWindow();
        // The window's shortcuts (F7, Ctrl+F5) reach only an active window; on
        // a loaded machine activation can take longer than the usual wait.
        if (!QTest::qWaitForWindowActive(frame, kActivationWaitMs))
            qWarning("the window did not become active");
    }
}

CAppUnderTest::~CAppUnderTest() {
    m_pApp.reset();
    core::SetMessageBoxHook(nullptr);
}

CScratchFolder::CScratchFolder()
    : m_dir(QDir::tempPath() + QStringLiteral("/lumo ui test XXXXXX")) {}

QString CScratchFolder::Path(const QString& name) const {
    return m_dir.filePath(name);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool AssemblerEnded(CMainFrame& frame) {
    return QTest::qWaitFor([&] { return !frame.Assembling(); }, 30000);
}
