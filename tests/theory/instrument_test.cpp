#include "theory/instrument.h"

#include "theory/scales.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace theory;

namespace {

std::string Positions(const std::vector<NeckPosition>& positions)
{
    std::string text;
    for (const NeckPosition& p : positions)
        text += (text.empty() ? "" : " ") + std::to_string(p.string) + ":" + std::to_string(p.fret);
    return text;
}

} // namespace

// Where a note lies on each tuning: string:fret, strings counted from the tuning's first (the
// guitar's sixth). Open strings, the octave at the 12th fret, the lowest notes.
TEST(Neck, NotePositionsOnEveryTuning)
{
    const struct {
        const char* tuning;
        int note;
        const char* positions;
    } rows[] = {
        { "Guitar (E A D G B E)", 40, "0:0" }, // low E2, open only
        { "Guitar (E A D G B E)", 52, "0:12 1:7 2:2" }, // E3
        { "Guitar (E A D G B E)", 64, "1:19 2:14 3:9 4:5 5:0" }, // E4
        { "Drop D (D A D G B E)", 38, "0:0" },
        { "Drop D (D A D G B E)", 50, "0:12 1:5 2:0" },
        { "DADGAD", 57, "0:19 1:12 2:7 3:2 4:0" },
        { "Open G (D G D G B D)", 43, "0:5 1:0" },
        { "Bass (E A D G)", 28, "0:0" }, // E1, the bass's lowest
        { "Bass (E A D G)", 40, "0:12 1:7 2:2" },
        { "Ukulele (G C E A)", 60, "1:0" }, // the re-entrant G string reaches no C4
        { "Ukulele (G C E A)", 67, "0:0 1:7 2:3" },
        { "Ukulele (G C E A)", 81, "0:14 2:17 3:12" },
    };
    for (const auto& row : rows) {
        const auto tuning = std::find_if(Tunings.begin(), Tunings.end(),
            [&row](const Tuning& t) { return t.name == row.tuning; });
        ASSERT_NE(tuning, Tunings.end()) << row.tuning;
        auto positions = NotePositions(*tuning, row.note, 19);
        EXPECT_EQ(Positions(positions), row.positions) << row.tuning << " " << row.note;
        for (const NeckPosition& p : positions)
            EXPECT_EQ(NeckNote(*tuning, p), row.note);
    }
    // C and G on the ukulele's first five frets: every string holds one or two.
    EXPECT_EQ(
        Positions(PitchClassPositions(Tunings[5], 1 << 0 | 1 << 7, 5)), "0:0 0:5 1:0 2:3 3:3");
}

// Keys drawn to scale: the twelve keys share an octave's seven white widths; a point finds the
// black key in front of the white one only as far as the black keys reach.
TEST(PianoKeys, KeysAndPoints)
{
    EXPECT_EQ(HighestKey(kFewestWhiteKeys), 72); // C3 to C5
    EXPECT_DOUBLE_EQ(KeyPlace(61).left, 7 + 7.0 / 12); // C♯4
    EXPECT_DOUBLE_EQ(KeyPlace(71).left, 13.0); // B4
    const struct {
        double x, depth;
        std::optional<int> note;
    } points[] = {
        { 0.1, 0.9, 48 },
        { 0.7, 0.3, 49 },
        { 0.7, 0.7, 48 },
        { 6.5, 0.3, 59 },
        { 6.5, 0.9, 59 },
        { 14.7, 0.3, 72 }, // no C♯5 beyond the last key
        { 15.0, 0.5, std::nullopt },
        { -0.1, 0.5, std::nullopt },
    };
    for (const auto& p : points)
        EXPECT_EQ(KeyAt(p.x, p.depth, kFewestWhiteKeys), p.note) << p.x << ", " << p.depth;
}

// A chord's voicing on the keyboard: as played where it fits, else an octave lower, the
// highest notes folding onto the keys.
TEST(PianoKeys, VoicingOnKeys)
{
    const struct {
        PitchClass root;
        const char* type;
        int highest;
        std::vector<int> keys;
    } rows[] = {
        { 0, "major", 72, { 60, 64, 67 } }, { 0, "7(9)", 72, { 48, 52, 55, 58, 62 } },
        { 11, "7(13)", 72, { 59, 63, 66, 68, 69 } }, // B D♯ F♯ A G♯: the 13th folds down
        { 11, "7(13)", 95, { 71, 75, 78, 81, 92 } }, // a wider keyboard holds it as played
    };
    for (const auto& row : rows)
        EXPECT_EQ(
            VoicingOnKeys(ChordNotes(row.root, FindChordType(row.type)), kLowestKey, row.highest),
            row.keys)
            << row.type;
}

// What each note is: names as the windows spell them, degrees off the major scale.
TEST(Marking, ScaleAndChordNotes)
{
    const Marking dorian = ScaleMarking(2, 1, SpellingMode::Flats); // D Dorian
    std::string degrees;
    for (int step : { 0, 2, 3, 5, 7, 9, 10 })
        degrees += dorian.notes[static_cast<std::size_t>(Transposed(2, step))].degree + " ";
    EXPECT_EQ(degrees, "1 2 ♭3 4 5 6 ♭7 ");
    EXPECT_EQ(dorian.notes[2].role, MarkRole::Root);
    EXPECT_EQ(dorian.notes[1].role, MarkRole::None);
    EXPECT_TRUE(dorian.voicing.empty());

    const ChordType dim = FindChordType("dim");
    std::array<std::string, kMatrixSlots> cells;
    cells[9] = "B𝄫";
    EXPECT_EQ(ChordMarking(0, dim, cells).notes[9].degree, "𝄫7");
    EXPECT_EQ(ChordMarking(0, dim, cells).notes[9].name, "B𝄫");
    const Marking ninth = ChordMarking(0, FindChordType("7(♭9)"), cells);
    EXPECT_EQ(ninth.notes[1].role, MarkRole::Tension);
    EXPECT_EQ(ninth.notes[1].degree, "♭9");
    EXPECT_EQ(ninth.notes[10].role, MarkRole::Tone);
}
