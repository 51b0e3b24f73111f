// What the windows' play controls ask the player for, and what the real synthesizer makes of
// it: a pitch check hears exactly the notes the window shows.
#include "sound/pitch.h"
#include "window_fixture.h"

#include "chord/frmChord.h"
#include "key/frmKey.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "sound/synth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr int kRate = sound::Synth::kSampleRate;

using PlayButtons = WindowTest;

class Offline : public WindowTest {
protected:
    // Presses P in window and renders the phrase it asked for one step at a time, each heard
    // past its attack and before its release: a single note as the note it sounds, a chord as
    // each of its notes at a hundredth of the loudest semitone at least.
    std::vector<int> Press(QWidget* window)
    {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_P);
        const auto phrase = player.played.empty() ? theory::Phrase {} : player.played.back();
        synth->Play(phrase);
        std::vector<int> heard;
        int at = 0;
        for (const theory::PlayedNotes& step : phrase) {
            // One channel is enough: the piano sits in the middle.
            std::vector<float> left(kRate * (step.startMs + step.lengthMs - at) / 1000),
                right(left.size());
            synth->Render(left.data(), right.data(), static_cast<int>(left.size()));
            const std::span samples(
                left.begin() + kRate * (step.startMs - at + 40) / 1000, left.end() - kRate / 50);
            at = step.startMs + step.lengthMs;
            const double loudest = Energy(samples, kRate, LoudestNote(samples, kRate));
            for (int note : step.notes)
                EXPECT_GT(Energy(samples, kRate, note), loudest / 100) << note;
            if (step.notes.size() == 1)
                heard.push_back(HeardNote(samples, kRate));
        }
        return heard;
    }

    sound::Trouble trouble {};
    std::unique_ptr<sound::Synth> synth = sound::Synth::Load("", trouble);
};

// The notes that the cells at indexes name, upward from the octave of middle C: each one the
// first of its pitch class above the one before.
std::vector<int> Rising(const QWidget* window, const char* cells, std::span<const int> indexes)
{
    std::vector<int> notes;
    for (int index : indexes) {
        const QString name = Find<QLabel>(window, cells, index)->text().trimmed();
        if (const auto pc = theory::NotePitchClass(name.toStdString())) {
            int note = notes.empty() ? 60 + *pc : notes.back() + 1;
            while (note % 12 != *pc)
                ++note;
            notes.push_back(note);
        }
    }
    return notes;
}

} // namespace

// B Ionian sounds from B4 up to B5; A 7(♭9) sounds its lit cells, the ninth above the octave.
TEST_F(Offline, APressSoundsTheNotesTheWindowShows)
{
    ASSERT_NE(synth, nullptr) << "the system's General MIDI SoundFont";
    auto* scale = Load<frmScale>(WindowId::Scale);
    Find<QScrollBar>(scale, "vsbRoot")->setValue(0); // B
    Find<QComboBox>(scale, "cmbModeScale")->setCurrentIndex(0); // Ionian
    const int cells[] = { 0, 1, 2, 3, 4, 5, 6, 7, 0 }; // and the root above
    EXPECT_EQ(Press(scale), Rising(scale, "lblScale", cells));

    auto* chord = Load<frmChord>(WindowId::Chord);
    const theory::ChordType type = theory::FindChordType("7(♭9)");
    chord->ShowChord(9, type);
    EXPECT_EQ(Press(chord), Rising(chord, "lblNote", theory::ChordSlots(type)));
}

// N.C. plays nothing, a diatonic button its chord; a key name its tonic chord and the play
// button the main key's; a double click on a search hit shows it in the chord window and plays
// it. When no sound can come, the play buttons say why.
TEST_F(PlayButtons, EachControlPlaysWhatItShowsOrSaysWhyItCannot)
{
    const auto chordPlayed = [this] { return player.played.back().at(0).notes; };
    auto* chord = Load<frmChord>(WindowId::Chord);
    Find<QPushButton>(chord, "cmdPlay")->click();
    ASSERT_EQ(player.played, std::vector<theory::Phrase>(1)) << "N.C. plays nothing";
    Find<QPushButton>(chord, "cmddiatonic", 4)->click(); // V of C
    EXPECT_EQ(chordPlayed(), (std::vector<int> { 67, 71, 74 }));

    auto* key = Load<frmKey>(WindowId::Key);
    Find<QScrollBar>(key, "vsbUpDown")->setValue(3); // E major, four sharps
    QTest::mouseClick(Find(key, "lblKDS", 1), Qt::LeftButton); // C＃m
    EXPECT_EQ(chordPlayed(), (std::vector<int> { 61, 64, 68 }));
    QTest::mouseClick(Find(key, "lblKDS", 4), Qt::LeftButton); // the subdominant, A
    EXPECT_EQ(chordPlayed(), (std::vector<int> { 69, 73, 76 }));
    Find<QPushButton>(key, "cmdPlay")->click(); // as P does, heard above
    EXPECT_EQ(chordPlayed(), (std::vector<int> { 64, 68, 71 }));

    auto* search = Load<DialogSarch>(WindowId::Search);
    Find<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    Find<QLabel>(search, "lblSarch", 0)->setText("E");
    Find<QLabel>(search, "lblSarch", 1)->setText("A");
    Find<QPushButton>(search, "cmdFreeSarch")->click(); // lists every hit at once
    auto* hits = Find<QListWidget>(search, "lstSarch");
    ASSERT_GE(hits->count(), 2);
    emit hits->itemDoubleClicked(hits->item(1));
    EXPECT_EQ(Find<QLabel>(chord, "lblNote", 0)->text()
            + Find<QComboBox>(chord, "cmbChordType")->currentText(),
        hits->item(1)->text());
    Find<QPushButton>(chord, "cmdPlay")->click(); // plays what the chord window shows now
    EXPECT_EQ(player.played.at(5), player.played.at(6));

    // The button stays pressable: a press is the next attempt to make sound come.
    const QWidget* windows[] = { Load<frmScale>(WindowId::Scale), chord, key };
    for (const QString& why : { QStringLiteral("音が出ません：理由"), QString() }) {
        player.Unavailable(why);
        for (const QWidget* window : windows) {
            EXPECT_EQ(Find(window, "cmdPlay")->toolTip(),
                why.isEmpty() ? QStringLiteral("再生（P）") : why);
            EXPECT_TRUE(Find(window, "cmdPlay")->isEnabled());
        }
    }
}
