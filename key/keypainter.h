// The key-signature pictures: a five-line staff, a treble or bass clef and the sharps or flats
// of one key, drawn at run time so they are crisp at any device-pixel ratio.
#pragma once

#include <QPixmap>

#include <array>
#include <vector>

namespace keypainter {

enum class Clef { Treble, Bass };

// Every picture is 93 x 74 logical pixels.
inline constexpr int kWidth = 93;
inline constexpr int kHeight = 74;

// The staff: lines 7 px apart, the bottom line at y 51.5 and the middle line at 37.5, so each
// line lies on a pixel row's centre and a one-pixel line is crisp at 1x and 2x.
inline constexpr double kSpace = 7.0;
inline constexpr double kBottomLineY = 51.5;
inline constexpr double kStaffLeft = 3.0;
inline constexpr double kStaffRight = 90.0;

// A staff step counts lines and spaces upward from the bottom line: 0 is the bottom line, 1 the
// space above it, 8 the top line, 9 the space above the staff and -1 the space below it.
constexpr double StepY(int step) { return kBottomLineY - step * kSpace / 2; }

// The clef's place on the staff, in logical pixels.
struct ClefBox {
    double left;
    double width;
};
ClefBox ClefPlace(Clef clef);

// One sharp or flat of a key signature: the staff step its centre sits on (for a flat, the
// middle of its bowl) and its left edge in logical pixels.
struct Accidental {
    bool sharp;
    int step;
    double x;
};

// The sharps or flats of key index k (0 seven sharps, 7 none, 14 seven flats) in the order
// they are written, left to right. Sharps go F C G D A E B and flats B E A D G C F; on the
// bass clef each sits two steps lower than on the treble clef. A key's accidentals take the
// same places as in the seven-accidental signature, as in printed music. Empty for an index
// outside 0..14.
std::vector<Accidental> SignatureLayout(Clef clef, int k);

// Where the clef and accidental shapes come from: the music glyphs of FreeSerif
// (fonts-freefont-ttf), or, when that font is missing, the program's own outlines in
// pictures/key.
enum class GlyphSource { MusicFont, Outlines };

// The music font when it really resolved on this system with every glyph the pictures need;
// otherwise the outlines, with one warning on the log. Needs a QGuiApplication.
GlyphSource AvailableGlyphs();

// Picture k of the clef: 93 x 74 logical pixels rendered at the given device-pixel ratio.
QPixmap Paint(Clef clef, int k, qreal devicePixelRatio, GlyphSource source = AvailableGlyphs());

} // namespace keypainter
