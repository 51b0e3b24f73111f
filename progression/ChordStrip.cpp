#include "progression/ChordStrip.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"

#include <QApplication>
#include <QDrag>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QToolTip>

namespace {

// A slot's size and the gap between slots, in twips.
constexpr int kSlotWidth = 600;
constexpr int kSlotHeight = 405;
constexpr int kGap = 30;

constexpr std::uint32_t kLightCyan = 0xFFFF80;
constexpr std::uint32_t kEmptySlot = 0x202020;

// The font made smaller, down to two thirds, until text fits width: "A7(♭9)" in one slot.
QFont Fitted(QFont font, const QString& text, int width)
{
    const qreal size = font.pointSizeF();
    for (qreal scale = 1.0; scale > 0.6; scale -= 0.1) {
        font.setPointSizeF(size * scale);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

// Text drawn centred in box in font made to fit; where even the smallest size is too wide, its
// tensions go ("V7(♭9)/IIm" reads "V7/IIm"; the tooltip has it whole), then its end.
void DrawFitted(QPainter& painter, const QRect& box, QFont font, QString text)
{
    const int width = box.width() - 2;
    QFont fitted = Fitted(font, text, width);
    if (QFontMetrics(fitted).horizontalAdvance(text) > width) {
        text.remove(QRegularExpression(QStringLiteral("\\([^)]*\\)")));
        fitted = Fitted(font, text, width);
    }
    painter.setFont(fitted);
    painter.drawText(
        box, Qt::AlignCenter, QFontMetrics(fitted).elidedText(text, Qt::ElideRight, width));
}

} // namespace

ChordStrip::ChordStrip(QWidget* parent, const QRect& twips)
    : QWidget(parent)
{
    ui::Place(this, QStringLiteral("picStrip"), twips);
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ChordStrip::SetSlots(std::vector<StripSlot> shown)
{
    slots_ = std::move(shown);
    if (selected_ >= static_cast<int>(slots_.size()))
        selected_ = static_cast<int>(slots_.size()) - 1;
    update();
}

void ChordStrip::Select(int index)
{
    selected_ = index;
    update();
}

void ChordStrip::Light(int index)
{
    if (index == lit_)
        return;
    lit_ = index;
    update();
}

QRect ChordStrip::SlotRect(int index) const
{
    const int column = index % kColumns;
    const int row = index / kColumns;
    return ui::TwipsRect(
        column * (kSlotWidth + kGap), row * (kSlotHeight + kGap), kSlotWidth, kSlotHeight);
}

int ChordStrip::SlotAt(QPoint at) const
{
    const int column = std::clamp(at.x() / ui::Px(kSlotWidth + kGap), 0, kColumns - 1);
    const int row = std::clamp(at.y() / ui::Px(kSlotHeight + kGap), 0, kRows - 1);
    return std::min(row * kColumns + column, static_cast<int>(slots_.size()));
}

void ChordStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ui::Color(ui::kBlack));
    QFont name = ui::GothicFont(9);
    QFont numeral = ui::PGothicFont(8.25);
    for (int i = 0; i < kSlots; ++i) {
        const QRect box = SlotRect(i);
        if (i >= static_cast<int>(slots_.size())) {
            painter.fillRect(box, ui::Color(kEmptySlot));
            continue;
        }
        const StripSlot& slot = slots_[static_cast<std::size_t>(i)];
        const bool lit = i == lit_;
        painter.fillRect(box, ui::Color(lit ? ui::kYellow : ui::kNavy));
        // The slot's length as a bar along its foot: a quarter of the width a beat.
        painter.fillRect(
            QRect(box.left(), box.bottom() - 1, box.width() * slot.beats / 4, 2), slot.colour);
        painter.setPen(ui::Color(lit ? ui::kBlack : kLightCyan));
        DrawFitted(painter, box.adjusted(0, 1, 0, -box.height() / 2), name, slot.name);
        painter.setPen(lit ? ui::Color(ui::kBlack) : slot.colour);
        DrawFitted(painter, box.adjusted(0, box.height() / 2 - 1, 0, -2), numeral, slot.numeral);
        if (i == selected_) {
            painter.setPen(QPen(ui::Color(ui::kWhite), 1));
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
}

void ChordStrip::mousePressEvent(QMouseEvent* event)
{
    const int index = SlotAt(event->position().toPoint());
    pressed_ = index < static_cast<int>(slots_.size())
            && SlotRect(index).contains(event->position().toPoint())
        ? index
        : -1;
    pressedAt_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton && pressed_ >= 0) {
        Select(pressed_);
        emit Clicked(pressed_);
    }
}

void ChordStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || pressed_ < 0 || !dragData_
        || (event->position().toPoint() - pressedAt_).manhattanLength()
            < QApplication::startDragDistance())
        return;
    QMimeData* data = dragData_(pressed_);
    data->setData(kSlotMimeType, QByteArray::number(pressed_));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(grab(SlotRect(pressed_)));
    pressed_ = -1;
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void ChordStrip::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kSlotMimeType) || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void ChordStrip::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void ChordStrip::dropEvent(QDropEvent* event)
{
    const int at = SlotAt(event->position().toPoint());
    const QMimeData* data = event->mimeData();
    if (data->hasFormat(kSlotMimeType) && event->source() == this) {
        emit Moved(data->data(kSlotMimeType).toInt(), at);
        event->setDropAction(Qt::MoveAction);
    } else {
        emit TextDropped(data->text(), at);
        event->setDropAction(Qt::CopyAction);
    }
    event->accept();
}

bool ChordStrip::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = SlotAt(help->pos());
    if (index < static_cast<int>(slots_.size()) && SlotRect(index).contains(help->pos())) {
        const StripSlot& slot = slots_[static_cast<std::size_t>(index)];
        QStringList lines { slot.name + "  " + slot.numeral };
        if (!slot.function.isEmpty())
            lines << slot.function;
        lines << tr("%n拍", nullptr, slot.beats);
        QToolTip::showText(help->globalPos(), lines.join('\n'), this, SlotRect(index));
    } else {
        QToolTip::hideText();
    }
    return true;
}
