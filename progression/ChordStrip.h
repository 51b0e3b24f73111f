// The progression's row of chord slots, drawn in one painter: each slot's chord name, its Roman
// numeral in its function's colour and its length in beats; a click selects, a drag moves a
// slot or carries it out, a drop of text inserts chords.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QMimeData;

// What one slot shows.
struct StripSlot {
    QString name; // "Am7"
    QString numeral; // "VIm7"
    QColor colour; // the numeral's: its function's
    QString function; // the tooltip's words for the function
    int beats = 4;
};

class ChordStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 8;
    static constexpr int kRows = 4;
    static constexpr int kSlots = kColumns * kRows;

    // The MIME type of a slot dragged within the strip: its index as text.
    static constexpr const char* kSlotMimeType = "application/x-rurized-slot";

    // Named "picStrip", at twips in parent.
    ChordStrip(QWidget* parent, const QRect& twips);

    void SetSlots(std::vector<StripSlot> shown);
    // -1 for none.
    void Select(int index);
    int Selected() const { return selected_; }
    void Light(int index);
    int Lit() const { return lit_; }

    // What a slot (or the whole row, for -1) carries out when dragged: set by the window.
    void OfferDrag(std::function<QMimeData*(int index)> data) { dragData_ = std::move(data); }

    // The slot under a point of the strip, or where a dropped chord would go: 0..count.
    int SlotAt(QPoint at) const;

signals:
    void Clicked(int index);
    void Moved(int from, int to);
    // Text dropped at slot index (0..count): chord names for the window to read.
    void TextDropped(const QString& text, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect SlotRect(int index) const;

    std::vector<StripSlot> slots_;
    int selected_ = -1;
    int lit_ = -1;
    int pressed_ = -1;
    QPoint pressedAt_;
    std::function<QMimeData*(int)> dragData_;
};
