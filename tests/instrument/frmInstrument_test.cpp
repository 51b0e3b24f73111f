#include "window_fixture.h"

#include "chord/frmChord.h"
#include "instrument/frmInstrument.h"
#include "instrument/painters.h"
#include "midi/midi.h"
#include "progression/frmProgression.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor kYellow(255, 255, 0); // a chord's root and tones
const QColor kPink(255, 192, 255); // its tensions
const QColor kCyan(0, 255, 255); // a scale's root
const QColor kMagenta(255, 0, 255); // keys held
const QColor kGreen(0, 255, 0); // notes searched for

class InstrumentWindow : public WindowTest {
protected:
    QWidget* Face() const { return Find(instrument, "picInstrument"); }
    QString Subject() const { return Find<QLabel>(instrument, "lblSubject")->text(); }

    // The colours the user sees on a key, or around a spot of the neck.
    bool Shows(const QRect& area, const QColor& colour) const
    {
        const QImage image = Face()->grab().toImage();
        int pixels = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                pixels += image.pixelColor(x, y) == colour;
        }
        return pixels >= 6;
    }
    bool KeyShows(int note, const QColor& colour) const
    {
        return Shows(instrument::keyboard::KeyRect(note, Face()->size()), colour);
    }
    QPoint KeyPoint(int note) const
    {
        const QRect key = instrument::keyboard::KeyRect(note, Face()->size());
        return { key.center().x(), key.top() + 10 };
    }

    frmScale* scale = Load<frmScale>(WindowId::Scale);
    frmChord* chord = Load<frmChord>(WindowId::Chord);
    frmInstrument* instrument = Load<frmInstrument>(WindowId::Instrument);
};

} // namespace

// It follows the window touched last: the scale, the chord as its play button voices it (tensions
// in pink), a diatonic button's chord, a clicked search hit with the notes searched for ringed,
// the progression's slot that sounds; the keys held on a MIDI keyboard show in magenta whatever
// it follows.
TEST_F(InstrumentWindow, FollowsTheWindowTouchedLast)
{
    EXPECT_TRUE(Subject().startsWith("ScaleView: C Ionian(Major)"));
    EXPECT_TRUE(KeyShows(48, kCyan) && KeyShows(72, kCyan) && !KeyShows(49, kCyan));

    Find<QComboBox>(chord, "cmbChordType")->setCurrentIndex(12); // 7(9): C3 E3 G3 B♭3 D4
    EXPECT_EQ(Subject(), "VozuvIver: C 7(9)");
    EXPECT_TRUE(KeyShows(48, kYellow) && KeyShows(58, kYellow) && KeyShows(62, kPink));
    EXPECT_FALSE(KeyShows(60, kYellow) || KeyShows(50, kPink));

    Find<QScrollBar>(scale, "vsbRoot")->setValue(9); // D
    EXPECT_TRUE(Subject().startsWith("ScaleView: D Ionian(Major)"));
    Find<QPushButton>(chord, "cmddiatonic(1)")->click(); // IIm of C
    EXPECT_EQ(Subject(), "VozuvIver: D m");

    auto* search = Load<DialogSarch>(WindowId::Search);
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    search->PutNote(0);
    search->PutNote(4);
    Find<QPushButton>(search, "cmdFreeSarch")->click();
    QTRY_VERIFY(!search->Searching());
    auto* hits = Find<QListWidget>(search, "lstSarch");
    hits->setCurrentItem(hits->findItems("A　m7", Qt::MatchExactly).value(0));
    EXPECT_EQ(Subject(), "VozuvIver - Search: A m7");
    EXPECT_TRUE(KeyShows(60, kGreen) && KeyShows(64, kGreen) && !KeyShows(57, kGreen));

    auto* progression = Load<frmProgression>(WindowId::Progression);
    progression->Append({ 7, theory::FindChordType("7"), std::nullopt });
    progression->PlayRow(); // its first slot sounds at once
    progression->StopRow();
    EXPECT_EQ(Subject(), "Progression: G7");

    Midi midi({}); // never opened: the test delivers the held keys itself
    FollowKeyboard(registry, midi);
    emit midi.HeldChanged({ 61, 66 });
    EXPECT_TRUE(KeyShows(61, kMagenta) && KeyShows(66, kMagenta) && !KeyShows(64, kMagenta));
    Find<QPushButton>(instrument, "cmdFace")->click(); // the neck: every position of D♭ and G♭
    const QRect lowGFlat(instrument::neck::Spot({ 0, 2 }, Face()->size(), {}), QSize(8, 8));
    EXPECT_TRUE(Shows(lowGFlat, kMagenta));
    emit midi.HeldChanged({});
    EXPECT_FALSE(Shows(lowGFlat, kMagenta));
}

// The face, the tuning and both choices are kept in the settings file, and the width too.
TEST_F(InstrumentWindow, FaceAndTuningOutliveARestart)
{
    EXPECT_EQ(Find<QPushButton>(instrument, "cmdFace")->text(), "鍵盤");
    EXPECT_FALSE(Find(instrument, "cmbTuning")->isVisibleTo(instrument));
    Find<QPushButton>(instrument, "cmdFace")->click();
    Find<QComboBox>(instrument, "cmbTuning")->setCurrentIndex(5);
    Find<QCheckBox>(instrument, "chkLefty")->setChecked(true);
    instrument->resize(500, instrument->height());
    instrument->close();
    EXPECT_EQ(ini::ReadIni("Instrument", "Face"), "1");
    EXPECT_EQ(ini::ReadIni("Instrument", "Tuning"), "5");
    instrument = Load<frmInstrument>(WindowId::Instrument);
    EXPECT_EQ(Find<QPushButton>(instrument, "cmdFace")->text(), "ネック");
    EXPECT_EQ(Find<QComboBox>(instrument, "cmbTuning")->currentText(), "Ukulele (G C E A)");
    EXPECT_TRUE(Find<QCheckBox>(instrument, "chkLefty")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(instrument, "chkDegree")->isChecked());
    EXPECT_EQ(instrument->width(), 500);
}

// A click on a key plays it, and with the search open puts its note in the next empty box, as
// the chord window spells it; a click on the neck plays the position's note.
TEST_F(InstrumentWindow, AClickPlaysTheKeyAndFillsTheSearch)
{
    auto* search = Load<DialogSarch>(WindowId::Search);
    QTest::mouseClick(Face(), Qt::LeftButton, {}, KeyPoint(61));
    EXPECT_TRUE(Find<QLabel>(search, "lblSarch", 0)->text().isEmpty()); // the search is hidden
    search->show();
    for (int note : { 61, 52 })
        QTest::mouseClick(Face(), Qt::LeftButton, {}, KeyPoint(note));
    EXPECT_EQ(Find<QLabel>(search, "lblSarch", 0)->text(), "C＃");
    EXPECT_EQ(Find<QLabel>(search, "lblSarch", 1)->text(), "E");
    ASSERT_EQ(player.played.size(), 3u);
    EXPECT_EQ(player.played.back(), theory::NotePhrase(52));

    Find<QPushButton>(instrument, "cmdFace")->click();
    Find<QComboBox>(instrument, "cmbTuning")->setCurrentIndex(4); // bass
    instrument::View bass;
    bass.tuning = 4;
    QTest::mouseClick(
        Face(), Qt::LeftButton, {}, instrument::neck::Spot({ 0, 3 }, Face()->size(), bass));
    EXPECT_EQ(player.played.back(), theory::NotePhrase(31)); // G1
}
