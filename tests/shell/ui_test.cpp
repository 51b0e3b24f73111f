#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"
#include "theory/chords.h"
#include "theory/keys.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

TEST(Ui, TwipsColoursAndFonts)
{
    for (auto [twips, pixels] : { std::pair { 7, 0 }, { 8, 1 }, { 4470, 298 }, { -300, -20 },
             { -8, -1 }, { 2147483647, 143165576 } })
        EXPECT_EQ(ui::Px(twips), pixels) << twips;
    EXPECT_EQ(ui::Twips(65), 975);
    EXPECT_EQ(ui::Color(0x0000FFFF), QColor(255, 255, 0)); // written blue, green, red
    EXPECT_EQ(ui::Color(0x00400040), QColor(64, 0, 64));
    EXPECT_EQ(ui::PointsToPixels(8.25), 11);
    // Without the MS fonts, the first of the fallbacks this machine has (fonts-ipafont-gothic),
    // the one family named, so Qt never looks up fallbacks it does not need; a character that
    // family lacks still finds another face.
    EXPECT_EQ(QFontInfo(ui::GothicFont(9)).pixelSize(), 13); // 12.5 px, see GothicFont
    EXPECT_EQ(QFontInfo(ui::GothicFont(9)).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(ui::PGothicFont(8.25, true)).family(), "IPAPGothic");
    EXPECT_TRUE(ui::PGothicFont(9, true).bold());
    EXPECT_EQ(ui::PGothicFont(9).families(), QStringList { "IPAPGothic" });
    EXPECT_FALSE(QRawFont::fromFont(ui::PGothicFont(9)).supportsCharacter(0x1D11E)); // 𝄞
    EXPECT_TRUE(QFontMetrics(ui::PGothicFont(9)).inFontUcs4(0x1D11E));
}

// Every chord name and minor key name with an "m", drawn in the monospaced Gothic at 1x and 2x
// and at every sixteenth-pixel placement, shows the m's three stems apart: in "A　m", "madd9" or
// "mM7" the m must not run into a block.
TEST(Ui, EveryMinorChordNameShowsItsMsStems)
{
    QStringList texts;
    for (const theory::ChordTypeRow& row : theory::ChordTypes)
        texts << ui::Utf8(row.listText);
    for (const theory::KeyName& key : theory::KeyNames)
        texts << ui::Utf8(key.minor);
    const QFontMetricsF metrics(ui::GothicFont(9));
    for (const QString& text : texts.filter("m")) {
        for (qreal ratio : { 1.0, 2.0 }) {
            for (int step = 0; step < 16; ++step) {
                QImage image(QSize(120, 24) * ratio, QImage::Format_RGB32);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::black);
                const qreal left = 4 + step / 16.0;
                QPainter painter(&image);
                painter.setFont(ui::GothicFont(9));
                painter.setPen(Qt::white);
                painter.drawText(QPointF(left, 17), text);
                painter.end();
                // The most runs of ink in one pixel row of the m's columns.
                const qreal start = left + metrics.horizontalAdvance(text.left(text.indexOf('m')));
                const int from = qFloor(start * ratio);
                const int to = qCeil((start + metrics.horizontalAdvance("m")) * ratio);
                int most = 0;
                for (int y = 0; y < image.height(); ++y) {
                    int stems = 0;
                    for (int x = from; x < to; ++x)
                        stems += qGray(image.pixel(x, y)) > 128
                            && (x == from || qGray(image.pixel(x - 1, y)) <= 128);
                    most = std::max(most, stems);
                }
                EXPECT_EQ(most, 3)
                    << text.toStdString() << " at " << ratio << "x, +" << step << "/16 px";
            }
        }
    }
}

// A caption measures its text only when its window shows, and then widens to fit it; a caption
// that fits keeps its width.
TEST(Ui, CaptionsWidenToTheirTextWhenTheirWindowShows)
{
    QWidget window;
    QLabel* cramped = ui::Caption(
        &window, "lblCramped", "Harmonic Minor Perfect 5th Below", QRect(0, 0, 300, 255));
    QLabel* roomy = ui::Caption(&window, "lblRoomy", "Key", QRect(0, 300, 1500, 255));
    EXPECT_EQ(cramped->width(), 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_GT(cramped->width(), 20);
    EXPECT_GE(cramped->width(), cramped->sizeHint().width());
    EXPECT_EQ(roomy->width(), 100);
}
