// What each window's play controls ask the player for, and how they show that no sound can come.
#include "window_fixture.h"

#include "chord/frmChord.h"
#include "key/frmKey.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

class PlayButtons : public WindowTest {
protected:
    // The first notes the last press played: the whole chord, or a scale's first note.
    std::vector<int> FirstNotes() const
    {
        return player.played.empty() || player.played.back().empty()
            ? std::vector<int> {}
            : player.played.back().front().notes;
    }

    // The key P, typed to whichever control of the window has the focus.
    void PressP(QWidget* window, const char* focused)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QWidget* control = Find(window, focused);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_P);
    }
};

} // namespace

// The scale and chord windows' P and play buttons are heard in the offline test; here what only
// the chord and key windows do besides.
TEST_F(PlayButtons, EachWindowPlaysWhatItShows)
{
    auto* chord = Load<frmChord>(WindowId::Chord);
    PressP(chord, "vsbRoot");
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_EQ(FirstNotes(), std::vector<int> {}) << "N.C. plays nothing";
    Find<QPushButton>(chord, "cmddiatonic", 4)->click(); // V of C
    EXPECT_EQ(FirstNotes(), (std::vector<int> { 67, 71, 74 }));

    auto* key = Load<frmKey>(WindowId::Key);
    Find<QScrollBar>(key, "vsbUpDown")->setValue(3); // E major, four sharps
    QTest::mouseClick(Find(key, "lblKDS", 1), Qt::LeftButton); // C＃m
    EXPECT_EQ(FirstNotes(), (std::vector<int> { 61, 64, 68 }));
    QTest::mouseClick(Find(key, "lblKDS", 4), Qt::LeftButton); // the subdominant, A
    EXPECT_EQ(FirstNotes(), (std::vector<int> { 69, 73, 76 }));
    PressP(key, "vsbClef");
    EXPECT_EQ(FirstNotes(), (std::vector<int> { 64, 68, 71 }));
}

TEST_F(PlayButtons, ADoubleClickOnASearchHitPlaysIt)
{
    auto* chord = Load<frmChord>(WindowId::Chord);
    auto* search = Load<DialogSarch>(WindowId::Search);
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    Find<QLabel>(search, "lblSarch", 0)->setText("E");
    Find<QLabel>(search, "lblSarch", 1)->setText("A");
    Find<QPushButton>(search, "cmdFreeSarch")->click();
    QTRY_VERIFY(!search->Searching());
    auto* hits = Find<QListWidget>(search, "lstSarch");
    ASSERT_GE(hits->count(), 2);
    emit hits->itemDoubleClicked(hits->item(1));
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text() + Find<QComboBox>(chord, "cmbChordType")->currentText(),
        hits->item(1)->text());
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_FALSE(FirstNotes().empty());
}

TEST_F(PlayButtons, SaySoWhenNoSoundCanCome)
{
    const QWidget* windows[] = { Load<frmScale>(WindowId::Scale), Load<frmChord>(WindowId::Chord),
        Load<frmKey>(WindowId::Key) };
    player.Unavailable(QStringLiteral("音が出ません：理由"));
    for (const QWidget* window : windows)
        EXPECT_EQ(Find(window, "cmdPlay")->toolTip(), QStringLiteral("音が出ません：理由"));
    player.Unavailable({});
    for (const QWidget* window : windows) {
        EXPECT_EQ(Find(window, "cmdPlay")->toolTip(), QStringLiteral("再生（P）"));
        EXPECT_TRUE(Find(window, "cmdPlay")->isEnabled());
    }
}
