#pragma once
// The questions the file commands put to the user: which file to open or
// save, and whether to save changes first. The window shows real dialogs;
// the tests answer through a scripted stand-in.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

struct FileDialogRequest {
    QString caption;
    QStringList filters;    // "Description (pattern)", first one selected
    QString defaultSuffix;  // added to a name typed without one; empty for none
    QString initialName;
    QString folder;  // where the dialog starts; empty for the working folder
};

class CUserDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~CUserDialogs() = default;
    // The chosen file's full path, or an empty text when cancelled.
    virtual QString GetOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString GetSaveFileName(const FileDialogRequest& request) = 0;
    virtual Answer AskSaveChanges(const QString& question) = 0;
    virtual bool AskYesNo(const QString& question) = 0;
};

class CQtUserDialogs : public CUserDialogs {
public:
    void SetOwner(QWidget* owner) { m_pOwner = owner; }

    QString GetOpenFileName(const FileDialogRequest& request) override;
    QString GetSaveFileName(const FileDialogRequest& request) override;
    Answer AskSaveChanges(const QString& question) override;
    bool AskYesNo(const QString& question) override;

private:
    QString RunFileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> m_pOwner;
};
