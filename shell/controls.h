// Naming, placing and colouring controls, and the common controls built that way.
#pragma once

#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace ui {

// A tool window's frame: a title and a close box, no button on the task bar, no minimise or
// maximise box.
inline constexpr Qt::WindowFlags kToolWindow
    = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A text of the theory tables (UTF-8) as Qt holds it.
inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The name of element index of a control array, as tests and screen readers find it:
// "lblNote(4)".
QString ArrayName(const char* name, int index);

// Names a control, places it at its window's geometry in twips, and gives it its accessible name.
void Place(QWidget* control, const QString& name, const QRect& twips);

// Gives a label or a window a solid background and text colour (&H00BBGGRR) through its
// palette, which is far cheaper to change at run time than a style sheet.
void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text);
void PaintText(QWidget* widget, std::uint32_t text);

// A window's own background; its controls keep their default colours.
void PaintBackground(QWidget* window, std::uint32_t background);

// A button's face colour.
void PaintButton(QWidget* button, std::uint32_t face);

// A fixed caption in white on the window's background, placed in twips. When its window first
// shows, it widens to its text where this system's font needs more room than its place gives,
// so no caption is cut off.
QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& twips);

// A vertical scroll bar from 0 to maximum, moving one step at a time; it reports every value
// while its thumb is dragged.
QScrollBar* VerticalBar(
    QWidget* parent, const QString& name, const QRect& twips, int maximum, int value);

// A drop-down list (no typing) in the given colours, in the monospaced Gothic.
QComboBox* DropDown(QWidget* parent, const QString& name, const QRect& twips,
    std::uint32_t background, std::uint32_t text);

// The picture button that asks for the instrument window, the same in every window that offers
// it: named name and placed at twips.
QPushButton* InstrumentButton(QWidget* parent, const char* name, const QRect& twips);

// Lets the user take away what a window shows as one line of plain text: Ctrl+C anywhere in
// the window, and the item "コピー" of its context menu, put line() on the clipboard.
void OfferCopy(QWidget* window, std::function<QString()> line);

} // namespace ui
