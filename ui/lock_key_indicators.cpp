#include "ui/lock_key_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {
QLabel* AddIndicator(QStatusBar* statusBar, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), statusBar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
    statusBar->addPermanentWidget(label);
    return label;
}
}  // namespace

CLockKeyIndicators::CLockKeyIndicators(QStatusBar* statusBar)
    : QObject(statusBar),
      m_pCaps(AddIndicator(statusBar, "CAP")),
      m_pNum(AddIndicator(statusBar, "NUM")),
      m_pScroll(AddIndicator(statusBar, "SCRL")) {
    qApp->installEventFilter(this);
    Refresh();
}

bool CLockKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Every key event passes through here once per receiving widget;
        // only the one for the focus widget counts.
        if (watched == QApplication::focusWidget()) {
            if (const auto state = QueryLockKeyState()) {
                m_state = *state;
            } else if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
                if (key->key() == Qt::Key_CapsLock) m_state.capsLock = !m_state.capsLock;
                if (key->key() == Qt::Key_NumLock) m_state.numLock = !m_state.numLock;
                if (key->key() == Qt::Key_ScrollLock) m_state.scrollLock = !m_state.scrollLock;
            }
            Show();
        }
    } else if (type == QEvent::ApplicationActivate) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void CLockKeyIndicators::Refresh() {
    if (const auto state = QueryLockKeyState()) m_state = *state;
    Show();
}

void CLockKeyIndicators::Show() {
    m_pCaps->setEnabled(m_state.capsLock);
    m_pNum->setEnabled(m_state.numLock);
    m_pScroll->setEnabled(m_state.scrollLock);
}
