#include "settings_folder.h"

#include "memo/DrawingSurface.h"
#include "memo/frmMemo.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

class Memo : public testing::Test {
protected:
    Memo()
        : memo(std::make_unique<frmMemo>())
        , surface(memo->picWorkSpace)
    {
        memo->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(memo.get()));
    }

    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at)
    {
        QMouseEvent event(
            type, QPointF(at), QPointF(surface->mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &event);
    }
    void Press(Qt::MouseButton button, QPoint at, Qt::MouseButtons held = {})
    {
        Send(QEvent::MouseButtonPress, button, held | button, at);
    }
    void Move(Qt::MouseButtons held, QPoint to) { Send(QEvent::MouseMove, Qt::NoButton, held, to); }
    void Release(Qt::MouseButton button, QPoint at, Qt::MouseButtons stillHeld = {})
    {
        Send(QEvent::MouseButtonRelease, button, stillHeld, at);
    }
    void Click(Qt::MouseButton button, QPoint at)
    {
        Press(button, at);
        Release(button, at);
    }
    // A stroke of one button through the given points.
    void Stroke(Qt::MouseButton button, std::initializer_list<QPoint> points)
    {
        Press(button, *points.begin());
        for (QPoint point : points)
            Move(button, point);
        Release(button, *(points.end() - 1));
    }

    QColor Pixel(int x, int y) const { return surface->Image().pixelColor(x, y); }

    // How many pixels of the colour run through (x, y) across, or down.
    int RunAcross(int x, int y, const QColor& color) const { return Run(x, y, 1, 0, color); }
    int RunDown(int x, int y, const QColor& color) const { return Run(x, y, 0, 1, color); }

    int NonWhitePixels() const
    {
        int count = 0;
        const QImage& image = surface->Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) != kWhite;
        return count;
    }

    SettingsFolder settings;
    std::unique_ptr<frmMemo> memo;
    DrawingSurface* surface;

private:
    int Run(int x, int y, int dx, int dy, const QColor& color) const
    {
        if (Pixel(x, y) != color)
            return 0;
        int run = 1;
        for (int sign : { -1, 1 }) {
            for (int i = 1; surface->Image().valid(x + sign * i * dx, y + sign * i * dy)
                 && Pixel(x + sign * i * dx, y + sign * i * dy) == color;
                 ++i)
                ++run;
        }
        return run;
    }
};

} // namespace

TEST_F(Memo, LoadsWithTheDrawingFaceAtItsDefaultPlace)
{
    EXPECT_EQ(memo->windowTitle(), "MemoPad");
    EXPECT_EQ(memo->pos(), QPoint(178, 229)); // Left 2670, Top 3435 twips
    EXPECT_EQ(memo->size(), QSize(268, 191)); // 4020 x 2865 twips
    EXPECT_EQ(memo->lblSensyu->text(), "1");
    EXPECT_EQ(memo->PenWidth, 1);
    EXPECT_TRUE(memo->picWorkSpace->isVisible());
    EXPECT_FALSE(memo->txtWorkSpace->isVisible());
    EXPECT_EQ(memo->grab().toImage().pixelColor(19, 5), QColor(64, 0, 64)); // between two buttons
    EXPECT_EQ(NonWhitePixels(), 0);

    const char* const tabOrder[] = { "cmdBlack", "cmdRed", "cmdGreen", "cmdBlue", "hsbWidth",
        "cmdClear", "cmdMode", "picWorkSpace", "txtWorkSpace" };
    QWidget* control = memo->cmdBlack;
    for (const char* name : tabOrder) {
        EXPECT_EQ(control->objectName().toStdString(), name);
        do
            control = control->nextInFocusChain();
        while (!(control->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(settings.Text(), ""); // only closing writes
}

TEST_F(Memo, EachColourButtonChangesThePenColour)
{
    struct Row {
        const char* button;
        QColor color;
        QPoint at;
    };
    const Row rows[] = {
        { "cmdRed", QColor(255, 0, 0), { 20, 20 } },
        { "cmdGreen", QColor(0, 128, 0), { 40, 20 } },
        { "cmdBlue", QColor(0, 0, 255), { 60, 20 } },
        { "cmdBlack", QColor(0, 0, 0), { 80, 20 } },
    };
    for (const Row& row : rows) {
        QTest::mouseClick(memo->findChild<QPushButton*>(row.button), Qt::LeftButton);
        Stroke(Qt::LeftButton, { row.at, row.at + QPoint(0, 30) });
        EXPECT_EQ(Pixel(row.at.x(), row.at.y() + 15), row.color) << row.button;
    }
}

TEST_F(Memo, AClickLeavesADotOfThePenWidth)
{
    for (int width : { 1, 7, 20 }) {
        memo->cmdClear->click();
        memo->hsbWidth->setValue(width);
        Click(Qt::LeftButton, { 100, 80 });
        EXPECT_NEAR(RunAcross(100, 80, kBlack), width, width > 1 ? 1 : 0) << width;
        EXPECT_NEAR(RunDown(100, 80, kBlack), width, width > 1 ? 1 : 0) << width;
        EXPECT_EQ(Pixel(100 + width, 80), kWhite) << width;
    }
}

TEST_F(Memo, ALeftDragJoinsThePointsWithStraightLines)
{
    memo->cmdRed->click();
    Stroke(Qt::LeftButton, { { 20, 40 }, { 60, 40 }, { 60, 100 } });
    const QColor red(255, 0, 0);
    EXPECT_EQ(Pixel(40, 40), red);
    EXPECT_EQ(Pixel(60, 70), red);
    EXPECT_EQ(Pixel(40, 70), kWhite); // no shortcut from the first point to the last
    EXPECT_EQ(RunDown(40, 40, red), 1);
}

TEST_F(Memo, ANewPenWidthTakesEffectAtTheNextPress)
{
    Press(Qt::LeftButton, { 20, 50 });
    memo->hsbWidth->setValue(20);
    Move(Qt::LeftButton, { 200, 50 });
    Release(Qt::LeftButton, { 200, 50 });
    EXPECT_EQ(RunDown(110, 50, kBlack), 1);

    Stroke(Qt::LeftButton, { { 20, 120 }, { 200, 120 } });
    EXPECT_NEAR(RunDown(110, 120, kBlack), 20, 1);
}

class Eraser : public Memo, public testing::WithParamInterface<int> { };

TEST_P(Eraser, ARightDragErasesTenPixelsWideAndOnlyItsFirstDotHasThePenWidth)
{
    memo->hsbWidth->setValue(20);
    for (int y : { 30, 50, 70, 90, 110 })
        Stroke(Qt::LeftButton, { { 10, y }, { 250, y } });
    ASSERT_EQ(RunDown(130, 70, kBlack), 100);

    const int penWidth = GetParam();
    memo->hsbWidth->setValue(penWidth);
    Stroke(Qt::RightButton, { { 50, 70 }, { 210, 70 } });
    EXPECT_NEAR(RunDown(130, 70, kWhite), 10, 1);
    // The round end of a 10-pixel trail, or the larger first dot.
    EXPECT_NEAR(RunDown(50, 70, kWhite), std::max(penWidth, 10), 1);

    Click(Qt::RightButton, { 130, 100 });
    EXPECT_NEAR(RunAcross(130, 100, kWhite), penWidth, penWidth > 1 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(PenWidths, Eraser, testing::Values(1, 20));

TEST_F(Memo, BothButtonsHeldDrawNothingAndKeepTheLastPoint)
{
    Press(Qt::LeftButton, { 20, 40 });
    Move(Qt::LeftButton, { 100, 40 });
    Press(Qt::RightButton, { 100, 40 }, Qt::LeftButton);
    Move(Qt::LeftButton | Qt::RightButton, { 100, 120 });
    Release(Qt::RightButton, { 100, 120 }, Qt::LeftButton);
    Move(Qt::LeftButton, { 180, 120 });
    Release(Qt::LeftButton, { 180, 120 });

    EXPECT_EQ(Pixel(60, 40), kBlack);
    EXPECT_EQ(Pixel(100, 80), kWhite); // nothing while both were held
    EXPECT_EQ(Pixel(140, 80), kBlack); // the stroke goes on from where both were pressed
    EXPECT_EQ(Pixel(140, 120), kWhite);
}

TEST_F(Memo, TheWidthLabelFollowsTheThumbWhileItIsDragged)
{
    memo->hsbWidth->setSliderDown(true);
    for (int value : { 7, 20, 2 }) {
        memo->hsbWidth->setSliderPosition(value);
        EXPECT_EQ(memo->lblSensyu->text(), QString::number(value));
        EXPECT_EQ(memo->PenWidth, value);
    }
    memo->hsbWidth->setSliderDown(false);
    memo->hsbWidth->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(memo->lblSensyu->text(), "3");
}

TEST_F(Memo, ClsClearsTheDrawingButNotTheText)
{
    memo->txtWorkSpace->setPlainText("Am7 - D7 - G");
    memo->hsbWidth->setValue(5);
    Stroke(Qt::LeftButton, { { 10, 10 }, { 200, 150 } });
    ASSERT_GT(NonWhitePixels(), 0);
    QTest::mouseClick(memo->cmdClear, Qt::LeftButton);
    EXPECT_EQ(NonWhitePixels(), 0);
    EXPECT_EQ(memo->txtWorkSpace->toPlainText(), "Am7 - D7 - G");
}

TEST_F(Memo, ModeSwitchesTheFacesKeepingBothAndMovesTheFocus)
{
    memo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(memo.get()));
    Stroke(Qt::LeftButton, { { 30, 30 }, { 90, 30 } });
    const QWidget* drawingFace[] = { memo->cmdBlack, memo->cmdRed, memo->cmdGreen, memo->cmdBlue,
        memo->lblSensyu, memo->hsbWidth, memo->cmdClear, memo->picWorkSpace };

    QTest::mouseClick(memo->cmdMode, Qt::LeftButton);
    for (const QWidget* control : drawingFace)
        EXPECT_FALSE(control->isVisible()) << control->objectName().toStdString();
    EXPECT_TRUE(memo->txtWorkSpace->isVisible());
    EXPECT_TRUE(memo->cmdMode->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), memo->txtWorkSpace);
    QTest::keyClicks(QApplication::focusWidget(), "C F G");

    QTest::mouseClick(memo->cmdMode, Qt::LeftButton);
    for (const QWidget* control : drawingFace)
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    EXPECT_FALSE(memo->txtWorkSpace->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), memo->picWorkSpace);
    EXPECT_EQ(Pixel(60, 30), kBlack);
    EXPECT_EQ(memo->txtWorkSpace->toPlainText(), "C F G");
}

TEST_F(Memo, BothFacesFollowTheWindowAndTheDrawingOutlivesAShrink)
{
    memo->resize(400, 300);
    EXPECT_EQ(memo->picWorkSpace->geometry(), QRect(0, 16, 400, 300));
    EXPECT_EQ(memo->txtWorkSpace->geometry(), QRect(0, 16, 400, 300));

    Stroke(Qt::LeftButton, { { 380, 270 }, { 390, 270 } });
    memo->resize(200, 150);
    EXPECT_EQ(memo->picWorkSpace->size(), QSize(200, 150));
    memo->resize(400, 300);
    EXPECT_EQ(Pixel(385, 270), kBlack);
    EXPECT_EQ(memo->picWorkSpace->grab().toImage().pixelColor(385, 270), kBlack);
}

TEST_F(Memo, TheDrawingSurvivesHidingAndShowing)
{
    memo->hsbWidth->setValue(3);
    Stroke(Qt::LeftButton, { { 50, 60 }, { 150, 60 } });
    memo->hide();
    memo->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(memo.get()));
    const QImage shown = memo->picWorkSpace->grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 60), kBlack);
    EXPECT_EQ(shown.pixelColor(100, 70), kWhite);
}

// On a surface wider than 32767 pixels the last point must not wrap round: a diagonal stroke
// out there still starts where the press was.
TEST_F(Memo, StrokesJoinBeyondSixteenBitPositions)
{
    surface->resize(34000, 40);
    Stroke(Qt::LeftButton, { { 33000, 0 }, { 33020, 20 } });
    EXPECT_EQ(Pixel(33010, 10), kBlack);
    EXPECT_EQ(memo->LastX, 33020);
}

TEST(MemoPlace, TheWindowComesBackWhereItWasClosed)
{
    SettingsFolder settings;
    {
        frmMemo memo;
        memo.move(300, 200);
        memo.close();
    }
    EXPECT_NE(settings.Text().find("[Memo]\r\nTop=3000\r\nLeft=4500\r\n"), std::string::npos)
        << settings.Text();
    frmMemo again;
    EXPECT_EQ(again.pos(), QPoint(300, 200));
}
