#include "window_fixture.h"

#include "chord/frmChord.h"
#include "progression/ChordStrip.h"
#include "progression/frmProgression.h"
#include "search/DialogSarch.h"
#include "settings/ini.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

class ProgressionWindow : public WindowTest {
protected:
    // The row as its chord names and numerals, as Ctrl+C copies it.
    QString Copied()
    {
        QGuiApplication::clipboard()->clear();
        Trigger(QKeySequence::Copy);
        return QGuiApplication::clipboard()->text();
    }
    void Trigger(QKeySequence keys)
    {
        for (QAction* action : progression->actions()) {
            if (action->shortcut() == keys)
                action->trigger();
        }
    }

    frmProgression* progression = Load<frmProgression>(WindowId::Progression);
};

} // namespace

// Chords come in from the chord window (its button, Insert, a diatonic button with Shift) and
// from text; what does not read is refused whole with a word.
TEST_F(ProgressionWindow, ChordsComeInFromEachSource)
{
    auto* chord = Load<frmChord>(WindowId::Chord);
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(11); // C
    Find<QPushButton>(chord, "cmddiatonic(0)")->click(); // C, shown only
    Find<QPushButton>(chord, "cmdProgression")->click();
    QTest::mouseClick(
        Find<QPushButton>(chord, "cmddiatonic(5)"), Qt::LeftButton, Qt::ShiftModifier);
    chord->ShowChord(5, 1);
    chord->show();
    chord->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chord));
    QTest::keyClick(chord, Qt::Key_Insert);
    EXPECT_TRUE(progression->InsertText("G7"));
    EXPECT_EQ(Copied(), "C – Am – F – G7\nI – VIm – IV – V7");
    EXPECT_FALSE(progression->InsertText("Dm7 H7"));
    EXPECT_EQ(Find<QLabel>(progression, "lblMessage")->text(), "コード名として読めません: H7");
    EXPECT_EQ(progression->Chords().size(), 4u);
    EXPECT_EQ(Find<QComboBox>(progression, "cmbKey")->itemText(0), "自動 (C)");
    // A search hit, from its list's context menu.
    auto* search = Load<DialogSarch>(WindowId::Search);
    search->SearchHeld({ 9, 0, 4 });
    auto* hits = Find<QListWidget>(search, "lstSarch");
    hits->setCurrentRow(0);
    hits->actions().front()->trigger();
    EXPECT_EQ(Copied().section('\n', 0, 0), "C – Am – F – G7 – Am"); // the first hit, A m
}

// A slot moved, deleted, the row cleared: each undone by Ctrl+Z; a slot clicked shows in the
// chord window and sounds.
TEST_F(ProgressionWindow, EditingAndUndo)
{
    progression->InsertText("Am F C G");
    auto* strip = Find<ChordStrip>(progression, "picStrip");
    emit strip->Moved(3, 0);
    EXPECT_EQ(Copied(), "G – Am – F – C\nV – VIm – IV – I");
    Find<QPushButton>(progression, "cmdClear")->click();
    EXPECT_EQ(progression->Chords().size(), 0u);
    Trigger(QKeySequence::Undo);
    Trigger(QKeySequence::Undo);
    EXPECT_EQ(Copied().section('\n', 0, 0), "Am – F – C – G");
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(62, 13)); // the second slot
    auto* chord = registry.Loaded(WindowId::Chord);
    ASSERT_NE(chord, nullptr);
    EXPECT_EQ(Find<QComboBox>(chord, "cmbChordType")->currentText(), "major");
    EXPECT_FALSE(player.played.empty());
    Trigger(QKeySequence::Delete);
    EXPECT_EQ(Copied().section('\n', 0, 0), "Am – C – G");
}

// The row, its key, tempo and loop outlive a restart; a stored slot that does not read is passed
// over and the rest kept.
TEST_F(ProgressionWindow, KeptAcrossARestart)
{
    progression->InsertText("Dm7 G7 C/E");
    Find<QComboBox>(progression, "cmbKey")->setCurrentIndex(1); // C major
    Find<QSpinBox>(progression, "spnTempo")->setValue(132);
    progression->close();
    EXPECT_EQ(ini::ReadIni("Progression", "Slot2"), "0,1,4,4");
    ini::WriteIni("Progression", "Slot1", "7,99,-1,4");
    progression = Load<frmProgression>(WindowId::Progression);
    EXPECT_EQ(Copied(), "Dm7 – C/E\nIIm7 – I");
    EXPECT_EQ(Find<QSpinBox>(progression, "spnTempo")->value(), 132);
}

// Dragged out, a slot or the row is a MIDI file, as data and as a file.
TEST_F(ProgressionWindow, DraggedOutAsAMidiFile)
{
    progression->InsertText("C F G");
    const std::unique_ptr<QMimeData> row(progression->DragData(-1));
    EXPECT_TRUE(row->data("audio/midi").startsWith("MThd"));
    ASSERT_EQ(row->urls().size(), 1);
    EXPECT_TRUE(row->urls().front().toLocalFile().endsWith(".mid"));
    const std::unique_ptr<QMimeData> one(progression->DragData(1));
    EXPECT_LT(one->data("audio/midi").size(), row->data("audio/midi").size());
    EXPECT_EQ(one->text(), "F");
}
