#include "shell/controls.h"
#include "shell/frmLoading.h"
#include "shell/units.h"

#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The box around the bright green pixels of an image, or an empty rect when there are none.
QRect GreenInk(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.green() > 128 && pixel.red() < 64 && pixel.blue() < 64)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

// The splash draws its lines from these outlines; with one missing it would load a font.
TEST(Splash, EveryLineHasItsOutlineInsideItsLabel)
{
    for (const SplashLine& line : kSplashLines) {
        const QPainterPath outline = StoredOutline(line.name);
        EXPECT_GT(outline.elementCount(), 100) << line.name;
        EXPECT_TRUE(
            QRectF(0, 0, ui::Px(line.width), ui::Px(line.height)).contains(outline.boundingRect()))
            << line.name;
    }
    EXPECT_TRUE(StoredOutline("Label4").isEmpty());
}

TEST(Splash, LinesAreDrawnWhereTheFontWouldDrawThem)
{
    frmLoading splash(nullptr);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    EXPECT_EQ(splash.size(), QSize(202, 55)); // 3030 x 825 twips

    QLabel* labels[] = { splash.Label1, splash.Label2, splash.Label3 };
    for (std::size_t i = 0; i < kSplashLines.size(); ++i) {
        const SplashLine& line = kSplashLines[i];
        QLabel* label = labels[i];
        SCOPED_TRACE(line.name);
        EXPECT_EQ(label->objectName(), line.name);
        EXPECT_EQ(label->text(), QString::fromUtf8(line.text)); // for screen readers
        EXPECT_EQ(label->geometry(), ui::TwipsRect(line.left, line.top, line.width, line.height));

        // The same text in the same face, drawn by a plain label with the font.
        QLabel withFont(label->text());
        withFont.setFixedSize(label->size());
        withFont.setAlignment(Qt::AlignCenter);
        withFont.setFont(label->font());
        ui::Paint(&withFont, ui::kDarkGreen, ui::kBrightGreen);
        const QRect expected = GreenInk(withFont.grab().toImage());
        const QRect drawn = GreenInk(label->grab().toImage());
        ASSERT_FALSE(expected.isEmpty());
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_LE(std::abs(drawn.left() - expected.left()), 1) << drawn.left();
        EXPECT_LE(std::abs(drawn.right() - expected.right()), 1) << drawn.right();
        EXPECT_LE(std::abs(drawn.top() - expected.top()), 1) << drawn.top();
        EXPECT_LE(std::abs(drawn.bottom() - expected.bottom()), 1) << drawn.bottom();
    }
}
