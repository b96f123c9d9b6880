#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "board/attached_board.h"
#include "board/board_pins.h"
#include "core/pin_input.h"
#include "core/state.h"
#include "ui/board_art.h"

using namespace board;

namespace {
constexpr int kMargin = 8;
constexpr int kTitleHeight = 16;
// Parts are laid out in rows no wider than this, or the widest part.
constexpr int kRowWidth = 400;

QFont TitleFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

// The part's name, and for a part on one pin the pin.
QString Title(const SBoardPart& entry) {
    QString title = QString::fromStdString(entry.name);
    int pin = kNoPin;
    if (const auto* led = std::get_if<CLed>(&entry.part)) pin = led->Pin();
    if (const auto* button = std::get_if<CButton>(&entry.part)) pin = button->Pin();
    if (const auto* toggle = std::get_if<CSwitch>(&entry.part)) pin = toggle->Pin();
    if (pin != kNoPin) title += QStringLiteral(" ") + QString::fromLatin1(PinName(pin));
    return title;
}
}  // namespace

CBoardView::CBoardView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBoardView::SetBoard(const CAttachedBoard* attached) {
    m_pAttached = attached;
    m_shown = attached ? attached->Snapshot() : nullptr;
    m_held = -1;
    Layout();
    update();
}

void CBoardView::Refresh() {
    if (m_pAttached == nullptr) return;
    std::shared_ptr<const SBoard> latest = m_pAttached->Snapshot();
    // The same copy still repaints: the LCD's cursor blinks with the clock
    // even when nothing on the board changed.
    m_shown = std::move(latest);
    if (isVisible()) update();
}

void CBoardView::Layout() {
    m_places.clear();
    m_keys.clear();
    if (!m_shown) {
        m_size = QSize(0, 0);
        updateGeometry();
        return;
    }
    int widest = kRowWidth;
    for (const SBoardPart& entry : m_shown->parts)
        widest = std::max(widest, PartArtSize(entry.part).width());
    const QFontMetrics metrics(TitleFont());
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    int right = 0;
    for (size_t index = 0; index < m_shown->parts.size(); ++index) {
        const SBoardPart& entry = m_shown->parts[index];
        const QString title = Title(entry);
        const QSize art = PartArtSize(entry.part);
        const int width = std::max(art.width(), metrics.horizontalAdvance(title));
        if (x > kMargin && x + width > kMargin + widest) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        const QRect rect(QPoint(x, y + kTitleHeight), art);
        m_places.push_back({rect, title});
        for (const SPartKey& key : PartKeys(rect, entry.part))
            m_keys.push_back({key.rect, static_cast<int>(index), key.key});
        x += width + 2 * kMargin;
        rowHeight = std::max(rowHeight, kTitleHeight + art.height());
        right = std::max(right, x - kMargin);
    }
    m_size = QSize(right, y + rowHeight + kMargin);
    updateGeometry();
}

QRect CBoardView::KeyRect(int part, char key) const {
    for (const SKey& held : m_keys) {
        if (held.part == part && held.key == key) return held.rect;
    }
    return {};
}

void CBoardView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0x80, 0x30));
    if (!m_shown) return;
    const uint64_t cycle = core::CycleCount;
    const double cycleHz = m_pAttached ? m_pAttached->CycleHz() : 1e6;
    painter.setFont(TitleFont());
    painter.setPen(Qt::white);
    for (size_t index = 0; index < m_places.size() && index < m_shown->parts.size(); ++index) {
        const SPlace& place = m_places[index];
        painter.drawText(
            QRect(place.rect.x(), place.rect.y() - kTitleHeight, width(), kTitleHeight),
            Qt::AlignLeft | Qt::AlignVCenter, place.title);
        const bool held =
            m_held != -1 && m_keys[static_cast<size_t>(m_held)].part == static_cast<int>(index);
        DrawPart(painter, place.rect, m_shown->parts[index].part, cycle, cycleHz, held);
    }
}

void CBoardView::Act(bool press, const SKey& key) {
    core::SUserInput input;
    input.kind = press ? core::SUserInput::EKind::Press : core::SUserInput::EKind::Release;
    input.address = static_cast<uint8_t>(key.part);
    input.value = static_cast<uint8_t>(key.key);
    core::ActOnBoard(input);
}

void CBoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_held != -1) return;
    const QPoint at = event->position().toPoint();
    for (size_t index = 0; index < m_keys.size(); ++index) {
        if (!m_keys[index].rect.contains(at)) continue;
        m_held = static_cast<int>(index);
        const auto part = static_cast<size_t>(m_keys[index].part);
        if (part < m_shown->parts.size() && IsResetButton(m_shown->parts[part].part)) {
            update();
            emit ResetPressed();
        } else {
            Act(true, m_keys[index]);
        }
        return;
    }
}

void CBoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_held == -1) return;
    // Let go wherever the mouse is now: a key stays held only while the
    // button is.
    const SKey key = m_keys[static_cast<size_t>(m_held)];
    m_held = -1;
    const auto* shown = m_shown && static_cast<size_t>(key.part) < m_shown->parts.size()
                            ? &m_shown->parts[static_cast<size_t>(key.part)].part
                            : nullptr;
    // A switch flips on the press, a reset is done with it; their release
    // is nothing.
    if (shown && !std::holds_alternative<CSwitch>(*shown) && !IsResetButton(*shown)) {
        Act(false, key);
    }
    update();
}
