#include "ui/status_mark.h"

#include <QLabel>
#include <QStatusBar>

QLabel* AddStatusMark(QStatusBar* statusBar, const QString& text, const QString& toolTip,
                      int index) {
    auto* mark = new QLabel(text, statusBar);
    mark->setFrameShape(QFrame::Panel);
    mark->setFrameShadow(QFrame::Sunken);
    mark->setToolTip(toolTip);
    mark->hide();
    if (index < 0) {
        statusBar->addPermanentWidget(mark);
    } else {
        statusBar->insertPermanentWidget(index, mark);
    }
    return mark;
}
