#include "theory/chords.h"
#include "theory/playback.h"
#include "theory/scales.h"

#include <gtest/gtest.h>

#include <vector>

using theory::FindChordType;

namespace {

// Every note of the phrase in the order it starts, chords flattened lowest first.
std::vector<int> Notes(const theory::Phrase& phrase)
{
    std::vector<int> notes;
    for (const theory::PlayedNotes& played : phrase)
        notes.insert(notes.end(), played.notes.begin(), played.notes.end());
    return notes;
}

std::uint16_t PitchClasses(const std::vector<int>& notes)
{
    std::uint16_t mask = 0;
    for (int note : notes)
        mask |= static_cast<std::uint16_t>(1u << (note % 12));
    return mask;
}

} // namespace

// A chord sounds together, then broken upward, an add9 with its ninth above the octave; a key's
// minor is its relative minor's tonic triad, however it is spelled (MIDI 60 is C4). The windows'
// tests hear the rest from the play buttons.
TEST(Playback, WhatEachControlPlays)
{
    struct Case {
        const char* control;
        theory::Phrase phrase;
        std::vector<int> notes;
    };
    const Case cases[] = {
        { "C major", theory::ChordPhrase(0, FindChordType("major")), { 60, 64, 67, 60, 64, 67 } },
        { "C add9: the ninth above the octave", theory::ChordPhrase(0, FindChordType("add9")),
            { 60, 64, 67, 74, 60, 64, 67, 74 } },
        { "A madd9", theory::ChordPhrase(9, FindChordType("madd9")),
            { 69, 72, 76, 83, 69, 72, 76, 83 } },
        { "key of C♭ minor: A♭m", theory::KeyChordPhrase(14, true), { 68, 71, 75, 68, 71, 75 } },
        { "outside the catalogue", theory::ScalePhrase(0, 24), {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Notes(c.phrase), c.notes) << c.control;
}

// Over both catalogues: notes ascend from the root in the octave of middle C, and their pitch
// classes are exactly what the windows light.
TEST(Playback, EveryScaleAndChordSoundsItsOwnPitchClasses)
{
    for (theory::PitchClass root = 0; root < 12; ++root) {
        for (int s = 0; s < theory::kScaleCount; ++s) {
            const std::vector<int> notes = Notes(theory::ScalePhrase(root, s));
            EXPECT_EQ(notes.front(), 60 + root);
            EXPECT_EQ(notes.back(), 72 + root);
            EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end()));
            EXPECT_EQ(PitchClasses(notes), theory::ScalePitchMask(root, s)) << s;
        }
        for (theory::ChordType t = 1; t < theory::kChordTypeCount; ++t) {
            const std::vector<int> notes = theory::ChordNotes(root, t);
            EXPECT_EQ(notes.front(), 60 + root);
            EXPECT_TRUE(std::adjacent_find(notes.begin(), notes.end(), std::greater_equal<>())
                == notes.end())
                << t;
            EXPECT_EQ(PitchClasses(notes), theory::ChordPitchMask(root, t)) << t;
        }
    }
}
