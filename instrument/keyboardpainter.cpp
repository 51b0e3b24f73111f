#include "instrument/painters.h"

#include "shell/fonts.h"
#include "shell/units.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace instrument::keyboard {

namespace {

    const QColor kIvory(240, 240, 234);
    const QColor kEbony(24, 24, 24);
    const QColor kGap(70, 70, 70);
    const QColor kOctaveName(150, 150, 150);
    constexpr std::uint32_t kHeld = 0xFF00FF; // magenta, as the chord window frames held keys

    // Marks sit this far above a key's front edge and this far in from its sides.
    constexpr int kMarkHeight = 14;
    constexpr int kTallMarkHeight = 24; // two lines, on a black key
    constexpr int kFrontGap = 4;
    constexpr int kSideGap = 2;

    int Left(QSize face) { return (face.width() - WhiteKeys(face) * kWhiteWidth) / 2; }

    // An edge on a whole logical pixel: x white widths from the keyboard's left.
    int Edge(double x, QSize face)
    {
        return Left(face) + static_cast<int>(std::lround(x * kWhiteWidth));
    }

    bool Held(const View& view, int note)
    {
        return std::find(view.held.begin(), view.held.end(), note) != view.held.end();
    }

} // namespace

int WhiteKeys(QSize face) { return std::max(theory::kFewestWhiteKeys, face.width() / kWhiteWidth); }

QRect KeyRect(int note, QSize face)
{
    const theory::KeySpan span = theory::KeyPlace(note);
    const int left = Edge(span.left, face);
    const int right = Edge(span.left + span.width, face);
    const int length = theory::IsBlackKey(note)
        ? static_cast<int>(std::lround(face.height() * theory::kBlackKeyLength))
        : face.height();
    return { left, 0, right - left, length };
}

std::optional<int> NoteAt(QPoint point, QSize face)
{
    return theory::KeyAt(static_cast<double>(point.x() - Left(face)) / kWhiteWidth,
        static_cast<double>(point.y()) / face.height(), WhiteKeys(face));
}

void Paint(QPainter& painter, QSize face, const View& view)
{
    const int highest = theory::HighestKey(WhiteKeys(face));
    // A chord's notes as played, on the keys; a scale's in every octave.
    std::vector<int> marked;
    if (!view.marking.voicing.empty()) {
        marked = theory::VoicingOnKeys(view.marking.voicing, theory::kLowestKey, highest);
    } else {
        for (int note = theory::kLowestKey; note <= highest; ++note) {
            if (view.marking.notes[static_cast<std::size_t>(note % 12)].role
                != theory::MarkRole::None)
                marked.push_back(note);
        }
    }
    static const QFont octaveFont = ui::PGothicFont(6);
    for (bool black : { false, true }) {
        for (int note = theory::kLowestKey; note <= highest; ++note) {
            if (theory::IsBlackKey(note) != black)
                continue;
            const QRect key = KeyRect(note, face);
            painter.fillRect(key, Held(view, note) ? ui::Color(kHeld) : black ? kEbony : kIvory);
            const bool isMarked = std::find(marked.begin(), marked.end(), note) != marked.end();
            if (!black) {
                painter.fillRect(key.right(), 0, 1, key.height(), kGap);
                if (note % 12 == 0 && !isMarked) { // C3, C4, C5: where a pianist finds octaves
                    painter.setPen(kOctaveName);
                    painter.setFont(octaveFont);
                    painter.drawText(key.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom,
                        QStringLiteral("C%1").arg(note / 12 - 1));
                }
            }
            if (!isMarked)
                continue;
            const int height = black ? kTallMarkHeight : kMarkHeight;
            const QRect mark(key.left() + kSideGap, key.bottom() + 1 - kFrontGap - height,
                key.width() - 2 * kSideGap - (black ? 0 : 1), height);
            PaintMark(painter, mark, note % 12, view, black);
        }
    }
}

} // namespace instrument::keyboard
