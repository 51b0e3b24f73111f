#include "window_fixture.h"

#include "chord/frmChord.h"
#include "search/DialogSarch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

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

    frmChord* chord = Load<frmChord>(WindowId::Chord);
    DialogSarch* search = Load<DialogSarch>(WindowId::Search);
};

} // namespace

TEST_F(ChordSearch, OneNoteListsEveryChordHoldingItAndEndsOnCmM7)
{
    Search({ "C" });
    const QStringList plain = Items(Find<QListWidget>(search, "lstSarch"));
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GE(plain.indexOf("C　major"), plain.size() - 18); // root C is tried last
    EXPECT_EQ(plain.size() + Find<QListWidget>(search, "lstPass")->count(), 117);
    EXPECT_EQ(
        Find<QLabel>(search, "lblChordHit")->text(), QStringLiteral("%1Hit!").arg(plain.size()));
    EXPECT_EQ(Find<QLabel>(search, "lblTensionHit")->text(),
        QStringLiteral("%1Hit!").arg(Find<QListWidget>(search, "lstPass")->count()));
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbRoot")->value(), 11);
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), "mM7");
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text(), "C　");
}

TEST_F(ChordSearch, RootsAreSpelledAsTheChordWindowSpells)
{
    Find<QPushButton>(chord, "cmdOption")->click();
    Find<QPushButton>(chord, "cmdOption")->click(); // mixed -> sharps -> flats
    Search({ "C＃", "F" });
    const QStringList plain = Items(Find<QListWidget>(search, "lstSarch"));
    EXPECT_TRUE(plain.contains("D♭major"));
    for (const QString& item : plain + Items(Find<QListWidget>(search, "lstPass")))
        EXPECT_FALSE(item.left(2).contains(QStringLiteral("＃"))) << item.toStdString();
}

TEST_F(ChordSearch, FiveNotesFindOnlyTheNinthChord)
{
    Search({ "C", "E", "G", "B♭", "D" });
    EXPECT_EQ(Items(Find<QListWidget>(search, "lstPass")), QStringList { "C　7(9)" });
    EXPECT_TRUE(Items(Find<QListWidget>(search, "lstSarch")).isEmpty());
    EXPECT_EQ(Find<QLabel>(search, "lblChordHit")->text(), "0Hit!");
    EXPECT_EQ(Find<QLabel>(search, "lblTensionHit")->text(), "1Hit!");
}

TEST_F(ChordSearch, Add9IsAPlainChordAndRepeatedBoxesChangeNothing)
{
    Search({ "C", "D", "E", "G" });
    EXPECT_EQ(Items(Find<QListWidget>(search, "lstSarch")), QStringList { "C　add9" });
    const QStringList tension = Items(Find<QListWidget>(search, "lstPass"));
    Search({ "G", "C", "D", "E", "C" });
    EXPECT_EQ(Items(Find<QListWidget>(search, "lstSarch")), QStringList { "C　add9" });
    EXPECT_EQ(Items(Find<QListWidget>(search, "lstPass")), tension);
}

TEST_F(ChordSearch, AClickOnAResultShowsItAndItsPosition)
{
    Search({ "E", "A" });
    ASSERT_GE(Find<QListWidget>(search, "lstSarch")->count(), 3);
    QListWidgetItem* third = Find<QListWidget>(search, "lstSarch")->item(2);
    Find<QListWidget>(search, "lstSarch")->setCurrentItem(third);
    EXPECT_EQ(Find<QLabel>(search, "lblChordHit")->text(),
        QStringLiteral("3/%1").arg(Find<QListWidget>(search, "lstSarch")->count()));
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text()
            + Find<QComboBox>(chord, "cmbChordType")->currentText(),
        third->text());
}

TEST_F(ChordSearch, ClearEmptiesTheDialogButLeavesTheChordWindow)
{
    Search({ "C", "E" });
    Find<QScrollBar>(chord, "vsbRoot")->setValue(3);
    Find<QPushButton>(search, "cmdCancel")->click();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Find<QLabel>(search, "lblSarch", i)->text().isEmpty());
    EXPECT_EQ(Find<QListWidget>(search, "lstSarch")->count()
            + Find<QListWidget>(search, "lstPass")->count(),
        0);
    EXPECT_TRUE(Find<QLabel>(search, "lblChordHit")->text().isEmpty());
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbRoot")->value(), 3);
}

TEST_F(ChordSearch, EmptyBoxesStartNothingAndAClickEmptiesABox)
{
    Find<QScrollBar>(chord, "vsbRoot")->setValue(3);
    Search({});
    EXPECT_EQ(Find<QScrollBar>(chord, "vsbRoot")->value(), 3);
    Find<QLabel>(search, "lblSarch", 2)->setText("G");
    QTest::mouseClick(Find<QLabel>(search, "lblSarch", 2), Qt::LeftButton);
    EXPECT_TRUE(Find<QLabel>(search, "lblSarch", 2)->text().isEmpty());
}

TEST_F(ChordSearch, OnlyANoteCellCanBeDropped)
{
    for (const char* text : { "C　", "hello" }) {
        QMimeData mime;
        mime.setText(text);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Find<QLabel>(search, "lblSarch", 0), &drop);
        EXPECT_FALSE(drop.isAccepted()) << text; // not from the chord window
        EXPECT_TRUE(Find<QLabel>(search, "lblSarch", 0)->text().isEmpty());
    }
}

TEST_F(ChordSearch, ClosingDuringASearchStopsItAndRestoresEverything)
{
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(false);
    search->show();
    for (int i = 0; i < 5; ++i)
        Find<QLabel>(search, "lblSarch", i)->setText(i == 0 ? "C" : "");
    Find<QPushButton>(search, "cmdFreeSarch")->click();
    ASSERT_TRUE(search->Searching());
    QTest::qWait(5);
    EXPECT_FALSE(Find<QScrollBar>(chord, "vsbRoot")->isEnabled());
    EXPECT_EQ(chord->cursor().shape(), Qt::WaitCursor);

    QPointer<DialogSarch> alive(search);
    search->close();
    ASSERT_TRUE(alive); // deleted only once the event loop comes round
    EXPECT_FALSE(search->Searching());
    EXPECT_LT(Find<QListWidget>(search, "lstSarch")->count()
            + Find<QListWidget>(search, "lstPass")->count(),
        117);
    for (const char* control : { "vsbRoot", "cmbKey", "cmdSarch", "cmddiatonic(13)" })
        EXPECT_TRUE(Find(chord, control)->isEnabled()) << control;
    EXPECT_EQ(chord->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Section("Chord"), (std::vector<std::string> { "HighSpeed=0" }));
}

TEST_F(ChordSearch, AShownDialogShakesAndComesBackToItsPlace)
{
    search->show();
    for (const char* name : { "lstSarch", "lstPass" }) { // whole rows, none cut in half
        const auto* list = Find<QListWidget>(search, name);
        Search({ "C" });
        EXPECT_EQ((list->height() - 2 * list->frameWidth()) % list->sizeHintForRow(0), 0);
    }
    const QPoint home = search->pos();
    Search({ "C", "E", "G" });
    QTRY_VERIFY(search->pos() != home);
    QTRY_COMPARE(search->pos(), home);
    EXPECT_TRUE(Find<QPushButton>(search, "cmdFreeSarch")->isEnabled());
}

TEST_F(ChordSearch, NoRefreshIsKeptInTheSettingsFile)
{
    const std::pair<const char*, Qt::CheckState> rows[] = {
        { "1", Qt::Checked },
        { "2", Qt::PartiallyChecked }, // greyed, and searches without refreshing
        { "0", Qt::Unchecked },
        { "3", Qt::Unchecked },
        { "abc", Qt::Unchecked },
    };
    for (auto [stored, state] : rows) {
        search->close();
        settings.Write(std::string("[Chord]\r\nHighSpeed=") + stored + "\r\n");
        search = Load<DialogSarch>(WindowId::Search);
        EXPECT_EQ(Find<QCheckBox>(search, "chkHighSpeed")->checkState(), state) << stored;
    }
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    search->close();
    EXPECT_EQ(Section("Chord"), (std::vector<std::string> { "HighSpeed=1" }));
}

TEST_F(ChordSearch, AChosenHitNamesEachNotesIntervalAsTheChordWindowDoes)
{
    chord->SetIntervalName(6, "増4");
    Search({ "C", "E", "A" });
    auto* plain = Find<QListWidget>(search, "lstSarch");
    const std::pair<const char*, const char*> rows[] = {
        { "A　m7", "A = 完1, C = 短3, E = 完5 + G (短7)" },
        { "F＃m7(♭5)", "A = 短3, C = 増4, E = 短7 + F＃ (完1)" },
    };
    for (auto [item, why] : rows) {
        plain->setCurrentItem(plain->findItems(item, Qt::MatchExactly).value(0));
        EXPECT_EQ(Find<QLabel>(search, "lblWhy")->text(), why) << item;
    }
}

TEST_F(ChordSearch, InScaleKeepsToTheScaleViewShowsAndFollowsIt)
{
    auto* inScale = Find<QCheckBox>(search, "chkInScale");
    EXPECT_FALSE(inScale->isEnabled());
    EXPECT_FALSE(inScale->toolTip().isEmpty());
    auto* scale = Load<QWidget>(WindowId::Scale);
    ASSERT_TRUE(inScale->isEnabled());
    inScale->setChecked(true);
    Search({ "C", "E", "A" }); // in C major
    auto counters = [this] {
        return Find<QLabel>(search, "lblChordHit")->text() + " "
            + Find<QLabel>(search, "lblTensionHit")->text();
    };
    EXPECT_EQ(counters(), "5Hit! 5Hit!");
    Find<QScrollBar>(scale, "vsbRoot")->setValue(2); // A
    Find<QScrollBar>(scale, "vsbMode")->setValue(14); // harmonic minor
    EXPECT_EQ(counters(), "4Hit! 1Hit!");
    scale->close();
    EXPECT_FALSE(inScale->isEnabled());
    EXPECT_EQ(counters(), "8Hit! 8Hit!");
}
