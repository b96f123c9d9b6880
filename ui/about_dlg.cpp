#include "ui/about_dlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/dialog_units.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CAboutDlg", "About"));
    setFont(DialogFont());
    const CDialogUnits du(font());
    setFixedSize(du.Size(115, 101));

    auto* icon = new QLabel(this);
    const QRect iconRect = du.Rect(11, 17, 20, 20);
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(32, 32)));
    icon->setPixmap(windowIcon().pixmap(32, 32));

    auto* name = new QLabel(QStringLiteral("Lumo Version 2.0"), this);
    name->setTextFormat(Qt::PlainText);
    // The layout's width was measured for a narrower font; never clip the name.
    QRect nameRect = du.Rect(39, 15, 53, 8);
    nameRect.setWidth(std::max(nameRect.width(), name->sizeHint().width()));
    name->setGeometry(nameRect);

    auto* ok = new QPushButton(QCoreApplication::translate("CAboutDlg", "OK"), this);
    ok->setGeometry(du.Rect(42, 80, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void OnAppAbout(QWidget* owner) {
    CAboutDlg dialog(owner);
    dialog.exec();
}
