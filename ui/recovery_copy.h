#pragma once
// A copy of the text typed since the last save, kept on disk so that a
// window that is killed or crashes does not cost the student that work.
// The copy is written a few seconds after the last change, removed when the
// text is saved, replaced by a file or the window closes normally; a copy
// whose window is gone (its lock is stale) is offered at the next start.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class CLumoDoc;
class QTimer;

class CRecoveryCopy : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 3000;

    // Watches the document's editor from now on.
    explicit CRecoveryCopy(CLumoDoc& doc, QObject* parent = nullptr);
    // The normal end: the copy is not needed any more.
    ~CRecoveryCopy() override;

    // Where copies are kept; the user's data folder unless set (tests).
    static QString Folder();
    static void SetFolder(const QString& folder);

    // A copy left by a window that ended without closing, newest first, is
    // offered to the user; an accepted one is put into the editor as an
    // edit of its file (Undo gives the file's text back). Either way that
    // copy is removed.
    void OfferLeftCopy();

    // Writes the copy now, or removes it when the text is saved.
    void WriteNow();

private:
    void RemoveOwnCopy();
    QString OwnPath(const QString& suffix) const;

    CLumoDoc& m_doc;
    QTimer* m_pDelay;
    QString m_key;
    std::unique_ptr<QLockFile> m_pLock;
};
