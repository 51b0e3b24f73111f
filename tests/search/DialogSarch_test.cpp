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
    ChordSearch() { search->chkHighSpeed->setChecked(true); }

    void Search(const QStringList& notes)
    {
        for (std::size_t i = 0; i < search->lblSarch.size(); ++i)
            search->lblSarch[i]->setText(static_cast<qsizetype>(i) < notes.size()
                    ? notes[static_cast<qsizetype>(i)]
                    : QString());
        search->cmdFreeSarch->click();
    }

    frmChord* chord = Load<frmChord>(WindowId::Chord);
    DialogSarch* search = Load<DialogSarch>(WindowId::Search);
};

} // namespace

TEST_F(ChordSearch, OneNoteListsEveryChordHoldingItAndEndsOnCmM7)
{
    Search({ "C" });
    const QStringList plain = Items(search->lstSarch);
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GE(plain.indexOf("C　major"), plain.size() - 18); // root C is tried last
    EXPECT_EQ(plain.size() + search->lstPass->count(), 117);
    EXPECT_EQ(search->lblChordHit->text(), QStringLiteral("%1Hit!").arg(plain.size()));
    EXPECT_EQ(
        search->lblTensionHit->text(), QStringLiteral("%1Hit!").arg(search->lstPass->count()));
    EXPECT_EQ(chord->vsbRoot->value(), 11);
    EXPECT_EQ(chord->cmbChordType->currentText(), "mM7");
    EXPECT_EQ(chord->lblNote[0]->text(), "C　");
}

TEST_F(ChordSearch, RootsAreSpelledAsTheChordWindowSpells)
{
    chord->cmdOption->click();
    chord->cmdOption->click(); // mixed -> sharps -> flats
    Search({ "C＃", "F" });
    const QStringList plain = Items(search->lstSarch);
    EXPECT_TRUE(plain.contains("D♭major"));
    for (const QString& item : plain + Items(search->lstPass))
        EXPECT_FALSE(item.left(2).contains(QStringLiteral("＃"))) << item.toStdString();
}

TEST_F(ChordSearch, FiveNotesFindOnlyTheNinthChord)
{
    Search({ "C", "E", "G", "B♭", "D" });
    EXPECT_EQ(Items(search->lstPass), QStringList { "C　7(9)" });
    EXPECT_TRUE(Items(search->lstSarch).isEmpty());
    EXPECT_EQ(search->lblChordHit->text(), "0Hit!");
    EXPECT_EQ(search->lblTensionHit->text(), "1Hit!");
}

TEST_F(ChordSearch, Add9IsAPlainChordAndRepeatedBoxesChangeNothing)
{
    Search({ "C", "D", "E", "G" });
    EXPECT_EQ(Items(search->lstSarch), QStringList { "C　add9" });
    const QStringList tension = Items(search->lstPass);
    Search({ "G", "C", "D", "E", "C" });
    EXPECT_EQ(Items(search->lstSarch), QStringList { "C　add9" });
    EXPECT_EQ(Items(search->lstPass), tension);
}

TEST_F(ChordSearch, AClickOnAResultShowsItAndItsPosition)
{
    Search({ "E", "A" });
    ASSERT_GE(search->lstSarch->count(), 3);
    QListWidgetItem* third = search->lstSarch->item(2);
    search->lstSarch->setCurrentItem(third);
    EXPECT_EQ(search->lblChordHit->text(), QStringLiteral("3/%1").arg(search->lstSarch->count()));
    EXPECT_EQ(chord->lblNote[0]->text() + chord->cmbChordType->currentText(), third->text());
}

TEST_F(ChordSearch, ClearEmptiesTheDialogButLeavesTheChordWindow)
{
    Search({ "C", "E" });
    chord->vsbRoot->setValue(3);
    search->cmdCancel->click();
    for (const QLabel* box : search->lblSarch)
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(search->lstSarch->count() + search->lstPass->count(), 0);
    EXPECT_TRUE(search->lblChordHit->text().isEmpty());
    EXPECT_EQ(chord->vsbRoot->value(), 3);
}

TEST_F(ChordSearch, EmptyBoxesStartNothingAndAClickEmptiesABox)
{
    chord->vsbRoot->setValue(3);
    Search({});
    EXPECT_EQ(chord->vsbRoot->value(), 3);
    search->lblSarch[2]->setText("G");
    QTest::mouseClick(search->lblSarch[2], Qt::LeftButton);
    EXPECT_TRUE(search->lblSarch[2]->text().isEmpty());
}

TEST_F(ChordSearch, OnlyANoteCellCanBeDropped)
{
    for (const char* text : { "C　", "hello" }) {
        QMimeData mime;
        mime.setText(text);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(search->lblSarch[0], &drop);
        EXPECT_FALSE(drop.isAccepted()) << text; // not from the chord window
        EXPECT_TRUE(search->lblSarch[0]->text().isEmpty());
    }
}

TEST_F(ChordSearch, ClosingDuringASearchStopsItAndRestoresEverything)
{
    search->chkHighSpeed->setChecked(false);
    search->show();
    QTimer::singleShot(0, search, [this] {
        EXPECT_TRUE(search->Searching());
        EXPECT_FALSE(chord->vsbRoot->isEnabled());
        EXPECT_FALSE(chord->NotesDraggable);
        EXPECT_EQ(chord->cursor().shape(), Qt::WaitCursor);
        search->close();
    });
    QPointer<DialogSarch> alive(search);
    Search({ "C" });
    ASSERT_TRUE(alive);
    EXPECT_FALSE(search->Searching());
    EXPECT_LT(search->lstSarch->count() + search->lstPass->count(), 117); // it stopped early
    for (QWidget* control :
        { static_cast<QWidget*>(chord->vsbRoot), static_cast<QWidget*>(chord->cmbKey),
            static_cast<QWidget*>(chord->cmdSarch), static_cast<QWidget*>(chord->cmddiatonic[13]) })
        EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(chord->NotesDraggable);
    EXPECT_EQ(chord->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(search->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Section("Chord"), (std::vector<std::string> { "HighSpeed=0" }));
}

TEST_F(ChordSearch, AShownDialogShakesAndComesBackToItsPlace)
{
    search->show();
    const QPoint home = search->pos();
    Search({ "C", "E", "G" });
    EXPECT_EQ(search->pos(), home);
    EXPECT_TRUE(search->cmdFreeSarch->isEnabled());
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
        EXPECT_EQ(search->chkHighSpeed->checkState(), state) << stored;
    }
    search->chkHighSpeed->setChecked(true);
    search->close();
    EXPECT_EQ(Section("Chord"), (std::vector<std::string> { "HighSpeed=1" }));
}
