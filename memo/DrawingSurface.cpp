#include "memo/DrawingSurface.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the image covers every pixel
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
}

void DrawingSurface::Dot(QPointF at, const QColor& color)
{
    Draw(QRectF(at, at), color, [at](QPainter& painter) { painter.drawPoint(at); });
}

void DrawingSurface::Line(QPointF from, QPointF to, const QColor& color)
{
    Draw(QRectF(from, to).normalized(), color,
        [from, to](QPainter& painter) { painter.drawLine(QLineF(from, to)); });
}

void DrawingSurface::Clear()
{
    Fit();
    image_.fill(Qt::white);
    update();
}

void DrawingSurface::Text(QPointF at, const QString& text, const QColor& color)
{
    const QRectF bounds = fontMetrics().boundingRect(
        QRectF(at, QSizeF(width(), height())).toAlignedRect(), Qt::AlignLeft | Qt::AlignTop, text);
    Draw(bounds, color, [this, bounds, &text](QPainter& painter) {
        painter.setFont(font());
        painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
    });
}

void DrawingSurface::Draw(
    const QRectF& bounds, const QColor& color, const std::function<void(QPainter&)>& draw)
{
    Fit();
    {
        QPainter painter(&image_);
        painter.setPen(QPen(color, drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        draw(painter);
    }
    const qreal reach = drawWidth_ + 1;
    update(bounds.adjusted(-reach, -reach, reach, reach).toAlignedRect());
}

void DrawingSurface::Fit()
{
    const QSize logical = image_.deviceIndependentSize().toSize();
    if (logical.width() >= width() && logical.height() >= height() && !image_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize grown = logical.expandedTo(size()).expandedTo(QSize(1, 1));
    QImage image(grown * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(image);
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    Fit();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void DrawingSurface::resizeEvent(QResizeEvent*) { Fit(); }

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), event->position());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->buttons(), event->position());
}

void DrawingSurface::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void DrawingSurface::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void DrawingSurface::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText())
        return;
    Text(event->position(), event->mimeData()->text(), foreColor_);
    event->acceptProposedAction();
}
