// The real synthesizer renders what a window's play button asks for, and a pitch check hears
// exactly the notes the window shows.
#include "sound/pitch.h"
#include "window_fixture.h"

#include "chord/frmChord.h"
#include "scale/frmScale.h"
#include "sound/synth.h"
#include "theory/chords.h"
#include "theory/scales.h"
#include "theory/spelling.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <vector>

namespace {

constexpr int kRate = sound::Synth::kSampleRate;

// Renders to memory instead of a sound server.
class OfflinePlayer : public Player {
public:
    OfflinePlayer()
    {
        sound::Trouble trouble {};
        synth = sound::Synth::Load("", trouble);
    }
    void Play(const theory::Phrase& phrase) override
    {
        played = phrase;
        synth->Play(phrase);
    }
    // The next ms milliseconds, mixed to mono.
    std::vector<float> Render(int ms)
    {
        const int frames = kRate * ms / 1000;
        std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
        synth->Render(left.data(), right.data(), frames);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] += right[i];
        return left;
    }
    std::unique_ptr<sound::Synth> synth;
    theory::Phrase played;
};

// Renders the phrase the press started, one step at a time, and hears each single note; a
// chord step must hold every one of its notes clearly above the quietest semitones.
std::vector<int> HeardNotes(OfflinePlayer& player)
{
    std::vector<int> heard;
    int at = 0;
    for (const theory::PlayedNotes& step : player.played) {
        player.Render(step.startMs - at + 40); // past the attack
        const std::vector<float> samples = player.Render(step.lengthMs - 60);
        at = step.startMs + step.lengthMs - 20;
        if (step.notes.size() == 1) {
            heard.push_back(HeardNote(samples, kRate));
            continue;
        }
        const double loudest = Energy(samples, kRate, LoudestNote(samples, kRate));
        for (int note : step.notes)
            EXPECT_GT(Energy(samples, kRate, note), loudest / 100) << note;
    }
    return heard;
}

class Offline : public WindowTest {
protected:
    Offline() { RegisterWindows(registry, offline); }

    // Presses P in window, whichever control has the focus.
    std::vector<int> Press(QWidget* window)
    {
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_P);
        return HeardNotes(offline);
    }

    // The spelling button's click moves to the next spelling.
    void NextSpelling(QWidget* window) { Find<QPushButton>(window, "cmdOption")->click(); }

    OfflinePlayer offline;
};

int Pitch(const QLabel* cell)
{
    return theory::NotePitchClass(cell->text().trimmed().toStdString()).value_or(-1);
}

} // namespace

// The scale window's notes in three spellings: what sounds are the cells' pitch classes, upward
// from the root in the octave of middle C, ending on the root above.
TEST_F(Offline, TheScaleSoundsAsItIsSpelled)
{
    ASSERT_NE(offline.synth, nullptr) << "the system's General MIDI SoundFont";
    auto* scale = Load<frmScale>(WindowId::Scale);
    const std::pair<int, int> shown[] = { { 11, 0 }, { 9, 14 }, { 6, 22 } }; // vsbRoot, scale
    for (const auto& [bar, s] : shown) {
        Find<QScrollBar>(scale, "vsbRoot")->setValue(bar);
        Find<QComboBox>(scale, "cmbModeScale")->setCurrentIndex(s);
        for (int spelling = 0; spelling < 3; ++spelling, NextSpelling(scale)) {
            std::vector<int> expected;
            for (int j = 0; j < theory::kScaleSlots; ++j) {
                const int pc = Pitch(Find<QLabel>(scale, "lblScale", j));
                if (pc >= 0)
                    expected.push_back(pc);
            }
            ASSERT_FALSE(expected.empty());
            expected.push_back(expected.front());
            std::vector<int> heard = Press(scale);
            ASSERT_EQ(heard.size(), expected.size());
            EXPECT_EQ(heard.front(), 60 + expected.front());
            for (std::size_t i = 0; i < heard.size(); ++i)
                EXPECT_EQ(heard[i] % 12, expected[i]) << s << " note " << i;
        }
    }
}

// The chord window's lit cells in three spellings, tensions among them.
TEST_F(Offline, TheChordSoundsItsLitCells)
{
    ASSERT_NE(offline.synth, nullptr);
    auto* chord = Load<frmChord>(WindowId::Chord);
    const std::pair<int, const char*> shown[] = { { 0, "7(♭9)" }, { 4, "m7(11)" }, { 10, "6(9)" } };
    for (const auto& [root, type] : shown) {
        chord->ShowChord(root, theory::FindChordType(type));
        for (int spelling = 0; spelling < 3; ++spelling, NextSpelling(chord)) {
            std::vector<int> lit;
            for (int slot : theory::ChordSlots(theory::FindChordType(type)))
                lit.push_back(Pitch(Find<QLabel>(chord, "lblNote", slot)));
            const std::vector<int> heard = Press(chord);
            ASSERT_EQ(heard.size(), lit.size()) << type;
            for (std::size_t i = 0; i < heard.size(); ++i) {
                EXPECT_EQ(heard[i] % 12, lit[i]) << type << " note " << i;
                EXPECT_TRUE(i == 0 || heard[i] > heard[i - 1]) << type << " note " << i;
            }
        }
    }
}
