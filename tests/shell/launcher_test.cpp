#include "window_fixture.h"

#include "app/windows.h"
#include "shell/frmAuthor.h"
#include "shell/frmMain.h"
#include "shell/help.h"
#include "shell/registry.h"
#include "shell/wrwinpos.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

// Stands in for a tool window: it logs its load and close, and keeps its position in its own
// section as every tool window does.
class FakeWindow : public QWidget {
public:
    explicit FakeWindow(std::string name)
        : QWidget(nullptr, Qt::Tool)
        , name_(std::move(name))
    {
        setWindowTitle(QString::fromStdString(name_));
        resize(100, 50);
        events.push_back("load " + name_);
        std::int32_t top = 1000;
        std::int32_t left = 1500;
        ReadWinPos(name_, this, top, left);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        events.push_back("close " + name_);
        WriteWinPos(name_, this);
        event->accept();
    }

private:
    std::string name_;
};

const std::map<WindowId, std::string> kToolNames {
    { WindowId::Scale, "Scale" },
    { WindowId::Key, "Key" },
    { WindowId::Chord, "Chord" },
    { WindowId::Memo, "Memo" },
    { WindowId::Reference, "Reference" },
    { WindowId::Search, "Search" },
    { WindowId::Matrix, "Matrix" },
};

// Runs the event loop until the condition holds or five seconds pass.
template <class Condition> bool WaitUntil(Condition condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000)
        QTest::qWait(10);
    return condition();
}

bool TopMost(QWidget* window)
{
    return window && window->windowHandle()
        && window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

class Launcher : public testing::Test {
protected:
    Launcher()
    {
        events.clear();
        RegisterWindows(registry, player);
        for (const auto& [id, name] : kToolNames) {
            const std::string section = name;
            registry.Register(id, [section](WindowRegistry&) { return new FakeWindow(section); });
        }
    }

    frmMain& Start()
    {
        launcher = std::make_unique<frmMain>(registry);
        launcher->show();
        return *launcher;
    }

    SettingsFolder settings;
    RecordingPlayer player;
    WindowRegistry registry;
    std::unique_ptr<frmMain> launcher;
};

} // namespace

TEST_F(Launcher, FirstStartLoadsTheToolWindowsHiddenAtTheDefaults)
{
    frmMain& main = Start();
    EXPECT_EQ(main.windowTitle(), "Rurized ");
    EXPECT_EQ(main.pos(), QPoint(65, 39)); // Left 975, Top 585 twips
    EXPECT_FALSE(registry.WindowFlag());
    EXPECT_EQ(
        events, (std::vector<std::string> { "load Key", "load Scale", "load Chord", "load Memo" }));
    for (WindowId id : { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo }) {
        ASSERT_NE(registry.Loaded(id), nullptr);
        EXPECT_FALSE(registry.Loaded(id)->isVisible());
    }
    EXPECT_EQ(registry.Loaded(WindowId::Reference), nullptr);
    EXPECT_EQ(registry.Loaded(WindowId::Loading), nullptr); // the splash is gone
    EXPECT_EQ(settings.Text(), ""); // nothing is written before shut-down
}

TEST_F(Launcher, ButtonsCarryTheirPicturesTipsAndTabOrder)
{
    frmMain& main = Start();
    const char* const tabOrder[] = { "cmdScale", "cmdKey", "cmdChord", "cmdMemo", "cmdWindow",
        "cmdHelp", "cmdInfo", "cmdClose", "cmdDialog" };
    QWidget* button = main.findChild<QPushButton*>("cmdScale");
    for (const char* name : tabOrder) {
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), name);
        EXPECT_FALSE(static_cast<QPushButton*>(button)->icon().isNull()) << name;
        EXPECT_EQ(button->size(), QSize(33, 33));
        button = button->nextInFocusChain();
    }
    EXPECT_EQ(main.findChild<QPushButton*>("cmdWindow")->toolTip(), "最前面表示／解除");
    EXPECT_EQ(main.findChild<QPushButton*>("cmdDialog")->pos(), QPoint(99, 0));
}

TEST_F(Launcher, EachButtonShowsAndHidesItsWindow)
{
    frmMain& main = Start();
    struct Row {
        QPushButton* button;
        WindowId id;
    };
    for (const Row& row : { Row { Find<QPushButton>(&main, "cmdScale"), WindowId::Scale },
             Row { Find<QPushButton>(&main, "cmdKey"), WindowId::Key },
             Row { Find<QPushButton>(&main, "cmdChord"), WindowId::Chord },
             Row { Find<QPushButton>(&main, "cmdMemo"), WindowId::Memo },
             Row { Find<QPushButton>(&main, "cmdDialog"), WindowId::Reference } }) {
        for (bool shown : { true, false, true }) {
            row.button->click();
            ASSERT_NE(registry.Loaded(row.id), nullptr);
            EXPECT_EQ(registry.Loaded(row.id)->isVisible(), shown)
                << row.button->objectName().toStdString();
        }
    }
}

TEST_F(Launcher, HidingTheChordWindowHidesTheSearchToo)
{
    frmMain& main = Start();
    Find<QPushButton>(&main, "cmdChord")->click();
    registry.Touch(WindowId::Search)->show();
    Find<QPushButton>(&main, "cmdChord")->click();
    EXPECT_FALSE(registry.Loaded(WindowId::Chord)->isVisible());
    EXPECT_FALSE(registry.Loaded(WindowId::Search)->isVisible());
}

TEST_F(Launcher, AFlagFollowsOnlyItsOwnButton)
{
    frmMain& main = Start();
    Find<QPushButton>(&main, "cmdScale")->click();
    registry.Loaded(WindowId::Scale)->close(); // closed by the window system while shown
    EXPECT_EQ(registry.Loaded(WindowId::Scale), nullptr);
    Find<QPushButton>(&main, "cmdScale")->click(); // loads it afresh, hidden
    ASSERT_NE(registry.Loaded(WindowId::Scale), nullptr);
    EXPECT_FALSE(registry.Loaded(WindowId::Scale)->isVisible());
    Find<QPushButton>(&main, "cmdScale")->click();
    EXPECT_TRUE(registry.Loaded(WindowId::Scale)->isVisible());
    EXPECT_EQ(std::count(events.begin(), events.end(), "load Scale"), 2);
}

TEST_F(Launcher, AWindowThisBuildLacksIsSkipped)
{
    WindowRegistry bare; // no tool window at all
    frmMain main(bare);
    Find<QPushButton>(&main, "cmdMemo")->click(); // nothing to show, nothing breaks
    Find<QPushButton>(&main, "cmdWindow")
        ->click(); // the switch still reaches the windows there are
    EXPECT_TRUE(bare.WindowFlag());
    EXPECT_TRUE(TopMost(&main));
}

TEST_F(Launcher, AlwaysOnTopSwitchesAllEightWindows)
{
    frmMain& main = Start();
    const WindowId listed[] = { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo,
        WindowId::Reference, WindowId::Matrix, WindowId::Search };
    const QPoint before = main.pos();
    Find<QPushButton>(&main, "cmdWindow")->click();
    EXPECT_TRUE(registry.WindowFlag());
    EXPECT_TRUE(TopMost(&main));
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.pos(), before);
    for (WindowId id : listed) {
        EXPECT_TRUE(TopMost(registry.Loaded(id))) << kToolNames.at(id);
        EXPECT_FALSE(registry.Loaded(id)->isVisible()); // loaded on the way, still hidden
    }
    Find<QPushButton>(&main, "cmdWindow")->click();
    EXPECT_FALSE(registry.WindowFlag());
    EXPECT_FALSE(TopMost(&main));
    for (WindowId id : listed)
        EXPECT_FALSE(TopMost(registry.Loaded(id)));
}

TEST_F(Launcher, SavedAlwaysOnTopAppliesAtStartUp)
{
    settings.Write("[Main]\r\nWindowFlag=-1\r\n");
    frmMain& main = Start();
    EXPECT_TRUE(registry.WindowFlag());
    for (WindowId id :
        { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo, WindowId::Reference })
        EXPECT_TRUE(TopMost(registry.Loaded(id)));
    EXPECT_TRUE(TopMost(&main));
    EXPECT_EQ(registry.Loaded(WindowId::Search), nullptr); // dialogs follow when they open
}

TEST_F(Launcher, ShutDownWritesEverySectionInOrder)
{
    frmMain& main = Start();
    Find<QPushButton>(&main, "cmdDialog")->click();
    Find<QPushButton>(&main, "cmdWindow")->click();
    events.clear();
    Find<QPushButton>(&main, "cmdClose")->click();
    EXPECT_EQ(events,
        (std::vector<std::string> { "close Scale", "close Key", "close Chord", "close Memo",
            "close Reference", "close Search", "close Matrix" }));
    EXPECT_EQ(settings.Text(),
        "[Scale]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Key]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Chord]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Memo]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Reference]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Search]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Matrix]\r\nTop=1005\r\nLeft=1500\r\n"
        "[Main]\r\nTop=585\r\nLeft=975\r\nWindowFlag=True\r\n");
}

TEST_F(Launcher, GarbageInMainStartsAtTheDefaultsAndWritesSoundValues)
{
    settings.Write("[main]\nTOP=99999999999999\nleft=abc\nWindowFlag=yes\n");
    frmMain& main = Start();
    EXPECT_EQ(main.pos(), QPoint(65, 39));
    EXPECT_FALSE(registry.WindowFlag());
    main.close();
    const std::string text = settings.Text();
    EXPECT_EQ(
        text.substr(0, text.find("[Scale]")), "[main]\nTOP=585\nleft=975\nWindowFlag=False\n");
}

TEST_F(Launcher, PositionsComeBackWhereTheyWere)
{
    settings.Write("[Main]\r\nTop=1234.5\r\nLeft=-300\r\n[Key]\r\nTop=-300\r\nLeft=90000000\r\n");
    frmMain& main = Start();
    EXPECT_EQ(main.pos(), QPoint(-20, 82)); // 1234.5 rounds to 1234 twips; partly off-screen stays
    // Wholly outside every screen: the key window falls back to its defaults.
    EXPECT_EQ(registry.Loaded(WindowId::Key)->pos(), QPoint(100, 67));
}

TEST_F(Launcher, AboutWindowFadesAndClosesOnAnyClick)
{
    const std::uint32_t expected[] = { 0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040, 0x000000 };
    for (int step = 0; step < 6; ++step)
        EXPECT_EQ(frmAuthor::FadeColor(step), expected[step]);
    EXPECT_EQ(frmAuthor::FadeColor(6), std::nullopt);

    for (const char* target : { "lblTitle", "Image2", "cmdOK", "frmAuthor" }) {
        auto* about = new frmAuthor;
        about->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<frmAuthor> alive(about);
        about->show();
        EXPECT_EQ(about->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_TRUE(WaitUntil([&] { return about->FadeStep == 6; }));
        EXPECT_EQ(about->palette().color(QPalette::Window), QColor(Qt::black));
        QWidget* clicked
            = about->objectName() == target ? about : about->findChild<QWidget*>(target);
        ASSERT_NE(clicked, nullptr);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull()) << target;
    }
}

TEST_F(Launcher, HelpReportsAMissingFileInItsOwnWindow)
{
    frmMain& main = Start();
    Find<QPushButton>(&main, "cmdHelp")->click();
    ASSERT_NE(HelpViewer(), nullptr);
    EXPECT_TRUE(HelpViewer()->isVisible());
    main.close();
    EXPECT_FALSE(HelpViewer() && HelpViewer()->isVisible());
}
