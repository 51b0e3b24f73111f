#include "key/keypainter.h"


#include <gtest/gtest.h>

#include <sstream>

using keypainter::Clef;

namespace {

// Staff steps above the clef's bottom line (E4 treble, G2 bass) of notes like "F5 C5".
std::vector<int> StepsOf(const std::string& notes, Clef clef)
{
    auto diatonic = [](const std::string& note) {
        return static_cast<int>(std::string("CDEFGAB").find(note[0])) + 7 * (note[1] - '0');
    };
    const int bottom = diatonic(clef == Clef::Treble ? "E4" : "G2");
    std::vector<int> steps;
    std::istringstream words(notes);
    for (std::string note; words >> note;)
        steps.push_back(diatonic(note) - bottom);
    return steps;
}

} // namespace

TEST(KeyPainter, AccidentalsSitOnTheirStandardStaffPositions)
{
    // scripts/setup installs FreeSerif: its absence must not go unnoticed.
    EXPECT_EQ(keypainter::AvailableGlyphs(), keypainter::GlyphSource::MusicFont);
    const struct {
        Clef clef;
        const char* sharps;
        const char* flats;
    } standards[] = {
        { Clef::Treble, "F5 C5 G5 D5 A4 E5 B4", "B4 E5 A4 D5 G4 C5 F4" },
        { Clef::Bass, "F3 C3 G3 D3 A2 E3 B2", "B2 E3 A2 D3 G2 C3 F2" },
    };
    for (const auto& standard : standards) {
        const std::vector<int> sharps = StepsOf(standard.sharps, standard.clef);
        const std::vector<int> flats = StepsOf(standard.flats, standard.clef);
        for (int k = 0; k <= 14; ++k) {
            // Key 0 has seven sharps, 7 none, 14 seven flats: the first ones of the order.
            std::vector<int> expected(sharps.begin(), sharps.begin() + std::max(0, 7 - k));
            expected.insert(expected.end(), flats.begin(), flats.begin() + std::max(0, k - 7));
            std::vector<int> steps;
            for (const keypainter::Accidental& accidental :
                keypainter::SignatureLayout(standard.clef, k)) {
                steps.push_back(accidental.step);
                EXPECT_EQ(accidental.sharp, k < 7) << k;
            }
            EXPECT_EQ(steps, expected) << "key " << k << ", bass " << (standard.clef == Clef::Bass);
        }
        EXPECT_TRUE(keypainter::SignatureLayout(standard.clef, -1).empty());
        EXPECT_TRUE(keypainter::SignatureLayout(standard.clef, 15).empty());
    }
}
