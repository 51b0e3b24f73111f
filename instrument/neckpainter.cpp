#include "instrument/painters.h"

#include "shell/fonts.h"
#include "shell/units.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace instrument::neck {

namespace {

    const QColor kWood(46, 30, 22);
    const QColor kFretWire(165, 165, 160);
    const QColor kNut(232, 228, 210);
    const QColor kString(200, 200, 196);
    const QColor kInlay(120, 110, 100);
    const QColor kFretNumber(170, 170, 170);
    constexpr std::uint32_t kHeld = 0xFF00FF; // magenta, as the chord window frames held keys

    // Across the neck: the open strings' column, the nut, then the frets, each a little narrower
    // than the one before (by half a real neck's taper, so the high frets still hold a mark).
    constexpr int kSide = 4;
    constexpr int kOpenWidth = 22;
    constexpr int kNutWidth = 3;
    constexpr double kTaper = 0.9715; // 2^(-1/24)
    // Along the neck: the strings between these margins, the fret numbers under them.
    constexpr int kTop = 9;
    constexpr int kBottom = 22;
    constexpr int kMarkSize = 15;

    constexpr std::array<int, 6> kInlays { 3, 5, 7, 9, 12, 15 };

    // The right edge of fret f's wire (f 0 the nut's), in logical pixels from the left as a
    // right-handed player sees it.
    int Wire(int f, QSize face)
    {
        const int first = kSide + kOpenWidth + kNutWidth;
        const double room = face.width() - kSide - first;
        const double whole = (1 - std::pow(kTaper, theory::kLastFret)) / (1 - kTaper);
        const double part = (1 - std::pow(kTaper, f)) / (1 - kTaper);
        return first + static_cast<int>(std::lround(room * part / whole));
    }

    // The middle of fret f's space; the open column's for 0.
    int FretMiddle(int f, QSize face)
    {
        return f == 0 ? kSide + kOpenWidth / 2 : (Wire(f - 1, face) + Wire(f, face)) / 2;
    }

    int Mirrored(int x, QSize face, const View& view)
    {
        return view.leftHanded ? face.width() - 1 - x : x;
    }

    const theory::Tuning& TuningOf(const View& view)
    {
        return theory::Tunings[static_cast<std::size_t>(
            std::clamp(view.tuning, 0, theory::kTuningCount - 1))];
    }

    // String s (0 the tuning's first, the lowest on a guitar) lies lowest on the face, the first
    // string at the top, as in tablature.
    int StringY(int s, QSize face, const View& view)
    {
        const int strings = TuningOf(view).strings;
        const double gap = static_cast<double>(face.height() - kTop - kBottom) / (strings - 1);
        return face.height() - kBottom - static_cast<int>(std::lround(s * gap));
    }

} // namespace

QPoint Spot(theory::NeckPosition position, QSize face, const View& view)
{
    return { Mirrored(FretMiddle(position.fret, face), face, view),
        StringY(position.string, face, view) };
}

std::optional<theory::NeckPosition> PositionAt(QPoint point, QSize face, const View& view)
{
    // The nearest spot, no farther than a mark is wide.
    std::optional<theory::NeckPosition> nearest;
    int best = kMarkSize * kMarkSize;
    for (int s = 0; s < TuningOf(view).strings; ++s) {
        for (int f = 0; f <= theory::kLastFret; ++f) {
            const QPoint d = Spot({ s, f }, face, view) - point;
            const int distance = d.x() * d.x() + d.y() * d.y();
            if (distance < best) {
                best = distance;
                nearest = theory::NeckPosition { s, f };
            }
        }
    }
    return nearest;
}

void Paint(QPainter& painter, QSize face, const View& view)
{
    const theory::Tuning& tuning = TuningOf(view);
    const auto span = [&](int left, int right) {
        const int a = Mirrored(left, face, view);
        const int b = Mirrored(right - 1, face, view);
        return std::pair { std::min(a, b), std::abs(b - a) + 1 };
    };
    const int top = StringY(tuning.strings - 1, face, view) - kMarkSize / 2 - 1;
    const int bottom = StringY(0, face, view) + kMarkSize / 2 + 1;

    // The fingerboard from the nut on, its fret wires and inlays, the nut.
    const auto [boardLeft, boardWidth] = span(Wire(0, face), face.width() - kSide);
    painter.fillRect(boardLeft, top, boardWidth, bottom - top, kWood);
    static const QFont numberFont = ui::PGothicFont(7);
    painter.setFont(numberFont);
    painter.setPen(kFretNumber);
    for (int f = 1; f <= theory::kLastFret; ++f) {
        const auto [wire, width] = span(Wire(f, face) - 1, Wire(f, face));
        painter.fillRect(wire, top, width, bottom - top, kFretWire);
        if (std::find(kInlays.begin(), kInlays.end(), f) == kInlays.end())
            continue;
        const int x = Mirrored(FretMiddle(f, face), face, view);
        painter.drawText(QRect(x - 10, bottom + 1, 20, kBottom - kMarkSize / 2 - 2),
            Qt::AlignCenter, QString::number(f));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kInlay);
        const int middle = (top + bottom) / 2;
        // One dot, two at the octave.
        const int apart = f == 12 ? (bottom - top) / 4 : 0;
        for (int dy : { -apart, apart })
            painter.drawEllipse(QPointF(x + 0.5, middle + dy + 0.5), 2.5, 2.5);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(kFretNumber);
    }
    const auto [nutLeft, nutWidth] = span(Wire(0, face) - kNutWidth, Wire(0, face));
    painter.fillRect(nutLeft, top, nutWidth, bottom - top, kNut);

    // The strings, the lower ones thicker, across the open column too.
    const auto [stringLeft, stringWidth] = span(kSide, face.width() - kSide);
    for (int s = 0; s < tuning.strings; ++s) {
        const int thickness = s < tuning.strings / 2 ? 2 : 1;
        painter.fillRect(
            stringLeft, StringY(s, face, view) - thickness / 2, stringWidth, thickness, kString);
    }

    // Every position of every note shown; the held keys' pitch classes ringed in magenta.
    std::uint16_t shown = 0;
    for (int pc = 0; pc < 12; ++pc) {
        if (view.marking.notes[static_cast<std::size_t>(pc)].role != theory::MarkRole::None)
            shown |= static_cast<std::uint16_t>(1u << pc);
    }
    std::uint16_t held = 0;
    for (int note : view.held)
        held |= static_cast<std::uint16_t>(1u << (note % 12));
    for (const theory::NeckPosition& position : theory::PitchClassPositions(tuning, shown | held)) {
        const QPoint spot = Spot(position, face, view);
        const QRect mark(spot.x() - kMarkSize / 2, spot.y() - kMarkSize / 2, kMarkSize, kMarkSize);
        const int pc = theory::NeckNote(tuning, position) % 12;
        if (held >> pc & 1)
            PaintRing(painter, mark, kHeld, !(shown >> pc & 1));
        PaintMark(painter, mark, pc, view);
    }
}

} // namespace instrument::neck
