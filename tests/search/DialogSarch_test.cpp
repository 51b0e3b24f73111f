#include "window_fixture.h"

#include "chord/frmChord.h"
#include "search/DialogSarch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {

class ChordSearch : public WindowTest {
protected:
    ChordSearch() { Find<QCheckBox>(search, "chkHighSpeed")->setChecked(true); }

    void Search(const QStringList& notes)
    {
        for (int i = 0; i < 5; ++i)
            Find<QLabel>(search, "lblSarch", i)->setText(i < notes.size() ? notes[i] : QString());
        Find<QPushButton>(search, "cmdFreeSarch")->click();
        QTRY_VERIFY(!search->Searching());
    }
    QListWidget* List(const char* name) const { return Find<QListWidget>(search, name); }
    QString Counters() const
    {
        return Find<QLabel>(search, "lblChordHit")->text() + " "
            + Find<QLabel>(search, "lblTensionHit")->text();
    }

    frmChord* chord = Load<frmChord>(WindowId::Chord);
    DialogSarch* search = Load<DialogSarch>(WindowId::Search);
};

} // namespace

// All five boxes are searched; the hits are spelled as the chord window spells; a chosen hit
// shows in the chord window, its place in the counter, each note's interval as the chord window
// names it, and drags out as its line.
TEST_F(ChordSearch, TheHitsOfTheFiveBoxes)
{
    Search({ "C", "E", "G", "B♭", "D" });
    ASSERT_EQ(List("lstPass")->count(), 1);
    EXPECT_EQ(List("lstPass")->item(0)->text(), "C　7(9)");
    EXPECT_EQ(Counters(), "0Hit! 1Hit!");
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), "mM7"); // the last tried
    chord->SetIntervalName(6, "増4");
    Find<QPushButton>(chord, "cmdOption")->click(); // sharps
    Search({ "C", "E", "A" });
    QListWidgetItem* hit = List("lstSarch")->findItems("F＃m7(♭5)", Qt::MatchExactly).value(0);
    ASSERT_NE(hit, nullptr);
    List("lstSarch")->setCurrentItem(hit);
    EXPECT_EQ(Find<QLabel>(search, "lblChordHit")->text(),
        QStringLiteral("%1/%2").arg(List("lstSarch")->row(hit) + 1).arg(List("lstSarch")->count()));
    EXPECT_EQ(
        Name(Find(chord, "lblNote", 0)) + Find<QComboBox>(chord, "cmbChordType")->currentText(),
        "F＃m7(♭5)");
    EXPECT_EQ(Find<QLabel>(search, "lblWhy")->text(), "A = 短3, C = 増4, E = 短7 + F＃ (完1)");
    const QModelIndex index = List("lstSarch")->model()->index(List("lstSarch")->row(hit), 0);
    EXPECT_EQ(std::unique_ptr<QMimeData>(List("lstSarch")->model()->mimeData({ index }))->text(),
        "F♯ m7(♭5): F♯ A C E");
}

// A click empties a box, and the lists follow the boxes; only a note cell from the chord window
// can be dropped in one.
TEST_F(ChordSearch, ClicksAndDrops)
{
    Search({ "C", "E", "A" });
    const auto cMajor
        = [this] { return List("lstSarch")->findItems("C　major", Qt::MatchExactly); };
    EXPECT_TRUE(cMajor().isEmpty());
    QTest::mouseClick(Find<QLabel>(search, "lblSarch", 2), Qt::LeftButton);
    EXPECT_TRUE(Find<QLabel>(search, "lblSarch", 2)->text().isEmpty());
    EXPECT_EQ(cMajor().size(), 1);
    for (int box : { 0, 1 })
        QTest::mouseClick(Find<QLabel>(search, "lblSarch", box), Qt::LeftButton);
    EXPECT_EQ(Counters() + QString::number(List("lstSarch")->count()), " 0");
    QMimeData mime;
    mime.setText("C　");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Find<QLabel>(search, "lblSarch", 0), &drop);
    EXPECT_FALSE(drop.isAccepted());
}

// Closing during a stepped search stops it and gives the chord window back; NoRefresh is kept.
TEST_F(ChordSearch, ClosingStopsASteppedSearch)
{
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(false);
    search->show();
    Find<QLabel>(search, "lblSarch", 0)->setText("C");
    Find<QPushButton>(search, "cmdFreeSarch")->click();
    ASSERT_TRUE(search->Searching());
    QTest::qWait(5);
    EXPECT_FALSE(Find<QScrollBar>(chord, "vsbRoot")->isEnabled());
    EXPECT_EQ(chord->cursor().shape(), Qt::WaitCursor);
    search->close();
    EXPECT_FALSE(search->Searching());
    for (const char* control : { "vsbRoot", "cmbKey", "cmdSarch", "cmddiatonic(13)" })
        EXPECT_TRUE(Find(chord, control)->isEnabled()) << control;
    EXPECT_EQ(chord->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ini::ReadIni("Chord", "HighSpeed"), "0");
}

// InScale keeps to the scale ScaleView shows, and follows it.
TEST_F(ChordSearch, InScaleKeepsToTheScaleViewShowsAndFollowsIt)
{
    auto* inScale = Find<QCheckBox>(search, "chkInScale");
    EXPECT_FALSE(inScale->isEnabled());
    auto* scale = Load<QWidget>(WindowId::Scale);
    ASSERT_TRUE(inScale->isEnabled());
    inScale->setChecked(true);
    Search({ "C", "E", "A" }); // in C major
    EXPECT_EQ(Counters(), "5Hit! 5Hit!");
    Find<QScrollBar>(scale, "vsbRoot")->setValue(2); // A
    Find<QScrollBar>(scale, "vsbMode")->setValue(14); // harmonic minor
    EXPECT_EQ(Counters(), "4Hit! 1Hit!");
    scale->close();
    EXPECT_FALSE(inScale->isEnabled());
    EXPECT_EQ(Counters(), "8Hit! 8Hit!");
}

// The dialog opens beside the chord window, on whichever side has room, covering none of it and
// wholly on the screen; then it stays where the user puts it.
TEST_F(ChordSearch, OpensBesideTheChordWindowThenStaysWhereItIsPut)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    chord->show();
    const QSize size = chord->frameGeometry().size();
    const QPoint places[] = { chord->pos(), { screen.right() + 1 - size.width(), 200 },
        { (screen.width() - size.width()) / 2, 0 } };
    for (QPoint place : places) {
        chord->move(place);
        search->close();
        search = Load<DialogSarch>(WindowId::Search);
        search->show();
        EXPECT_FALSE(search->frameGeometry().intersects(chord->frameGeometry())) << place.x();
        EXPECT_TRUE(screen.contains(search->frameGeometry())) << place.x();
    }
    search->move(10, 20);
    search->hide();
    search->show();
    EXPECT_EQ(search->pos(), QPoint(10, 20));
}
