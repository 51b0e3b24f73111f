#include "shell/fonts.h"
#include "shell/units.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QRawFont>

#include <gtest/gtest.h>

// Twips round to the nearest pixel, halves away from zero, as window places are stored.
TEST(Ui, TwipsAndFonts)
{
    for (auto [twips, pixels] : { std::pair { 7, 0 }, { 8, 1 }, { 4470, 298 }, { -300, -20 },
             { -8, -1 }, { 2147483647, 143165576 } })
        EXPECT_EQ(ui::Px(twips), pixels) << twips;
    EXPECT_EQ(ui::Twips(65), 975);
    // Half a pixel above 12: at 12 px the m of "Am7" or "mM7" runs into a block.
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_DOUBLE_EQ(ui::GothicFont(9).pointSizeF() * dpi / 72, 12.5);
    // Without the MS fonts, the first of the fallbacks this machine has (fonts-ipafont-gothic),
    // the one family named, so Qt never looks up fallbacks it does not need; a character that
    // family lacks still finds another face.
    EXPECT_EQ(QFontInfo(ui::GothicFont(9)).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(ui::PGothicFont(8.25, true)).family(), "IPAPGothic");
    EXPECT_EQ(ui::PGothicFont(9).families(), QStringList { "IPAPGothic" });
    EXPECT_FALSE(QRawFont::fromFont(ui::PGothicFont(9)).supportsCharacter(0x1D11E)); // 𝄞
    EXPECT_TRUE(QFontMetrics(ui::PGothicFont(9)).inFontUcs4(0x1D11E));
}
