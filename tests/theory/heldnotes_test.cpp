#include "midi/heldkeys.h"
#include "theory/chords.h"
#include "theory/heldnotes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using theory::FindChordType;

// Held MIDI notes as a keyboard player presses them: what the search boxes take, and which
// chord the chord window reads.
TEST(HeldNotes, BoxesAndReadings)
{
    struct Case {
        const char* hands;
        std::vector<int> held;
        std::vector<theory::PitchClass> boxes;
        std::optional<theory::HeldChord> chord;
    };
    const Case cases[] = {
        { "first inversion reads as C", { 52, 55, 60 }, { 4, 7, 0 }, { { 0, FindChordType("major") } } },
        { "doubled notes count once", { 48, 60, 64, 67, 72, 76 }, { 0, 4, 7 },
            { { 0, FindChordType("major") } } },
        { "C6 from C, Am7 from A", { 60, 64, 67, 69 }, { 0, 4, 7, 9 }, { { 0, FindChordType("6") } } },
        { "Am7 from A", { 57, 60, 64, 67 }, { 9, 0, 4, 7 }, { { 9, FindChordType("m7") } } },
        { "more than five pitch classes", { 60, 62, 64, 65, 67, 69 }, { 0, 2, 4, 5, 7 }, std::nullopt },
        { "a cluster no chord holds", { 60, 61, 62 }, { 0, 1, 2 }, std::nullopt },
        { "one note is no chord", { 60, 72 }, { 0 }, std::nullopt },
        { "nothing held", {}, {}, std::nullopt },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(theory::SearchBoxNotes(c.held), c.boxes) << c.hands;
        EXPECT_EQ(theory::ReadHeldChord(c.held), c.chord) << c.hands;
    }
}

// Every chord of the catalogue, played from its root on any key, is read back as itself.
TEST(HeldNotes, EveryCatalogueChordReadsBackFromItsRoot)
{
    for (int root = 0; root < 12; ++root) {
        for (theory::ChordType t = 1; t < theory::kChordTypeCount; ++t) {
            std::vector<int> held;
            for (int pc = 0; pc < 12; ++pc) {
                if (theory::ChordPitchMask(root, t) >> ((root + pc) % 12) & 1)
                    held.push_back(48 + root + pc);
            }
            const auto reading = theory::ReadHeldChord(held);
            ASSERT_TRUE(reading) << root << " " << t;
            EXPECT_EQ(reading->root, root);
            EXPECT_EQ(theory::ChordPitchMask(reading->root, reading->type), theory::ChordPitchMask(root, t));
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
