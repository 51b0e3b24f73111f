#include "window_fixture.h"

#include "shell/frmMain.h"

#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

bool TopMost(QWidget* window)
{
    return window && window->windowHandle()
        && window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

class Launcher : public WindowTest {
protected:
    frmMain& Start()
    {
        launcher = std::make_unique<frmMain>(registry);
        launcher->show();
        return *launcher;
    }
    void Click(const char* button) { Find<QPushButton>(launcher.get(), button)->click(); }

    std::unique_ptr<frmMain> launcher;
};

} // namespace

// Every window that keeps its place starts at its own, comes back where it was closed, and
// goes back to its own when it was closed wholly off every screen; partly off-screen stays.
TEST(Places, EveryWindowComesBackWhereItWasClosed)
{
    // Section and first-start place: Left 975, Top 585 twips are (65, 39) pixels.
    const std::pair<const char*, QPoint> places[]
        = { { "Main", { 65, 39 } }, { "Scale", { 65, 96 } }, { "Key", { 87, 122 } },
              { "Chord", { 118, 155 } }, { "Memo", { 178, 229 } }, { "Reference", { 151, 189 } } };
    const WindowId ids[]
        = { WindowId::Scale, WindowId::Key, WindowId::Chord, WindowId::Memo, WindowId::Reference };
    SettingsFolder settings;
    RecordingPlayer player;
    for (int round = 0; round < 3; ++round) {
        WindowRegistry registry;
        RegisterWindows(registry, player);
        frmMain main(registry);
        main.show();
        Find<QPushButton>(&main, "cmdDialog")->click(); // the reference book loads when asked
        std::vector<QWidget*> windows { &main };
        for (WindowId id : ids)
            windows.push_back(registry.Loaded(id));
        for (std::size_t i = 0; i < windows.size(); ++i) {
            ASSERT_NE(windows[i], nullptr);
            const auto [section, place] = places[i];
            SCOPED_TRACE(std::string(section) + ", round " + std::to_string(round));
            const QPoint moved(15 * static_cast<int>(i) - 20, 40 * static_cast<int>(i) + 82);
            EXPECT_EQ(windows[i]->pos(), round == 1 ? moved : place);
            windows[i]->move(round == 1 ? QPoint(0, 100000) : moved);
        }
        main.close();
        if (round == 0) // Top 1234.5 rounds to 1234 twips, 82 pixels
            settings.Write("[Main]\r\nTop=1234.5\r\nLeft=-300\r\n" + settings.Text());
    }
}

// A first start loads four tool windows hidden and writes nothing; each button shows and hides
// its window; hiding the chord window hides the search too; a window closed by the window
// system loads afresh, hidden, at the next click.
TEST_F(Launcher, EachButtonShowsAndHidesItsWindow)
{
    Start();
    for (WindowId id : { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo })
        EXPECT_FALSE(registry.Loaded(id)->isVisible());
    for (WindowId id : { WindowId::Reference, WindowId::Instrument })
        EXPECT_EQ(registry.Loaded(id), nullptr);
    EXPECT_EQ(registry.Loaded(WindowId::Loading), nullptr); // the splash is gone
    EXPECT_EQ(settings.Text(), "");
    const std::pair<const char*, WindowId> rows[] = { { "cmdScale", WindowId::Scale },
        { "cmdKey", WindowId::Key }, { "cmdChord", WindowId::Chord }, { "cmdMemo", WindowId::Memo },
        { "cmdDialog", WindowId::Reference } };
    for (const auto& [button, id] : rows) {
        for (bool shown : { true, false, true }) {
            Click(button);
            ASSERT_NE(registry.Loaded(id), nullptr);
            EXPECT_EQ(registry.Loaded(id)->isVisible(), shown) << button;
        }
    }
    registry.Touch(WindowId::Search)->show();
    Click("cmdChord");
    EXPECT_FALSE(registry.Loaded(WindowId::Search)->isVisible());
    registry.Loaded(WindowId::Scale)->close();
    EXPECT_EQ(registry.Loaded(WindowId::Scale), nullptr);
    Click("cmdScale");
    ASSERT_NE(registry.Loaded(WindowId::Scale), nullptr);
    EXPECT_FALSE(registry.Loaded(WindowId::Scale)->isVisible());
}

// The switch puts all eight windows on top and back, loading the hidden ones on the way, and is
// kept in [Main] as the program wrote it; the stored flag applies at start-up.
TEST_F(Launcher, AlwaysOnTop)
{
    frmMain& main = Start();
    const WindowId listed[] = { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo,
        WindowId::Reference, WindowId::Matrix, WindowId::Search };
    for (bool on : { true, false }) {
        Click("cmdWindow");
        EXPECT_EQ(registry.WindowFlag(), on);
        EXPECT_EQ(TopMost(&main), on);
        for (WindowId id : listed) {
            EXPECT_EQ(TopMost(registry.Loaded(id)), on);
            EXPECT_FALSE(registry.Loaded(id)->isVisible());
        }
    }
    // The instrument, loaded on first use only, goes on top with the rest and back.
    EXPECT_EQ(registry.Loaded(WindowId::Instrument), nullptr);
    Click("cmdWindow");
    registry.Show(WindowId::Instrument);
    EXPECT_TRUE(TopMost(registry.Loaded(WindowId::Instrument)));
    Click("cmdWindow");
    EXPECT_FALSE(TopMost(registry.Loaded(WindowId::Instrument)));
    Click("cmdWindow");
    main.close();
    const std::string text = settings.Text();
    EXPECT_EQ(
        text.substr(text.find("[Main]")), "[Main]\r\nTop=585\r\nLeft=975\r\nWindowFlag=True\r\n");
    launcher.reset();
    WindowRegistry again;
    RegisterWindows(again, player);
    frmMain restarted(again);
    EXPECT_TRUE(TopMost(&restarted));
    EXPECT_TRUE(TopMost(again.Loaded(WindowId::Chord)));
}
