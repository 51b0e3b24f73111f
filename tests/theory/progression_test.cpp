#include "theory/chordnames.h"
#include "theory/progression.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using theory::Function;
using theory::Key;
using theory::SongChord;

namespace {

std::vector<SongChord> Row(const char* names)
{
    const theory::ReadChords read = theory::ReadChordNames(names);
    EXPECT_EQ(read.unread, "") << names;
    return read.chords;
}

// The numerals of a row, and its functions as letters: T, S(D), D, m (SDm), - (none).
std::string Numerals(Key key, const char* names)
{
    std::string numerals;
    std::string functions;
    for (const SongChord& chord : Row(names)) {
        const theory::Numeral numeral = theory::RomanNumeral(key, chord);
        numerals += (numerals.empty() ? "" : " ") + numeral.text;
        functions += "-TSDm"[static_cast<int>(numeral.function)];
    }
    return numerals + " " + functions;
}

} // namespace

// Well-known progressions in several keys, read as Japanese pop harmony reads them.
TEST(Progression, NumeralsAndFunctions)
{
    const Key c { 0, false }, d { 2, false }, bFlat { 10, false }, f { 5, false }, a { 9, true };
    EXPECT_EQ(Numerals(c, "C G Am F"), "I V VIm IV TDTS");
    EXPECT_EQ(Numerals(d, "D A Bm G"), "I V VIm IV TDTS");
    EXPECT_EQ(Numerals(bFlat, "Bb F Gm Eb"), "I V VIm IV TDTS");
    EXPECT_EQ(Numerals(f, "Gm7 C7 FM7"), "IIm7 V7 IM7 SDT");
    EXPECT_EQ(Numerals(a, "Am F C G"), "Im ♭VI ♭III ♭VII TSTS");
    EXPECT_EQ(Numerals(a, "Bm7b5 E7 Am"), "IIm7(♭5) V7 Im SDT");
    EXPECT_EQ(Numerals(c, "D7 G7 C"), "V7/V V7 I DDT");
    EXPECT_EQ(Numerals(c, "A7 Dm E7 Am"), "V7/IIm IIm V7/VIm VIm DSDT");
    EXPECT_EQ(Numerals(c, "Bb Fm Ab Db7"), "♭VII IVm ♭VI ♭II7 mmmD");
    EXPECT_EQ(Numerals(c, "C/E F#m7b5 Gsus4"), "I ♯IVm7(♭5) Vsus4 T-D");
}

// The key of a row: the one that explains most of its chords, a tie going to the first chord's.
TEST(Progression, KeyGuessedFromTheChords)
{
    const std::pair<const char*, Key> rows[] = {
        { "C Am F G", { 0, false } },
        { "Am F C G", { 9, true } },
        { "Dm7 G7 CM7", { 0, false } },
        { "F C Bb C", { 5, false } }, // a tie between F and C major: the first chord's
        { "E7 Am", { 9, true } },
        { "Bb F Gm Eb", { 10, false } },
        { "G Am F C", { 0, false } }, // not G major with a borrowed ♭VII
    };
    for (const auto& [names, key] : rows)
        EXPECT_EQ(theory::GuessKey(Row(names)), key) << names;
    EXPECT_EQ(theory::GuessKey({}), (Key { 0, false }));
}

// What usually follows, the most usual first.
TEST(Progression, SuggestionsFollowTheRules)
{
    using theory::Reason;
    const Key c { 0, false };
    const auto next = [&](Key key, const char* name) {
        std::string line;
        for (const theory::Suggestion& s : theory::NextChords(key, Row(name).front()))
            line += (line.empty() ? "" : " ")
                + theory::SongChordName(s.chord, theory::SpellingMode::Mixed) + "("
                + std::to_string(static_cast<int>(s.reason)) + ")";
        return line;
    };
    // Reasons: 0 T→SD, 1 SD→D, 2 D→T, 3 SD→T, 4 deceptive, 5 V7/x, 6 resolution, 7 IIm7, 8 ♭II7,
    // 9 borrowed.
    EXPECT_EQ(next(c, "C"), "F(0) Dm7(7) G7(1) A7(5) B♭(9) A♭(9)");
    EXPECT_EQ(next(c, "Dm7"), "G7(1) C♯7(8) C(3)");
    EXPECT_EQ(next(c, "F"), "G7(1) C♯7(8) Fm(9) C(3)");
    EXPECT_EQ(next(c, "G7"), "C(2) Am(4)");
    EXPECT_EQ(next(c, "A7"), "Dm(6)");
    EXPECT_EQ(next(c, "Db7"), "C(6)");
    EXPECT_EQ(next(c, "Fm"), "C(3) G7(1)");
    EXPECT_EQ(next(Key { 9, true }, "Am"), "Dm(0) Bm7(♭5)(7) E7(1) A7(5)");
}

// Names as people type them or as the windows copy them; what does not read is refused whole.
TEST(Progression, ChordNamesReadFromText)
{
    const auto names = [](const char* text) {
        const theory::ReadChords read = theory::ReadChordNames(text);
        if (!read.unread.empty())
            return "? " + read.unread;
        std::string line;
        for (const SongChord& chord : read.chords)
            line += (line.empty() ? "" : " ")
                + theory::SongChordName(chord, theory::SpellingMode::Sharps);
        return line;
    };
    const std::pair<const char*, const char*> rows[] = {
        { "Am7 F#m7b5 Bb/D", "Am7 F♯m7(♭5) A♯/D" },
        { "C E- A F G", "C Em A F G" },
        { "C – Am – F – G\nI – VIm – IV – V", "C Am F G" },
        { "C major: C E G\r\nC 7(♭9): C E G B♭ C♯\nC/E: E G C\nE 7 (no 5th): E G♯ D",
            "C C7(♭9) C/E E7" },
        { "Cmaj7, Dm9 | G13 Cø Eb69 Fsus Gaug dbm",
            "CM7 Dm7(9) G7(13) Cm7(♭5) D♯6(9) Fsus4 Gaug C♯m" },
        { "C6/9 C/C", "C6(9) C" },
        { "C H7 G", "? H7" },
        { "Cm7b5x", "? Cm7b5x" },
        { "", "" },
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(names(text), expected) << text;
}

// Voice leading: the first chord as the chord window plays it, then no voice moves more than a
// fifth, tones two chords share stay where they were, and a slash chord stands on its bass.
TEST(Progression, VoicesMoveByTheSmallestSteps)
{
    for (const char* names : { "C Am F G7 C", "Dm7 G7 CM7 A7(b9)", "C G/B Am C/G F", "Am F C G" }) {
        const std::vector<SongChord> chords = Row(names);
        const auto voiced = theory::VoiceLead(chords);
        ASSERT_EQ(voiced.size(), chords.size());
        EXPECT_EQ(voiced.front().front() % 12, chords.front().root) << names;
        for (std::size_t i = 0; i < voiced.size(); ++i) {
            SCOPED_TRACE(std::string(names) + " chord " + std::to_string(i));
            ASSERT_FALSE(voiced[i].empty());
            EXPECT_TRUE(std::is_sorted(voiced[i].begin(), voiced[i].end()));
            EXPECT_GE(voiced[i].front(), 48);
            EXPECT_LE(voiced[i].front(), 72);
            EXPECT_EQ(voiced[i].front() % 12, chords[i].bass.value_or(voiced[i].front() % 12));
            if (i == 0)
                continue;
            for (int note : voiced[i]) {
                int nearest = 127;
                for (int before : voiced[i - 1])
                    nearest = std::min(nearest, std::abs(note - before));
                EXPECT_LE(nearest, 7) << note;
                const bool shared = std::any_of(voiced[i - 1].begin(), voiced[i - 1].end(),
                    [note](int before) { return before % 12 == note % 12; });
                EXPECT_TRUE(!shared || chords[i].bass || nearest == 0) << note;
            }
        }
    }
}
