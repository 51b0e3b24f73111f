#include "window_fixture.h"

#include "memo/DrawingSurface.h"
#include "memo/frmMemo.h"

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
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
        , surface(Find<DrawingSurface>(memo.get(), "picWorkSpace"))
    {
        memo->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(memo.get()));
    }

    // A mouse event on the drawing surface: the button that changed and the buttons held after.
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(
            type, QPointF(at), QPointF(surface->mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &event);
    }
    void Press(Qt::MouseButton button, QPoint at, Qt::MouseButtons alsoHeld = {})
    {
        Send(QEvent::MouseButtonPress, button, alsoHeld | button, at);
    }
    void Move(Qt::MouseButtons held, QPoint to) { Send(QEvent::MouseMove, Qt::NoButton, held, to); }
    void Release(Qt::MouseButton button, QPoint at, Qt::MouseButtons stillHeld = {})
    {
        Send(QEvent::MouseButtonRelease, button, stillHeld, at);
    }
    // Presses at the first point, drags through the others and lets go at the last.
    void Stroke(Qt::MouseButton button, std::initializer_list<QPoint> points)
    {
        Press(button, *points.begin());
        for (QPoint point : points)
            Move(button, point);
        Release(button, *(points.end() - 1));
    }

    QColor Pixel(int x, int y) const { return surface->Image().pixelColor(x, y); }

    // The length of the run of pixels of one colour through (x, y), across or down.
    int Run(int x, int y, const QColor& color, bool down = false) const
    {
        int run = 0;
        for (int step : { -1, 1 }) {
            for (QPoint at(x, y); surface->Image().valid(at) && Pixel(at.x(), at.y()) == color;
                 at += down ? QPoint(0, step) : QPoint(step, 0))
                ++run;
        }
        return run > 0 ? run - 1 : 0; // (x, y) was counted twice
    }

    int NonWhitePixels() const
    {
        int count = 0;
        for (int y = 0; y < surface->Image().height(); ++y)
            for (int x = 0; x < surface->Image().width(); ++x)
                count += Pixel(x, y) != kWhite;
        return count;
    }

    SettingsFolder settings;
    std::unique_ptr<frmMemo> memo;
    DrawingSurface* surface;
};

} // namespace

TEST_F(Memo, LoadsWithTheDrawingFaceAtItsDefaultPlace)
{
    EXPECT_EQ(memo->windowTitle(), "MemoPad");
    EXPECT_EQ(memo->pos(), QPoint(178, 229)); // Left 2670, Top 3435 twips
    EXPECT_EQ(memo->size(), QSize(268, 191)); // 4020 x 2865 twips
    EXPECT_EQ(Find<QLabel>(memo.get(), "lblSensyu")->text(), "1");
    EXPECT_TRUE(Find<DrawingSurface>(memo.get(), "picWorkSpace")->isVisible());
    EXPECT_FALSE(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->isVisible());
    EXPECT_EQ(memo->grab().toImage().pixelColor(19, 5), QColor(64, 0, 64)); // between buttons
    EXPECT_EQ(NonWhitePixels(), 0);
    EXPECT_EQ(settings.Text(), ""); // only closing writes

    QWidget* control = Find<QPushButton>(memo.get(), "cmdBlack");
    for (const char* name : { "cmdBlack", "cmdRed", "cmdGreen", "cmdBlue", "hsbWidth", "cmdClear",
             "cmdMode", "picWorkSpace", "txtWorkSpace" }) {
        EXPECT_EQ(control->objectName().toStdString(), name);
        do
            control = control->nextInFocusChain();
        while (!(control->focusPolicy() & Qt::TabFocus));
    }
}

TEST_F(Memo, EachColourButtonChangesThePenColour)
{
    const std::pair<const char*, QColor> rows[]
        = { { "cmdRed", QColor(255, 0, 0) }, { "cmdGreen", QColor(0, 128, 0) },
              { "cmdBlue", QColor(0, 0, 255) }, { "cmdBlack", QColor(0, 0, 0) } };
    int x = 20;
    for (const auto& [button, color] : rows) {
        QPushButton* face = memo->findChild<QPushButton*>(button);
        // The face shows the pen colour itself, not a style's gradient of it.
        EXPECT_EQ(face->grab().toImage().pixelColor(face->rect().center()), color) << button;
        QTest::mouseClick(face, Qt::LeftButton);
        Stroke(Qt::LeftButton, { { x, 20 }, { x, 50 } });
        EXPECT_EQ(Pixel(x, 35), color) << button;
        x += 20;
    }
}

TEST_F(Memo, AClickLeavesADotOfThePenWidth)
{
    for (int width : { 1, 7, 20 }) {
        Find<QPushButton>(memo.get(), "cmdClear")->click();
        Find<QScrollBar>(memo.get(), "hsbWidth")->setValue(width);
        Stroke(Qt::LeftButton, { { 100, 80 } });
        const int slack = width > 1 ? 1 : 0;
        EXPECT_NEAR(Run(100, 80, kBlack), width, slack) << width;
        EXPECT_NEAR(Run(100, 80, kBlack, true), width, slack) << width;
    }
}

TEST_F(Memo, ALeftDragJoinsSuccessivePointsWithStraightLines)
{
    Find<QPushButton>(memo.get(), "cmdRed")->click();
    Stroke(Qt::LeftButton, { { 20, 40 }, { 60, 40 }, { 60, 100 } });
    EXPECT_EQ(Pixel(40, 40), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(60, 70), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(40, 70), kWhite); // no shortcut from the first point to the last
}

TEST_F(Memo, TheWidthFollowsTheThumbLiveAndTakesEffectAtTheNextPress)
{
    Press(Qt::LeftButton, { 20, 50 });
    Find<QScrollBar>(memo.get(), "hsbWidth")->setSliderDown(true);
    for (int value : { 7, 2, 20 }) {
        Find<QScrollBar>(memo.get(), "hsbWidth")->setSliderPosition(value);
        EXPECT_EQ(Find<QLabel>(memo.get(), "lblSensyu")->text(), QString::number(value));
    }
    Find<QScrollBar>(memo.get(), "hsbWidth")->setSliderDown(false);
    Move(Qt::LeftButton, { 200, 50 });
    Release(Qt::LeftButton, { 200, 50 });
    EXPECT_EQ(Run(110, 50, kBlack, true), 1); // the stroke keeps the width it began with

    Stroke(Qt::LeftButton, { { 20, 120 }, { 200, 120 } });
    EXPECT_NEAR(Run(110, 120, kBlack, true), 20, 1);
}

class Eraser : public Memo, public testing::WithParamInterface<int> { };

TEST_P(Eraser, ARightDragErasesTenPixelsWideAndOnlyItsFirstDotHasThePenWidth)
{
    Find<QScrollBar>(memo.get(), "hsbWidth")->setValue(20);
    for (int y : { 30, 50, 70, 90, 110 })
        Stroke(Qt::LeftButton, { { 10, y }, { 250, y } });
    ASSERT_EQ(Run(130, 70, kBlack, true), 100);

    const int penWidth = GetParam();
    Find<QScrollBar>(memo.get(), "hsbWidth")->setValue(penWidth);
    Stroke(Qt::RightButton, { { 50, 70 }, { 210, 70 } });
    EXPECT_NEAR(Run(130, 70, kWhite, true), 10, 1);
    // The first dot, or the round end of the trail where the dot is narrower.
    EXPECT_NEAR(Run(50, 70, kWhite, true), std::max(penWidth, 10), 1);

    Stroke(Qt::RightButton, { { 130, 100 } });
    EXPECT_NEAR(Run(130, 100, kWhite), penWidth, penWidth > 1 ? 1 : 0);
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

// The text face is built when the memo first shows, or when "Mode" is clicked before that.
TEST(MemoHidden, ModeBuildsAndShowsTheTextFaceWhileTheWindowIsHidden)
{
    SettingsFolder settings;
    frmMemo memo;
    EXPECT_EQ(memo.findChild<QPlainTextEdit*>(), nullptr);
    Find<QPushButton>(&memo, "cmdMode")->click();
    const auto* text = Find<QPlainTextEdit>(&memo, "txtWorkSpace");
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->isHidden());
    EXPECT_TRUE(Find(&memo, "picWorkSpace")->isHidden());
    EXPECT_EQ(text->geometry(), Find(&memo, "picWorkSpace")->geometry());
}

TEST_F(Memo, ClsClearsTheDrawingButNotTheText)
{
    Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->setPlainText("Am7 - D7 - G");
    Stroke(Qt::LeftButton, { { 10, 10 }, { 200, 150 } });
    ASSERT_GT(NonWhitePixels(), 0);
    QTest::mouseClick(Find<QPushButton>(memo.get(), "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(NonWhitePixels(), 0);
    EXPECT_EQ(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->toPlainText(), "Am7 - D7 - G");
}

TEST_F(Memo, ModeSwitchesTheFacesKeepingBothAndMovesTheFocus)
{
    memo->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(memo.get()));
    Stroke(Qt::LeftButton, { { 30, 30 }, { 90, 30 } });
    const QWidget* drawingFace[] = { Find<QPushButton>(memo.get(), "cmdBlack"),
        Find<QPushButton>(memo.get(), "cmdRed"), Find<QPushButton>(memo.get(), "cmdGreen"),
        Find<QPushButton>(memo.get(), "cmdBlue"), Find<QLabel>(memo.get(), "lblSensyu"),
        Find<QScrollBar>(memo.get(), "hsbWidth"), Find<QPushButton>(memo.get(), "cmdClear"),
        Find<DrawingSurface>(memo.get(), "picWorkSpace") };

    for (bool textFace : { true, false }) {
        QTest::mouseClick(Find<QPushButton>(memo.get(), "cmdMode"), Qt::LeftButton);
        for (const QWidget* control : drawingFace)
            EXPECT_EQ(control->isVisible(), !textFace) << control->objectName().toStdString();
        EXPECT_EQ(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->isVisible(), textFace);
        EXPECT_TRUE(Find<QPushButton>(memo.get(), "cmdMode")->isVisible());
        EXPECT_EQ(QApplication::focusWidget(),
            textFace ? static_cast<QWidget*>(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace"))
                     : Find<DrawingSurface>(memo.get(), "picWorkSpace"));
        if (textFace)
            QTest::keyClicks(QApplication::focusWidget(), "C F G");
    }
    EXPECT_EQ(Pixel(60, 30), kBlack);
    EXPECT_EQ(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->toPlainText(), "C F G");
}

TEST_F(Memo, TheDrawingOutlivesShrinkingHidingAndShowing)
{
    memo->resize(400, 300);
    EXPECT_EQ(Find<DrawingSurface>(memo.get(), "picWorkSpace")->geometry(), QRect(0, 16, 400, 300));
    EXPECT_EQ(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->geometry(), QRect(0, 16, 400, 300));
    Find<QScrollBar>(memo.get(), "hsbWidth")->setValue(3);
    Stroke(Qt::LeftButton, { { 300, 270 }, { 390, 270 } });

    memo->resize(200, 150);
    EXPECT_EQ(Find<DrawingSurface>(memo.get(), "picWorkSpace")->size(), QSize(200, 150));
    memo->hide();
    memo->resize(400, 300);
    memo->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(memo.get()));
    const QImage shown = Find<DrawingSurface>(memo.get(), "picWorkSpace")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(385, 270), kBlack);
    EXPECT_EQ(shown.pixelColor(385, 280), kWhite);
}

// On a surface wider than 32767 pixels the last point must not wrap round: a diagonal stroke
// out there still starts where the press was.
TEST_F(Memo, StrokesJoinBeyondSixteenBitPositions)
{
    surface->resize(34000, 40);
    Stroke(Qt::LeftButton, { { 33000, 0 }, { 33020, 20 } });
    EXPECT_EQ(Pixel(33010, 10), kBlack);
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
    EXPECT_EQ(frmMemo().pos(), QPoint(300, 200));
}

TEST_F(Memo, ALineDroppedOnTheTextFaceIsWrittenThere)
{
    QTest::mouseClick(Find<QPushButton>(memo.get(), "cmdMode"), Qt::LeftButton);
    QWidget* page = Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->viewport();
    QMimeData line;
    line.setText("A m7: A C E G");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &line, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &line, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page, &drop);
    EXPECT_EQ(Find<QPlainTextEdit>(memo.get(), "txtWorkSpace")->toPlainText(), "A m7: A C E G");
}
