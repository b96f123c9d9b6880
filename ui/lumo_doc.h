#pragma once
// The document: the source text (held by its first view, the editor), the
// file commands, the title and modified flag, and the simulation worker
// with its run commands (CSimDocument).
#include <QObject>
#include <QPointer>
#include <QString>

#include "core/sim_document.h"
#include "ui/edit_view.h"
#include "ui/source_text.h"

class CUserDialogs;

class CLumoDoc : public QObject, public core::CSimDocument {
    Q_OBJECT
public:
    // The reset of document creation; no worker yet.
    CLumoDoc();
    ~CLumoDoc() override;

    // The editor through which the document reads and writes its text.
    void SetEditView(CEditView* editor);
    CEditView* EditView() const { return m_pEditView; }
    void SetUserDialogs(CUserDialogs* dialogs) { m_pDialogs = dialogs; }
    CUserDialogs* Dialogs() const { return m_pDialogs; }

    // Untitled and not modified, the text kept; creates the worker once.
    bool OnNewDocument();
    // Loads path as Open does, without a dialog or a question: the start
    // with a file on the command line. Reports failures to the user.
    bool OpenDocumentFile(const QString& path);

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    bool OnFileSaveAs();
    // Before the text is discarded: "Save changes to <title>?". False when
    // the user cancels or the save fails, so the caller stops.
    bool SaveModified();

    // Repaints the panes that show the chip (all views but the editor), as
    // the worker does after an instruction.
    void UpdateAllViews();

    bool IsModified() const;
    // Takes the current text as the saved one.
    void ClearModifiedFlag();
    QString GetTitle() const { return m_strTitle; }
    QString GetPathName() const { return m_strPathName; }
    LineEnds GetLineEnds() const { return m_lineEnds; }
    // Makes the document's file the source the assembler works on again, as
    // opening it did; a program loaded from elsewhere since (a replayed
    // scenario's object or HEX file) does not stay the source.
    void RecordOwnSourceFile() const {
        if (!m_strPathName.isEmpty()) SetSourceFile(m_strPathName);
    }
    SourceEncoding GetEncoding() const { return m_encoding; }

signals:
    void TitleChanged(const QString& title);
    // A file was opened or saved (the recent-file list keeps it).
    void FileUsed(const QString& path);
    // A file was opened: its text is in the editor and the program memory
    // has been emptied.
    void SourceLoaded();

private:
    enum class LoadResult { Loaded, Failed };
    LoadResult LoadFile(const QString& path);
    // Writes the editor's text to path; reports a failure to the user.
    bool StoreFile(const QString& path);
    // The framework's save: to the document's path, or through Save As.
    bool DoFileSave();
    QString AskSaveName(const QString& caption, const QStringList& filters, const QString& suffix,
                        const QString& initialName);
    void SetPathName(const QString& path);
    void SetTitle(const QString& title);
    static void SetSourceFile(const QString& path);

    QPointer<CEditView> m_pEditView;
    CUserDialogs* m_pDialogs = nullptr;
    QString m_strTitle;
    QString m_strPathName;
    LineEnds m_lineEnds = LineEnds::Lf;
    SourceEncoding m_encoding = SourceEncoding::Utf8;
};
