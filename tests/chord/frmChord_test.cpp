#include "window_fixture.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "theory/heldnotes.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>
#include <set>

namespace {

const QColor kLit(255, 255, 0);

class ChordWindow : public WindowTest {
protected:
    // The names of the note cells, or only of the lit ones, in slot order.
    QString Names(bool litOnly = false) const
    {
        QStringList names;
        for (int i = 0; i < 19; ++i) {
            if (!litOnly || Background(Find(chord, "lblNote", i)) == kLit)
                names << Name(Find(chord, "lblNote", i));
        }
        return names.join(' ');
    }
    QRadioButton* Option(int slot, int element) const
    {
        return Find<QRadioButton>(registry.Loaded(WindowId::Matrix),
            QStringLiteral("Option%1(%2)").arg(slot).arg(element));
    }
    void Click(const QString& name) const { Find<QPushButton>(chord, name)->click(); }
    QComboBox* Types() const { return Find<QComboBox>(chord, "cmbChordType"); }

    frmChord* chord = Load<frmChord>(WindowId::Chord);
};

} // namespace

// A first start shows C on the mixed table with nothing lit; a chord lights its slots, a ninth
// in the tension row only, and a root change keeps them.
TEST_F(ChordWindow, AChordLightsItsSlotsOnAnyRoot)
{
    EXPECT_EQ(Names(), "C C＃ D E♭ E F F＃ G A♭ A B♭ B C＃ D E♭ F F＃ A♭ A");
    EXPECT_EQ(Names(true), "");
    Types()->setCurrentIndex(10); // "7"
    EXPECT_EQ(Names(true), "C E G B♭");
    Find<QScrollBar>(chord, "vsbRoot")->setValue(4); // G
    EXPECT_EQ(Names(true), "G B D F");
    Find<QScrollBar>(chord, "vsbChordType")->setValue(12);
    EXPECT_EQ(Types()->currentText(), "7(9)");
    EXPECT_EQ(Names(true), "G B D F A");
    EXPECT_EQ(Background(Find(chord, "lblNote", 13)), kLit);
}

// The spelling button respells the cells and the key list through four pictures of their own;
// by key the names follow the chord type.
TEST_F(ChordWindow, SpellingCycleRespellsCellsAndKeyList)
{
    Find<QScrollBar>(chord, "vsbRoot")->setValue(5); // F＃ / G♭
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(5);
    std::set<qint64> pictures;
    for (const char* root : { "F＃", "G♭", "F＃", "F＃" }) { // sharps, flats, by key, mixed
        Click("cmdOption");
        EXPECT_EQ(Names().left(2), root);
        EXPECT_EQ(Find<QComboBox>(chord, "cmbKey")->currentText(), root);
        pictures.insert(Find<QPushButton>(chord, "cmdOption")->icon().cacheKey());
        if (chord->Spelling() == theory::SpellingMode::ByKey) {
            Types()->setCurrentIndex(6); // M7: G♭ B♭ D♭ F, not F＃ A＃ C＃ E＃
            EXPECT_EQ(Names(true), "G♭ B♭ D♭ F");
        }
    }
    EXPECT_EQ(pictures.size(), 4u);
}

// A diatonic button sets the type, then the root from the key list, in the window's spelling,
// and frames the tension row by the key until a hand on the root or the chord type clears it.
TEST_F(ChordWindow, DiatonicButtonsSetTypeThenRootAndFrameTheTensions)
{
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(0); // B
    Click("cmddiatonic(1)"); // IIm: the mixed table spells G＃ as A♭
    EXPECT_EQ(Names(true), "C＃ E A♭");
    EXPECT_EQ(Types()->currentText(), "m");
    Find<QComboBox>(chord, "cmbKey")->setCurrentIndex(11); // C
    Click("cmddiatonic(4)"); // V: G Mixolydian
    EXPECT_EQ(Names(true), "G B D");
    QString frames;
    for (int slot = 12; slot < 19; ++slot) {
        const QLabel* cell = Find<QLabel>(chord, "lblNote", slot);
        const QColor frame = cell->palette().color(QPalette::Light);
        frames += cell->frameShape() == QFrame::NoFrame ? '-'
            : frame == QColor(0, 255, 0)                ? 'A'
            : frame == QColor(255, 0, 0)                ? 'X'
            : frame == QColor(128, 128, 128)            ? 'o'
            : frame == QColor(255, 128, 0)              ? 'B'
                                                        : '?';
        EXPECT_FALSE(cell->toolTip().isEmpty());
    }
    // 9 and 13 fit, 11 is avoided, ♭9 and ♭13 come from the minor key, the rest lie outside.
    EXPECT_EQ(frames, "BAoXoBA");
    const std::function<void()> hands[]
        = { [&] { Find<QScrollBar>(chord, "vsbRoot")->setValue(3); },
              [&] { Types()->setCurrentIndex(10); } };
    for (const auto& hand : hands) {
        hand();
        EXPECT_EQ(Find<QLabel>(chord, "lblNote", 13)->frameShape(), QFrame::NoFrame);
        Click("cmddiatonic(4)");
    }
}

// A chord held over another bass names it and marks the bass cell, even once the keys are let go;
// a change by hand ends it.
TEST_F(ChordWindow, AHeldSlashChordShowsItsBass)
{
    chord->ShowHeldChord(*theory::ReadHeldChord({ 52, 55, 60 })); // E3 G3 C4
    chord->MarkHeld(0);
    EXPECT_EQ(chord->ChordName(), "C/E");
    const QLabel* bass = Find<QLabel>(chord, "lblNote", 4);
    EXPECT_NE(bass->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(bass->palette().color(QPalette::Light), QColor(255, 255, 255));
    Types()->setCurrentIndex(6);
    EXPECT_EQ(chord->ChordName(), "C M7");
    EXPECT_EQ(bass->frameShape(), QFrame::NoFrame);
}

// Interval names chosen in the dialog show at once and, with the spelling, after a restart; a
// cancel changes nothing; unusable stored values fall back.
TEST_F(ChordWindow, IntervalNamesAndSpellingOutliveARestart)
{
    Load<DialogChord>(WindowId::Matrix);
    Option(6, 1)->setChecked(true);
    EXPECT_TRUE(Option(5, 0)->isChecked()); // every pair chooses on its own
    Find<QPushButton>(registry.Loaded(WindowId::Matrix), "OKButton")->click();
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
    Click("cmdOption");
    chord->close();
    chord = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(chord->Spelling(), theory::SpellingMode::Sharps);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
    Load<DialogChord>(WindowId::Matrix);
    EXPECT_TRUE(Option(6, 1)->isChecked());
    Option(6, 0)->setChecked(true);
    Find<QPushButton>(registry.Loaded(WindowId::Matrix), "CancelButton")->click();
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 6)->text(), "増4");
    chord->close();
    settings.Write("[Chord]\r\nCromatic=7\r\nMatrix3=\r\nMatrix4=foo\r\n");
    chord = Load<frmChord>(WindowId::Chord);
    EXPECT_EQ(chord->Spelling(), theory::SpellingMode::Mixed);
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 3)->text(), "短3");
    EXPECT_EQ(Find<QLabel>(chord, "Matrix", 4)->text(), "foo");
}
