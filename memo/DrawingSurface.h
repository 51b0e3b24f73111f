// The memo pad's drawing surface: a white sheet the pen draws on. Everything drawn lives in an
// image the surface paints from, so a sketch survives being covered, hidden and shown again.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // The pen colour; black at first.
    QColor ForeColor() const { return foreColor_; }
    void SetForeColor(const QColor& color) { foreColor_ = color; }

    // The width in pixels of the next dot or line; 1 at first.
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels) { drawWidth_ = pixels; }

    // A round dot of the draw width centred on the point.
    void Dot(QPointF at, const QColor& color);

    // A straight line of the draw width with round ends.
    void Line(QPointF from, QPointF to, const QColor& color);

    // Clears the whole sheet to its white background.
    void Clear();

    // Writes the text in the pen colour and the surface's font, its first line's top left at
    // the point.
    void Text(QPointF at, const QString& text, const QColor& color);

    // The sheet, in the surface's coordinates; it is at least as large as the surface and only
    // grows, so what was drawn near an edge comes back when a shrunk window is enlarged again.
    const QImage& Image() const { return image_; }

signals:
    // The button that went down, with the pointer position in surface coordinates.
    void MouseDown(Qt::MouseButton button, QPointF position);
    // The buttons held while the pointer moves.
    void MouseMove(Qt::MouseButtons buttons, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Text dragged in (a chord-search hit, say) is written where it is dropped.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Fit();
    // Paints on the sheet with a round pen of the draw width and repaints the bounds.
    void Draw(
        const QRectF& bounds, const QColor& color, const std::function<void(QPainter&)>& draw);

    QImage image_;
    QColor foreColor_ = Qt::black;
    int drawWidth_ = 1;
};
