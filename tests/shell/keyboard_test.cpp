// Every window can be used from the keyboard: its buttons and scroll bars take the focus with
// Tab, its picture buttons say what they do, the arrow keys move its scroll bars and Ctrl+C
// copies what it shows.
#include "window_fixture.h"

#include "chord/frmChord.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <memory>

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

// Ctrl+C, also offered as "コピー" in the context menu, copies what the window shows.
TEST_F(Keyboard, CopyPutsTheWindowsLineOnTheClipboard)
{
    auto copy = [](QWidget* window) {
        for (QAction* action : window->actions()) {
            if (action->text() == "コピー" && action->shortcut() == QKeySequence::Copy)
                action->trigger();
        }
        return QGuiApplication::clipboard()->text();
    };
    EXPECT_EQ(copy(Load<QWidget>(WindowId::Scale)), "C Ionian(Major): C D E F G A B");
    EXPECT_EQ(copy(Load<QWidget>(WindowId::Key)), "主調: C Am 上属調: G Em 下属調: F Dm");
    auto* chord = Load<frmChord>(WindowId::Chord);
    chord->ShowChord(0, 15);
    EXPECT_EQ(copy(chord), "C 7(♭9): C E G B♭ C＃");
    auto* search = Load<QWidget>(WindowId::Search);
    Find<QLabel>(search, "lblSarch", 0)->setText("E♭");
    Find<QAbstractButton>(search, "chkHighSpeed")->click();
    Find<QAbstractButton>(search, "cmdFreeSarch")->click();
    auto* hits = Find<QListWidget>(search, "lstSarch");
    hits->setCurrentRow(0);
    EXPECT_EQ(copy(search), "B major: B E♭ F＃"); // the mixed table spells D＃ as E♭
    // Dragged out, a hit carries the same line as plain text.
    const QModelIndex first = hits->model()->index(0, 0);
    EXPECT_EQ(std::unique_ptr<QMimeData>(hits->model()->mimeData({ first }))->text(),
        "B major: B E♭ F＃");
}
