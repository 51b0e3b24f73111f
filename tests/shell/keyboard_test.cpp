// Every window can be used from the keyboard: its buttons and scroll bars take the focus with
// Tab, its picture buttons show a picture and say what they do, and Ctrl+C copies what it shows.
#include "window_fixture.h"

#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

class Keyboard : public WindowTest { };

TEST_F(Keyboard, EveryControlIsReachableAndEveryPictureButtonExplainsItself)
{
    frmMain launcher(registry);
    std::vector<QWidget*> windows { &launcher };
    for (WindowId id :
        { WindowId::Scale, WindowId::Key, WindowId::Chord, WindowId::Memo, WindowId::Reference,
            WindowId::Search, WindowId::Matrix, WindowId::Author, WindowId::Instrument })
        windows.push_back(registry.Touch(id));
    for (QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const std::string name = button->objectName().toStdString();
            if (!button->isVisibleTo(window))
                continue;
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << name;
            const bool picture = button->text().isEmpty() && !button->isCheckable();
            EXPECT_TRUE(!picture || !button->toolTip().isEmpty()) << name;
            const bool penColour = window == registry.Loaded(WindowId::Memo); // its face is the pen
            EXPECT_TRUE(!picture || penColour || !button->icon().isNull()) << name;
            EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        }
        for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
            const bool own = bar->isVisibleTo(window) && bar->parentWidget() == window;
            EXPECT_TRUE(!own || (bar->focusPolicy() & Qt::TabFocus))
                << bar->objectName().toStdString();
        }
    }
}

// Ctrl+C, also offered as "コピー" in the context menu, copies the line the window shows.
TEST_F(Keyboard, CopyPutsTheWindowsLineOnTheClipboard)
{
    const std::pair<WindowId, const char*> rows[] = { { WindowId::Scale,
                                                          "C Ionian(Major): C D E F G A B" },
        { WindowId::Key, "主調: C Am 上属調: G Em 下属調: F Dm" }, { WindowId::Chord, "N.C." } };
    for (const auto& [id, line] : rows) {
        QGuiApplication::clipboard()->clear();
        for (QAction* action : registry.Touch(id)->actions()) {
            if (action->text() == "コピー" && action->shortcut() == QKeySequence::Copy)
                action->trigger();
        }
        EXPECT_EQ(QGuiApplication::clipboard()->text(), line);
    }
}
