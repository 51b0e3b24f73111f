#include "key/keypainter.h"

#include <QImage>
#include <QtMath>

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using keypainter::Clef;
using keypainter::GlyphSource;

namespace {

// Staff steps above the clef's bottom line (E4 on the treble clef, G2 on the bass clef) of
// notes written letter and octave: "F5 C5" on the treble clef gives 8 and 5.
std::vector<int> StepsOf(const std::string& notes, Clef clef)
{
    const std::string letters = "CDEFGAB";
    auto diatonic = [&](const std::string& note) {
        return static_cast<int>(letters.find(note[0])) + 7 * (note[1] - '0');
    };
    const int bottom = diatonic(clef == Clef::Treble ? "E4" : "G2");
    std::vector<int> steps;
    std::istringstream words(notes);
    for (std::string note; words >> note;)
        steps.push_back(diatonic(note) - bottom);
    return steps;
}

struct StandardSignature {
    Clef clef;
    const char* sharps;
    const char* flats;
};
const StandardSignature kStandard[] = {
    { Clef::Treble, "F5 C5 G5 D5 A4 E5 B4", "B4 E5 A4 D5 G4 C5 F4" },
    { Clef::Bass, "F3 C3 G3 D3 A2 E3 B2", "B2 E3 A2 D3 G2 C3 F2" },
};

bool Ink(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

// Whether any pixel of the logical rectangle is dark, in an image of the given ratio.
bool InkIn(const QImage& image, qreal ratio, QRectF logical)
{
    const QRect device = QRectF(logical.topLeft() * ratio, logical.size() * ratio)
                             .toAlignedRect()
                             .intersected(image.rect());
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (Ink(image, x, y))
                return true;
        }
    }
    return false;
}

} // namespace

TEST(KeyPainter, AccidentalsSitOnTheirStandardStaffPositions)
{
    for (const StandardSignature& standard : kStandard) {
        const std::vector<int> sharps = StepsOf(standard.sharps, standard.clef);
        const std::vector<int> flats = StepsOf(standard.flats, standard.clef);
        for (int k = 0; k <= 14; ++k) {
            // Key 0 has seven sharps, 7 none, 14 seven flats: the first ones of the standard order.
            const int sharpCount = std::max(0, 7 - k);
            const int flatCount = std::max(0, k - 7);
            std::vector<int> expected(sharps.begin(), sharps.begin() + sharpCount);
            expected.insert(expected.end(), flats.begin(), flats.begin() + flatCount);

            std::vector<int> steps;
            for (const keypainter::Accidental& accidental :
                keypainter::SignatureLayout(standard.clef, k)) {
                steps.push_back(accidental.step);
                EXPECT_EQ(accidental.sharp, k < 7) << "key " << k;
            }
            EXPECT_EQ(steps, expected) << "key " << k << " bass " << (standard.clef == Clef::Bass);
        }
    }
}

TEST(KeyPainter, AccidentalsAreSpacedEvenlyAfterTheClefAndInsideTheStaff)
{
    for (Clef clef : { Clef::Treble, Clef::Bass }) {
        const keypainter::ClefBox box = keypainter::ClefPlace(clef);
        EXPECT_GT(box.left, keypainter::kStaffLeft);
        for (int k : { 0, 14 }) {
            const auto full = keypainter::SignatureLayout(clef, k);
            ASSERT_EQ(full.size(), 7u);
            // Half a space at least between the clef and the first accidental.
            EXPECT_GE(full.front().x, box.left + box.width + keypainter::kSpace / 2);
            const double advance = full[1].x - full[0].x;
            // A sharp is about a space wide, a flat a little less; neighbours must not touch.
            EXPECT_GE(advance, k == 0 ? 1.1 * keypainter::kSpace : 0.9 * keypainter::kSpace);
            EXPECT_LE(advance, 1.5 * keypainter::kSpace);
            for (std::size_t i = 1; i < full.size(); ++i)
                EXPECT_DOUBLE_EQ(full[i].x - full[i - 1].x, advance);
            EXPECT_LE(full.back().x + keypainter::kSpace, keypainter::kStaffRight);
        }
        // Each key's accidentals stand where the same accidentals stand with seven of them.
        for (int k = 0; k <= 14; ++k) {
            const auto layout = keypainter::SignatureLayout(clef, k);
            const auto full = keypainter::SignatureLayout(clef, k < 7 ? 0 : 14);
            for (std::size_t i = 0; i < layout.size(); ++i)
                EXPECT_DOUBLE_EQ(layout[i].x, full[i].x) << k;
        }
    }
}

TEST(KeyPainter, StaffIsCentredInThePicture)
{
    EXPECT_DOUBLE_EQ(keypainter::StepY(0) - keypainter::StepY(8), 4 * keypainter::kSpace);
    EXPECT_NEAR((keypainter::StepY(0) + keypainter::StepY(8)) / 2, keypainter::kHeight / 2.0, 1);
    // The highest sharp (G5 on the treble clef) and the lowest flat (F2 on the bass clef) keep
    // a space or more of paper above and below them.
    EXPECT_GE(keypainter::StepY(9) - 1.4 * keypainter::kSpace, keypainter::kSpace);
    EXPECT_LE(
        keypainter::StepY(-1) + 1.4 * keypainter::kSpace, keypainter::kHeight - keypainter::kSpace);
}

TEST(KeyPainter, TheMusicFontIsUsedOnThisSystem)
{
    // scripts/setup installs FreeSerif; were it missing the pictures would still be drawn, from
    // the outlines, but the font's absence must not go unnoticed here.
    EXPECT_EQ(keypainter::AvailableGlyphs(), GlyphSource::MusicFont);
}

TEST(KeyPainter, PicturesHaveTheDesignSizeAtEveryRatio)
{
    const std::pair<qreal, QSize> rows[] = { { 1.0, { 93, 74 } }, { 2.0, { 186, 148 } },
        { 1.5, { 140, 111 } }, { 1.25, { 116, 93 } } };
    for (const auto& [ratio, device] : rows) {
        const QPixmap picture = keypainter::Paint(Clef::Treble, 3, ratio);
        EXPECT_EQ(picture.size(), device) << ratio;
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(93, 74)) << ratio;
    }
}

TEST(KeyPainter, StaffLinesAreWholePixelsAtWholeRatios)
{
    // Away from the clef, a line's pixel rows are solid ink and the rows between lines paper.
    for (qreal ratio : { 1.0, 2.0, 3.0 }) {
        const QImage image = keypainter::Paint(Clef::Treble, 7, ratio).toImage();
        const int x = qFloor(80 * ratio);
        for (int line = 0; line < 5; ++line) {
            const double centre = keypainter::StepY(2 * line) * ratio;
            const int top = qRound(centre - ratio / 2);
            for (int row = top; row < top + qRound(ratio); ++row)
                EXPECT_EQ(qGray(image.pixel(x, row)), qGray(image.pixel(x, top))) << ratio;
            EXPECT_TRUE(Ink(image, x, top)) << ratio << " line " << line;
            EXPECT_EQ(image.pixel(x, top - 1), image.pixel(x, qFloor(3 * ratio))) << ratio;
            EXPECT_EQ(image.pixel(x, top + qRound(ratio)), image.pixel(x, qFloor(3 * ratio)));
        }
    }
}

TEST(KeyPainter, EachSourceInksTheClefAndEveryAccidentalWhereTheLayoutPutsThem)
{
    for (GlyphSource source : { GlyphSource::MusicFont, GlyphSource::Outlines }) {
        for (Clef clef : { Clef::Treble, Clef::Bass }) {
            const keypainter::ClefBox box = keypainter::ClefPlace(clef);
            for (int k : { 0, 7, 14 }) {
                const qreal ratio = 2;
                const QImage image = keypainter::Paint(clef, k, ratio, source).toImage();
                // Between the staff lines, inside the clef's box.
                EXPECT_TRUE(
                    InkIn(image, ratio, { box.left, keypainter::StepY(5) - 1, box.width, 2 }));
                const auto layout = keypainter::SignatureLayout(clef, k);
                for (const keypainter::Accidental& accidental : layout) {
                    EXPECT_TRUE(InkIn(image, ratio,
                        { accidental.x, keypainter::StepY(accidental.step) - 1.5,
                            0.8 * keypainter::kSpace, 3 }))
                        << k << " step " << accidental.step;
                }
                // Nothing but staff lines after the last accidental (after the clef for C):
                // the spaces between the lines stay paper there.
                const double clear = layout.empty() ? box.left + box.width + 1
                                                    : layout.back().x + keypainter::kSpace + 1;
                for (int space = 1; space < 8; space += 2) {
                    EXPECT_FALSE(InkIn(image, ratio,
                        { clear, keypainter::StepY(space) - 1.5, keypainter::kStaffRight - clear,
                            3 }))
                        << k << " space " << space;
                }
            }
        }
    }
}

TEST(KeyPainter, AllThirtyPicturesDiffer)
{
    std::set<QByteArray> pictures;
    for (Clef clef : { Clef::Treble, Clef::Bass }) {
        for (int k = 0; k <= 14; ++k) {
            const QImage image = keypainter::Paint(clef, k, 1).toImage();
            pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                static_cast<int>(image.sizeInBytes())));
        }
    }
    EXPECT_EQ(pictures.size(), 30u);
}
