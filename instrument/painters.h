// The instrument window's two faces, each drawn by one painter from what the window shows: a
// piano keyboard drawn to scale and a fretted neck. No pictures: every key, fret and mark is drawn
// at the size and pixel ratio it is shown, on whole logical pixels, so both are crisp at 1x and
// 2x.
#pragma once

#include "theory/instrument.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace instrument {

// What both faces show.
struct View {
    theory::Marking marking;
    bool chord = false; // marks in the chord window's colours, else in the scale window's
    std::uint16_t searched = 0; // pitch classes a search looked for: ringed
    std::vector<int> held; // MIDI notes held on a keyboard: magenta
    bool degrees = false; // degree numbers instead of note names
    int tuning = 0; // index into theory::Tunings
    bool leftHanded = false; // the nut on the right
};

// One note's mark: a pill in its role's colours holding its name or degree, ringed when searched,
// at the foot of its place. Names write ♯ for ＃, which keeps them narrow. A tall place takes a
// name or degree with a sign in two lines, the sign apart, to fit a black key.
void PaintMark(
    QPainter& painter, QRect place, theory::PitchClass pc, const View& view, bool tall = false);

// A ring in colour round a mark's place, or a disc where no mark is.
void PaintRing(QPainter& painter, const QRect& place, std::uint32_t colour, bool filled);

namespace keyboard {

    // White keys are this wide, in logical pixels; a face shows as many as it holds, at least
    // theory::kFewestWhiteKeys, centred.
    inline constexpr int kWhiteWidth = 23;

    int WhiteKeys(QSize face);
    QRect KeyRect(int note, QSize face); // a black key's rect is its visible part
    std::optional<int> NoteAt(QPoint point, QSize face);
    void Paint(QPainter& painter, QSize face, const View& view);

} // namespace keyboard

namespace neck {

    // The spot a position's mark is centred on.
    QPoint Spot(theory::NeckPosition position, QSize face, const View& view);
    std::optional<theory::NeckPosition> PositionAt(QPoint point, QSize face, const View& view);
    void Paint(QPainter& painter, QSize face, const View& view);

} // namespace neck

} // namespace instrument
