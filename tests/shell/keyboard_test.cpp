// Every window can be used from the keyboard: its buttons and scroll bars take the focus with
// Tab, its picture buttons say what they do, and the arrow keys move its scroll bars.
#include "window_fixture.h"

#include "chord/frmChord.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QScrollBar>
#include <QTest>

namespace {

class Keyboard : public WindowTest { };

const WindowId kWindows[] = { WindowId::Scale, WindowId::Key, WindowId::Chord, WindowId::Memo,
    WindowId::Reference, WindowId::Search, WindowId::Matrix, WindowId::Author };

} // namespace

TEST_F(Keyboard, EveryControlIsReachableAndEveryPictureButtonExplainsItself)
{
    frmMain launcher(registry);
    std::vector<QWidget*> windows { &launcher };
    for (WindowId id : kWindows)
        windows.push_back(registry.Touch(id));
    for (QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->objectName().toStdString());
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(window))
                continue;
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->objectName().toStdString();
            const bool picture = button->text().isEmpty() && !button->isCheckable();
            EXPECT_TRUE(!picture || !button->toolTip().isEmpty())
                << button->objectName().toStdString();
            EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
        }
        for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
            const bool own = bar->isVisibleTo(window) && bar->parentWidget() == window;
            EXPECT_TRUE(!own || (bar->focusPolicy() & Qt::TabFocus))
                << bar->objectName().toStdString();
        }
    }
}

TEST_F(Keyboard, ArrowKeysMoveTheRoot)
{
    auto* chord = Load<frmChord>(WindowId::Chord);
    QTest::keyClick(Find<QScrollBar>(chord, "vsbRoot"), Qt::Key_Up);
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbRoot")->value(), 10);
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text(), "C＃");
}
