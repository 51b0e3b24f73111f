#include "midi/heldkeys.h"
#include "theory/chords.h"
#include "theory/heldnotes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using theory::FindChordType;

// Held MIDI notes as a keyboard player presses them, in C, D and B♭: what the search boxes take,
// and which chord the chord window reads (root, type, bass, fifth left out).
TEST(HeldNotes, BoxesAndReadings)
{
    const auto chord = [](int root, const char* type, int bass, bool noFifth = false) {
        return std::optional(theory::HeldChord { root, FindChordType(type), bass, noFifth });
    };
    struct Case {
        const char* hands;
        std::vector<int> held;
        std::vector<theory::PitchClass> boxes;
        std::optional<theory::HeldChord> chord;
    };
    const Case cases[] = {
        { "E3 G3 C4 is C/E", { 52, 55, 60 }, { 4, 7, 0 }, chord(0, "major", 4) },
        { "doubled notes count once", { 48, 60, 64, 67, 72, 76 }, { 0, 4, 7 },
            chord(0, "major", 0) },
        { "C6 from C", { 60, 64, 67, 69 }, { 0, 4, 7, 9 }, chord(0, "6", 0) },
        { "Am7 from A", { 57, 60, 64, 67 }, { 9, 0, 4, 7 }, chord(9, "m7", 9) },
        { "E G A C: C6/E, its third in the bass", { 52, 55, 57, 60 }, { 4, 7, 9, 0 },
            chord(0, "6", 4) },
        { "the same shape a minor third up", { 55, 58, 60, 63 }, { 7, 10, 0, 3 },
            chord(3, "6", 7) },
        { "D/F♯", { 54, 57, 62 }, { 6, 9, 2 }, chord(2, "major", 6) },
        { "B♭/D", { 50, 53, 58 }, { 2, 5, 10 }, chord(10, "major", 2) },
        { "E G♯ D: E7 without its fifth", { 52, 56, 62 }, { 4, 8, 2 }, chord(4, "7", 4, true) },
        { "C E B♭ D: C7(9) without its fifth", { 48, 52, 58, 62 }, { 0, 4, 10, 2 },
            chord(0, "7(9)", 0, true) },
        { "A C G: Am7 without its fifth", { 57, 60, 67 }, { 9, 0, 7 }, chord(9, "m7", 9, true) },
        { "an exact reading wins: C E A is Am/C, not C6 without its fifth", { 48, 52, 57 },
            { 0, 4, 9 }, chord(9, "m", 0) },
        { "more than five pitch classes", { 60, 62, 64, 65, 67, 69 }, { 0, 2, 4, 5, 7 },
            std::nullopt },
        { "a cluster no chord holds", { 60, 61, 62 }, { 0, 1, 2 }, std::nullopt },
        { "a third alone", { 60, 64 }, { 0, 4 }, std::nullopt },
        { "one note is no chord", { 60, 72 }, { 0 }, std::nullopt },
        { "nothing held", {}, {}, std::nullopt },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(theory::SearchBoxNotes(c.held), c.boxes) << c.hands;
        EXPECT_EQ(theory::ReadHeldChord(c.held), c.chord) << c.hands;
    }
}

// Every chord of the catalogue, from its root and from each of its other notes in the bass, in
// all twelve keys: the reading depends on the hand's shape alone, and a chord played from its
// root reads back as the notes it lights.
TEST(HeldNotes, EveryShapeReadsTheSameInEveryKey)
{
    for (theory::ChordType t = 1; t < theory::kChordTypeCount; ++t) {
        const std::uint16_t onC = theory::ChordPitchMask(0, t);
        for (int bass = 0; bass < 12; ++bass) {
            if (!(onC >> bass & 1))
                continue;
            std::optional<theory::HeldChord> inC;
            for (int key = 0; key < 12; ++key) {
                std::vector<int> held;
                for (int pc = 0; pc < 12; ++pc) {
                    if (onC >> pc & 1)
                        held.push_back(48 + key + pc + (pc < bass ? 12 : 0));
                }
                const auto reading = theory::ReadHeldChord(held);
                ASSERT_TRUE(reading) << t << " over " << bass << " in " << key;
                EXPECT_EQ(reading->bass, (key + bass) % 12);
                EXPECT_FALSE(reading->noFifth);
                EXPECT_TRUE(bass != 0 || reading->root == key);
                if (!inC)
                    inC = reading;
                EXPECT_EQ(reading->type, inC->type) << t << " over " << bass << " in " << key;
                EXPECT_EQ(reading->root, (inC->root + key) % 12);
                EXPECT_EQ(theory::ChordPitchMask(reading->root, reading->type),
                    theory::ChordPitchMask(key, t));
            }
        }
    }
}

// MIDI bytes as they come (a note off as a note on with velocity 0 arrives in the MIDI end-to-end
// test): any channel, All Notes Off, and bytes that are no note leave the keys alone.
TEST(HeldNotes, KeysFollowTheMessages)
{
    midi::HeldKeys keys;
    const auto feed = [&keys](std::vector<unsigned char> bytes) {
        return keys.Feed(bytes.data(), bytes.size());
    };
    EXPECT_TRUE(feed({ 0x90, 60, 100 }));
    EXPECT_TRUE(feed({ 0x93, 64, 1 })); // channel 4
    EXPECT_FALSE(feed({ 0x90, 60, 90 })); // already held
    EXPECT_FALSE(feed({ 0xB0, 64, 127 })); // the sustain pedal holds nothing here
    EXPECT_FALSE(feed({ 0x90, 200, 100 })); // no such key
    EXPECT_FALSE(feed({ 0x90, 61 })); // cut short
    EXPECT_FALSE(feed({ 0xF4, 0xFF, 0x00 }));
    EXPECT_EQ(keys.Notes(), (std::vector<int> { 60, 64 }));
    EXPECT_TRUE(feed({ 0xB5, 123, 0 }));
    EXPECT_TRUE(keys.Empty());
}
