#include "ui/user_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/app_title.h"

QString CQtUserDialogs::GetOpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

QString CQtUserDialogs::GetSaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

QString CQtUserDialogs::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(m_pOwner, request.caption,
                       request.folder.isEmpty() ? QDir::currentPath() : request.folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

CUserDialogs::Answer CQtUserDialogs::AskSaveChanges(const QString& question) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_pOwner);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool CQtUserDialogs::AskYesNo(const QString& question) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), question,
                    QMessageBox::Yes | QMessageBox::No, m_pOwner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
