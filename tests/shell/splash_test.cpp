#include "shell/controls.h"
#include "shell/frmLoading.h"
#include "shell/units.h"

#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The box around the bright green pixels of a widget's picture.
QRect GreenInk(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
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

// The splash draws its lines from stored outlines (with one missing it would load a font), where
// a plain label with the font would draw them.
TEST(Splash, LinesAreDrawnWhereTheFontWouldDrawThem)
{
    frmLoading splash(nullptr);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QLabel* labels[] = { splash.Label1, splash.Label2, splash.Label3 };
    for (std::size_t i = 0; i < kSplashLines.size(); ++i) {
        const SplashLine& line = kSplashLines[i];
        SCOPED_TRACE(line.name);
        EXPECT_GT(StoredOutline(line.name).elementCount(), 100);
        EXPECT_EQ(labels[i]->text(), QString::fromUtf8(line.text)); // for screen readers
        QLabel withFont(labels[i]->text());
        withFont.setFixedSize(labels[i]->size());
        withFont.setAlignment(Qt::AlignCenter);
        withFont.setFont(labels[i]->font());
        ui::Paint(&withFont, ui::kDarkGreen, ui::kBrightGreen);
        const QRect expected = GreenInk(&withFont), drawn = GreenInk(labels[i]);
        ASSERT_FALSE(expected.isEmpty() || drawn.isEmpty());
        for (auto edge : { &QRect::left, &QRect::right, &QRect::top, &QRect::bottom })
            EXPECT_LE(std::abs((drawn.*edge)() - (expected.*edge)()), 1);
    }
}
