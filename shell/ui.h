// Helpers every window uses to build its controls from the design values: twips, colours
// written &H00BBGGRR, the Japanese Gothic fonts and the control names tests look for.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>

class QComboBox;
class QLabel;
class QScrollBar;
class QWidget;

namespace ui {

// 15 twips to a logical pixel at 96 dpi; Qt's own scaling handles high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves away from zero: 7 twips are 0 px, 8 are 1 px.
constexpr int Px(int twips)
{
    const long long wide = twips; // a stored position may be any 32-bit value
    const long long half = kTwipsPerPixel / 2;
    return static_cast<int>(
        wide >= 0 ? (wide + half) / kTwipsPerPixel : -((-wide + half) / kTwipsPerPixel));
}

constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

QRect TwipsRect(int left, int top, int width, int height);

struct Rgb {
    int red;
    int green;
    int blue;
};

// The design writes colours blue-green-red: &H00400000 is navy, red 0, green 0, blue 64.
constexpr Rgb RgbFromBgr(std::uint32_t bbggrr)
{
    return { static_cast<int>(bbggrr & 0xFF), static_cast<int>(bbggrr >> 8 & 0xFF),
        static_cast<int>(bbggrr >> 16 & 0xFF) };
}

QColor Color(std::uint32_t bbggrr);

// A tool window's frame: a title and a close box, no button on the task bar, no minimise or
// maximise box.
inline constexpr Qt::WindowFlags kToolWindow
    = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Colours several windows share, written as every colour of the program is: &H00BBGGRR.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kNavy = 0x400000;
inline constexpr std::uint32_t kDarkGreen = 0x004000;
inline constexpr std::uint32_t kDarkPurple = 0x400040;
inline constexpr std::uint32_t kBrightGreen = 0x00FF00;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kPink = 0xFFC0FF;

// Font sizes are points at 96 dpi, the resolution the twips geometry assumes, so a label's
// text fits its cell whatever the screen reports: 9 pt is 12 px.
constexpr int PointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

// "ＭＳ ゴシック" (monospaced) and "ＭＳ Ｐゴシック" (proportional), or the nearest face this
// system has: Debian's IPA Gothic fonts.
QStringList GothicFamilies();
QStringList PGothicFamilies();
QFont GothicFont(double points, bool bold = false);
QFont PGothicFont(double points, bool bold = false);

// The program's face, set once at start: text in the proportional Gothic at 9 pt unless a
// control names its own (tooltips, messages), so the program loads that face and not the
// system's default face as well.
void SetProgramFonts();

// A text of the theory tables (UTF-8) as Qt holds it.
inline QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The name of element index of a control array, as tests and screen readers find it:
// "lblNote(4)".
QString ArrayName(const char* name, int index);

// Names a control, places it at its design geometry in twips, and gives it its accessible name.
void Place(QWidget* control, const QString& name, const QRect& twips);

// Gives a label or a window a solid background and text colour through its palette, which is
// far cheaper to change at run time than a style sheet.
void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text);
void PaintText(QWidget* widget, std::uint32_t text);

// A window's own background; its controls keep their default colours.
void PaintBackground(QWidget* window, std::uint32_t background);

// A button's face colour.
void PaintButton(QWidget* button, std::uint32_t face);

// A picture of the compiled-in art, drawn from its SVG at the given logical size and pixel
// ratio, so it stays crisp on any screen. A path that names no picture gives a null pixmap.
QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio);

// The same as an icon of the given logical size in 1x and 2x, each drawn only when it is first
// painted (a window never shown draws none); greyed when its button is disabled.
QIcon SvgIcon(const QString& path, QSize size);

// The common controls, named and placed from their design values in twips.

// A fixed caption in white on the window's background. When its window first shows, it widens
// to its text where this system's font is wider than the design's, so no caption is cut off.
QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& twips);

// A vertical scroll bar from 0 to maximum, moving one step at a time; it reports every value
// while its thumb is dragged.
QScrollBar* VerticalBar(
    QWidget* parent, const QString& name, const QRect& twips, int maximum, int value);

// A drop-down list (no typing) in the given colours, in the monospaced Gothic.
QComboBox* DropDown(QWidget* parent, const QString& name, const QRect& twips,
    std::uint32_t background, std::uint32_t text);

} // namespace ui
