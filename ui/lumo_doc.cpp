#include "ui/lumo_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "build/source_file.h"
#include "core/history.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "ui/user_dialogs.h"

namespace {
const char kUntitled[] = QT_TRANSLATE_NOOP("CLumoDoc", "Untitled");
const char kInitialFileName[] = QT_TRANSLATE_NOOP("CLumoDoc", "Nemam_ime");
const char kSourceFilter[] = QT_TRANSLATE_NOOP("CLumoDoc", "Asemblers Files (*.asm)");
const char kListingFilter[] = QT_TRANSLATE_NOOP("CLumoDoc", "Execute Files (*.lst)");
const char kAllFilesFilter[] = QT_TRANSLATE_NOOP("CLumoDoc", "All Files (*.*)");
const QString kSourceSuffix = QStringLiteral("asm");
constexpr int kDataRegistersClearedOnOpen = 0x30;

void Report(const QString& text) {
    AfxMessageBox(text.toStdString());
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}
}  // namespace

CLumoDoc::CLumoDoc() {
    core::ResetForNewDocument();
}

CLumoDoc::~CLumoDoc() {
    StopWorker();
}

void CLumoDoc::SetEditView(CEditView* editor) {
    m_pEditView = editor;
    AddView(editor);
}

bool CLumoDoc::OnNewDocument() {
    SetPathName({});
    // The text stays, but it belongs to no file now, and a new file is UTF-8.
    m_encoding = SourceEncoding::Utf8;
    ClearModifiedFlag();
    CreateWorker();
    return true;
}

bool CLumoDoc::OpenDocumentFile(const QString& path) {
    CreateWorker();
    return LoadFile(QFileInfo(path).absoluteFilePath()) == LoadResult::Loaded;
}

void CLumoDoc::OnFileNew() {
    if (!SaveModified()) return;
    OnNewDocument();
}

void CLumoDoc::OnFileOpen() {
    // Opening discards the text in the editor, so unsaved edits are offered
    // for saving first.
    if (!SaveModified()) return;
    FileDialogRequest request{QCoreApplication::translate("CLumoDoc", "Open"),
                              {tr(kSourceFilter), tr(kListingFilter), tr(kAllFilesFilter)},
                              kSourceSuffix,
                              tr(kInitialFileName),
                              QFile::decodeName(QByteArray::fromStdString(SourceFolder))};
    const QString path = m_pDialogs->GetOpenFileName(request);
    if (path.isEmpty()) return;
    LoadFile(path);
}

void CLumoDoc::OnFileSave() {
    if (!IsModified()) return;
    // After New the document is untitled again: its text no longer belongs to
    // the file opened before, so it gets a name of its own first.
    // The document's own file: the program last loaded may be another one (a
    // replayed scenario's object or HEX file).
    if (!SourceFileName.empty() && !m_strPathName.isEmpty()) {
        StoreFile(m_strPathName);
        return;
    }
    const QString path =
        AskSaveName(QCoreApplication::translate("CLumoDoc", "Save As"),
                    {tr(kSourceFilter), tr(kAllFilesFilter)}, kSourceSuffix, tr(kInitialFileName));
    if (!path.isEmpty()) StoreFile(path);
}

bool CLumoDoc::OnFileSaveAs() {
    const QString initialName =
        m_strPathName.isEmpty() ? m_strTitle : QFileInfo(m_strPathName).fileName();
    const QString path = AskSaveName(QCoreApplication::translate("CLumoDoc", "Save As"),
                                     {tr(kAllFilesFilter)}, QString(), initialName);
    return !path.isEmpty() && StoreFile(path);
}

bool CLumoDoc::SaveModified() {
    if (!IsModified()) return true;
    switch (m_pDialogs->AskSaveChanges(
        QCoreApplication::translate("CLumoDoc", "Save changes to %1?").arg(m_strTitle))) {
        case CUserDialogs::Answer::Yes:
            return DoFileSave();
        case CUserDialogs::Answer::No:
            return true;
        case CUserDialogs::Answer::Cancel:
            break;
    }
    return false;
}

void CLumoDoc::UpdateAllViews() {
    core::CView* last = nullptr;
    for (core::CView* view : GetViews()) {
        if (view == m_pEditView) continue;
        view->InvalidateRect(false);
        last = view;
    }
    if (last) LastRefreshedView.store(last);
}

bool CLumoDoc::IsModified() const {
    return m_pEditView && m_pEditView->isModified();
}

void CLumoDoc::ClearModifiedFlag() {
    if (m_pEditView) m_pEditView->setModified(false);
}

CLumoDoc::LoadResult CLumoDoc::LoadFile(const QString& path) {
    // A file that cannot be loaded changes nothing: text, program, registers
    // and the recorded source file all stay as they were.
    const SourceFileRead read = ReadSourceFile(path);
    if (read.status == SourceFileRead::TooLarge) {
        Report(QCoreApplication::translate("CLumoDoc", "The file is too large to open."));
        return LoadResult::Failed;
    }
    if (read.status == SourceFileRead::Failed) {
        Report(QCoreApplication::translate("CLumoDoc",
                                           "Failed to open document.\n\nCould not read %1: %2.")
                   .arg(Shown(path), read.error));
        return LoadResult::Failed;
    }
    const DecodedSource decoded = DecodeSource(read.bytes);
    m_pEditView->SetSourceBytes(decoded.utf8, decoded.lineEnds);
    m_lineEnds = decoded.lineEnds;
    m_encoding = decoded.encoding;
    SetSourceFile(path);
    ClearProgramImage();
    // The previous program is unloaded with its text: the next step finds
    // nothing loaded rather than running it as if it were the text shown,
    // and the clock of the next program starts at 0.
    ProgramEnd = 0;
    core::CycleCount = 0;
    InstructionCount = 0;
    for (int i = 0; i < kDataRegistersClearedOnOpen; ++i) RegisterFile[i] = 0;
    core::History.RequestNewHistory();
    SetPathName(path);
    ClearModifiedFlag();
    UpdateAllViews();
    emit SourceLoaded();
    emit FileUsed(path);
    return LoadResult::Loaded;
}

bool CLumoDoc::StoreFile(const QString& path) {
    const EncodedSource encoded = EncodeSource(m_pEditView->SourceBytes(), m_encoding);
    if (encoded.badLine > 0) {
        Report(QCoreApplication::translate(
                   "CLumoDoc",
                   "Failed to save document.\n\nLine %1 holds a character that "
                   "Windows-1250, the encoding of this file, cannot hold. %2 was "
                   "left as it was.")
                   .arg(encoded.badLine)
                   .arg(Shown(path)));
        return false;
    }
    const QString reason = WriteFileReplacing(path, encoded.bytes);
    if (!reason.isEmpty()) {
        Report(QCoreApplication::translate(
                   "CLumoDoc",
                   "Failed to save document.\n\nCould not write %1: %2.\nThe file on "
                   "disk was left as it was; the text is still in the editor.")
                   .arg(Shown(path), reason));
        return false;
    }
    // The file just written is the one Save and the assembler work on from
    // now on, and the one the caption names.
    SetSourceFile(path);
    SetPathName(path);
    ClearModifiedFlag();
    emit FileUsed(path);
    return true;
}

bool CLumoDoc::DoFileSave() {
    if (m_strPathName.isEmpty()) return OnFileSaveAs();
    return StoreFile(m_strPathName);
}

QString CLumoDoc::AskSaveName(const QString& caption, const QStringList& filters,
                              const QString& suffix, const QString& initialName) {
    QString folder = QFileInfo(m_strPathName).absolutePath();
    if (m_strPathName.isEmpty())
        folder = QFile::decodeName(QByteArray::fromStdString(SourceFolder));
    return m_pDialogs->GetSaveFileName({caption, filters, suffix, initialName, folder});
}

void CLumoDoc::SetPathName(const QString& path) {
    m_strPathName = path;
    SetTitle(path.isEmpty() ? tr(kUntitled) : QFileInfo(path).fileName());
}

void CLumoDoc::SetTitle(const QString& title) {
    m_strTitle = title;
    emit TitleChanged(title);
}

void CLumoDoc::SetSourceFile(const QString& path) {
    const QFileInfo info(path);
    std::string folder = QFile::encodeName(info.absolutePath()).toStdString();
    if (folder.empty() || folder.back() != '/') folder += '/';
    SourceFolder = folder;
    SourceFileName = QFile::encodeName(info.fileName()).toStdString();
}
