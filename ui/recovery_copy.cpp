#include "ui/recovery_copy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include "ui/lumo_doc.h"
#include "ui/user_dialogs.h"

namespace {
const QString kTextSuffix = QStringLiteral(".asm");
const QString kPathSuffix = QStringLiteral(".path");
const QString kLockSuffix = QStringLiteral(".lock");

QString& FolderSetting() {
    static QString folder;
    return folder;
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void RemoveCopy(const QString& stem) {
    QFile::remove(stem + kTextSuffix);
    QFile::remove(stem + kPathSuffix);
}
}  // namespace

QString CRecoveryCopy::Folder() {
    if (!FolderSetting().isEmpty()) return FolderSetting();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void CRecoveryCopy::SetFolder(const QString& folder) {
    FolderSetting() = folder;
}

CRecoveryCopy::CRecoveryCopy(CLumoDoc& doc, QObject* parent)
    : QObject(parent),
      m_doc(doc),
      m_pDelay(new QTimer(this)),
      // The process number alone may come again after a restart of the
      // machine; the start time keeps two windows' copies apart.
      m_key(QStringLiteral("%1-%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QDateTime::currentMSecsSinceEpoch())) {
    m_pDelay->setSingleShot(true);
    m_pDelay->setInterval(kDelayMs);
    connect(m_pDelay, &QTimer::timeout, this, &CRecoveryCopy::WriteNow);
    CEditView* editor = doc.EditView();
    connect(editor, &CEditView::textChanged, m_pDelay, qOverload<>(&QTimer::start));
    // Saved, opened or new: what is on disk is the text, or the text is gone
    // on purpose.
    connect(editor, &CEditView::modificationChanged, this, [this](bool modified) {
        if (!modified) {
            m_pDelay->stop();
            RemoveOwnCopy();
        }
    });
}

CRecoveryCopy::~CRecoveryCopy() {
    RemoveOwnCopy();
    if (m_pLock) m_pLock->unlock();
}

QString CRecoveryCopy::OwnPath(const QString& suffix) const {
    return Folder() + QLatin1Char('/') + m_key + suffix;
}

void CRecoveryCopy::WriteNow() {
    if (!m_doc.IsModified()) {
        RemoveOwnCopy();
        return;
    }
    if (!m_pLock) {
        QDir().mkpath(Folder());
        // Held for the life of the window: a copy with a live lock belongs to
        // a window still open and is never offered.
        m_pLock = std::make_unique<QLockFile>(OwnPath(kLockSuffix));
        m_pLock->setStaleLockTime(0);
        if (!m_pLock->tryLock(0)) {
            m_pLock.reset();
            return;
        }
    }
    const QString stem = OwnPath({});
    // The text first: a copy is offered only when its text is whole.
    WriteWhole(stem + kPathSuffix, m_doc.GetPathName().toUtf8());
    WriteWhole(stem + kTextSuffix, m_doc.EditView()->SourceBytes());
}

void CRecoveryCopy::RemoveOwnCopy() {
    if (m_pLock) RemoveCopy(OwnPath({}));
}

void CRecoveryCopy::OfferLeftCopy() {
    QFileInfoList copies =
        QDir(Folder()).entryInfoList({QLatin1Char('*') + kTextSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString stem = copy.absolutePath() + QLatin1Char('/') + copy.completeBaseName();
        if (stem == OwnPath({})) continue;
        QLockFile lock(stem + kLockSuffix);
        // Only a window that is gone leaves a lock that can be taken, however
        // old the lock of a window still open is.
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) continue;
        QFile text(copy.absoluteFilePath());
        QFile pathFile(stem + kPathSuffix);
        if (!text.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = text.readAll();
        const QString path =
            pathFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(pathFile.readAll()) : QString();
        const QString name =
            path.isEmpty() ? QCoreApplication::translate("CRecoveryCopy", "bez imena") : path;
        const QString question =
            QCoreApplication::translate(
                "CRecoveryCopy",
                "Prethodni rad simulatora nije zavrsen kako treba, a tekst %1 "
                "nije bio sacuvan (poslednja izmena %2).\n\nVratiti taj tekst u "
                "editor? (Ne: kopija se brise.)")
                .arg(name, copy.lastModified().toString(QStringLiteral("dd.MM.yyyy. HH:mm:ss")));
        const bool restore = m_doc.Dialogs()->AskYesNo(question);
        RemoveCopy(stem);
        lock.unlock();
        if (restore) {
            // Into its own file's document, never another file's: a save
            // must not put this text over a file it did not come from.
            const bool opened =
                !path.isEmpty() && QFileInfo(path).isFile() && m_doc.OpenDocumentFile(path);
            if (!opened) m_doc.OnNewDocument();
            m_doc.EditView()->ReplaceAllAsEdit(bytes);
        }
        return;
    }
}
