#include "window_fixture.h"

#include "memo/DrawingSurface.h"
#include "memo/frmMemo.h"

#include <QApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kRed(255, 0, 0);

class Memo : public testing::Test {
protected:
    Memo()
    {
        memo.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&memo));
    }

    // A mouse event on the drawing surface: the button that changed and the buttons held after.
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(type, QPointF(at), QPointF(surface->mapToGlobal(at)), button, held, {});
        QCoreApplication::sendEvent(surface, &event);
    }
    // Presses at the first point, drags through the others and lets go at the last.
    void Stroke(Qt::MouseButton button, std::initializer_list<QPoint> points)
    {
        Send(QEvent::MouseButtonPress, button, button, *points.begin());
        for (QPoint point : points)
            Send(QEvent::MouseMove, Qt::NoButton, button, point);
        Send(QEvent::MouseButtonRelease, button, {}, *(points.end() - 1));
    }
    QColor Pixel(int x, int y) const { return surface->Image().pixelColor(x, y); }
    // The length of the run of pixels of one colour through (x, y), across or down.
    int Run(int x, int y, const QColor& color, bool down = false) const
    {
        int run = -1; // (x, y) is counted twice
        for (int step : { -1, 1 }) {
            for (QPoint at(x, y); surface->Image().valid(at) && Pixel(at.x(), at.y()) == color;
                 at += down ? QPoint(0, step) : QPoint(step, 0))
                ++run;
        }
        return std::max(run, 0);
    }
    void Width(int width) { Find<QScrollBar>(&memo, "hsbWidth")->setValue(width); }
    void Click(const char* button) { QTest::mouseClick(Find(&memo, button), Qt::LeftButton); }
    QPlainTextEdit* Text() { return Find<QPlainTextEdit>(&memo, "txtWorkSpace"); }

    SettingsFolder settings;
    frmMemo memo;
    DrawingSurface* surface = Find<DrawingSurface>(&memo, "picWorkSpace");
};

} // namespace

TEST_F(Memo, ColourButtonsAndTheWidthSetThePen)
{
    EXPECT_EQ(Pixel(40, 40), kWhite);
    const std::pair<const char*, QColor> rows[]
        = { { "cmdRed", kRed }, { "cmdGreen", QColor(0, 128, 0) }, { "cmdBlue", QColor(0, 0, 255) },
              { "cmdBlack", kBlack } };
    int x = 20;
    for (const auto& [button, color] : rows) {
        Click(button);
        Stroke(Qt::LeftButton, { { x, 20 }, { x, 50 } });
        EXPECT_EQ(Pixel(x, 35), color) << button;
        x += 20;
    }
    for (int width : { 1, 7, 20 }) {
        Click("cmdClear");
        Width(width);
        Stroke(Qt::LeftButton, { { 100, 80 } });
        EXPECT_NEAR(Run(100, 80, kBlack), width, width > 1 ? 1 : 0);
        EXPECT_NEAR(Run(100, 80, kBlack, true), width, width > 1 ? 1 : 0);
    }
}

// A left drag joins successive points with straight lines; the right button erases ten pixels
// wide, with a first dot of the pen's width.
TEST_F(Memo, StrokesAndTheEraser)
{
    Click("cmdRed");
    Stroke(Qt::LeftButton, { { 20, 40 }, { 60, 40 }, { 60, 100 } });
    EXPECT_EQ(Pixel(40, 40), kRed);
    EXPECT_EQ(Pixel(60, 70), kRed);
    EXPECT_EQ(Pixel(40, 70), kWhite);
    for (int penWidth : { 1, 20 }) {
        Width(20);
        for (int y : { 30, 50, 70, 90, 110 })
            Stroke(Qt::LeftButton, { { 10, y }, { 250, y } });
        ASSERT_EQ(Run(130, 70, kRed, true), 100);
        Width(penWidth);
        Stroke(Qt::RightButton, { { 50, 70 }, { 210, 70 } });
        EXPECT_NEAR(Run(130, 70, kWhite, true), 10, 1);
        EXPECT_NEAR(Run(50, 70, kWhite, true), std::max(penWidth, 10), 1);
    }
    // On a surface wider than 32767 pixels the last point must not wrap round.
    surface->resize(34000, 40);
    Stroke(Qt::LeftButton, { { 33000, 0 }, { 33020, 20 } });
    EXPECT_EQ(Pixel(33010, 10), kRed);
}

// Mode switches between the faces, keeping both and moving the focus; Cls clears only the
// drawing.
TEST_F(Memo, TheTwoFaces)
{
    memo.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&memo));
    Stroke(Qt::LeftButton, { { 30, 30 }, { 90, 30 } });
    for (bool textFace : { true, false }) {
        Click("cmdMode");
        EXPECT_EQ(surface->isVisible(), !textFace);
        EXPECT_EQ(Text()->isVisible(), textFace);
        EXPECT_EQ(QApplication::focusWidget(), textFace ? static_cast<QWidget*>(Text()) : surface);
        if (textFace)
            QTest::keyClicks(QApplication::focusWidget(), "C F G");
    }
    EXPECT_EQ(Pixel(60, 30), kBlack);
    Click("cmdClear");
    EXPECT_EQ(Pixel(60, 30), kWhite);
    EXPECT_EQ(Text()->toPlainText(), "C F G");
}

// The drawing survives the window shrinking, hiding and growing again.
TEST_F(Memo, TheDrawingOutlivesResizes)
{
    memo.resize(400, 300);
    EXPECT_EQ(surface->geometry(), QRect(0, 16, 400, 300));
    Width(3);
    Stroke(Qt::LeftButton, { { 300, 270 }, { 390, 270 } });
    memo.resize(200, 150);
    EXPECT_EQ(surface->size(), QSize(200, 150));
    memo.hide();
    memo.resize(400, 300);
    memo.show();
    const QImage shown = surface->grab().toImage();
    EXPECT_EQ(shown.pixelColor(385, 270), kBlack);
    EXPECT_EQ(shown.pixelColor(385, 280), kWhite);
}

// A dropped text, a chord-search hit say, goes in on a line of its own on the text face, and is
// written where it falls on the drawing.
TEST_F(Memo, Drops)
{
    // As a drag ends over the target: it enters, then drops.
    const auto drop = [](QWidget* target, QPoint at, const char* text) {
        QMimeData hit;
        hit.setText(text);
        QDragEnterEvent enter(at, Qt::CopyAction, &hit, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(at), Qt::CopyAction, &hit, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    drop(surface, { 20, 40 }, "C major: C E G");
    EXPECT_LT(Run(20, 46, kWhite), 20); // the row was white from edge to edge
    Click("cmdMode");
    for (const char* hit : { "A m: A C E", "D m7(9): D F A C E" })
        drop(Text()->viewport(), { 10, 200 }, hit);
    EXPECT_EQ(Text()->toPlainText(), "A m: A C E\nD m7(9): D F A C E");
}
