// The windows' display routines on the offscreen platform, each with the repaint it causes
// (the regions its changes left dirty): what one step of a dragged thumb costs. Then a whole
// chord search, and loading and closing each window.
#include "app/windows.h"
#include "chord/frmChord.h"
#include "instrument/frmInstrument.h"
#include "key/frmKey.h"
#include "midi/heldkeys.h"
#include "midi/midi.h"
#include "progression/ChordStrip.h"
#include "progression/frmProgression.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "settings/ini.h"
#include "shell/fonts.h"
#include "shell/player.h"
#include "shell/registry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace {

WindowRegistry* registry;

// Delivers what the last change posted, as the event loop would next: above all the paint of
// the regions it left dirty. Every posted event, not only the paint: events left in the queue
// pile up over thousands of iterations and make every later search of the queue slower.
void Repaint(QWidget*) { QCoreApplication::sendPostedEvents(); }

template <class Window> Window* Shown(WindowId id)
{
    auto* window = registry->TouchAs<Window>(id);
    window->show();
    // Until the platform exposes it, a repaint paints nothing.
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    return window;
}

template <class Control> Control* Child(const QWidget* window, const QString& name)
{
    return window->findChild<Control*>(name);
}

// Moving the root renames the 19 cells (Hyouji).
void ChordRootStep(benchmark::State& state)
{
    auto* chord = Shown<frmChord>(WindowId::Chord);
    int value = 0;
    for (auto _ : state) {
        Child<QScrollBar>(chord, "vsbRoot")->setValue(value);
        Repaint(chord);
        value = (value + 1) % 12;
    }
}
BENCHMARK(ChordRootStep);

// Moving the chord type relights the cells (ShowChordType).
void ChordTypeStep(benchmark::State& state)
{
    auto* chord = Shown<frmChord>(WindowId::Chord);
    int value = 1;
    for (auto _ : state) {
        Child<QScrollBar>(chord, "vsbChordType")->setValue(value);
        Repaint(chord);
        value = value % 28 + 1;
    }
}
BENCHMARK(ChordTypeStep);

// Moving the root of the scale window respells its eight cells (ShowScale).
void ScaleRootStep(benchmark::State& state)
{
    auto* scale = Shown<frmScale>(WindowId::Scale);
    int value = 0;
    for (auto _ : state) {
        Child<QScrollBar>(scale, "vsbRoot")->setValue(value);
        Repaint(scale);
        value = (value + 1) % 12;
    }
}
BENCHMARK(ScaleRootStep);

// Moving the key respells the six names and swaps the three pictures (ShowKey).
void KeyStep(benchmark::State& state)
{
    auto* key = Shown<frmKey>(WindowId::Key);
    int value = 0;
    for (auto _ : state) {
        Child<QScrollBar>(key, "vsbUpDown")->setValue(value);
        Repaint(key);
        value = (value + 1) % 15;
    }
}
BENCHMARK(KeyStep);

// Switching the clef swaps the three pictures for the other clef's (ShowKey).
void KeyClefStep(benchmark::State& state)
{
    auto* key = Shown<frmKey>(WindowId::Key);
    int value = 1;
    for (auto _ : state) {
        Child<QScrollBar>(key, "vsbClef")->setValue(value);
        Repaint(key);
        value = 1 - value;
    }
}
BENCHMARK(KeyClefStep);

// One repaint of the instrument's face, the keyboard (0) or the neck (1), showing a scale of seven
// notes (the most marks: 15 keys, 56 positions on a guitar) with three keys held.
void InstrumentRepaint(benchmark::State& state)
{
    auto* scale = Shown<frmScale>(WindowId::Scale);
    Child<QScrollBar>(scale, "vsbMode")->setValue(1); // C Dorian
    auto* instrument = Shown<frmInstrument>(WindowId::Instrument);
    const auto face = state.range(0) ? frmInstrument::Face::Neck : frmInstrument::Face::Keyboard;
    if (instrument->CurrentFace() != face)
        Child<QPushButton>(instrument, "cmdFace")->click();
    instrument->MarkHeld({ 48, 52, 55 });
    auto* picture = Child<QWidget>(instrument, "picInstrument");
    for (auto _ : state)
        picture->repaint();
}
BENCHMARK(InstrumentRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole search with NoRefresh ticked: the hits are listed and the chord window shows the last
// chord tried, then paints once. The search dialog stays hidden, so it does not shake at the end
// (an animation of 26 steps of 15 ms that would only measure the timer).
void SearchChords(benchmark::State& state)
{
    const QStringList notes
        = state.range(0) == 1 ? QStringList { "C" } : QStringList { "C", "E", "G", "B♭", "D" };
    auto* chord = Shown<frmChord>(WindowId::Chord);
    auto* search = registry->TouchAs<DialogSarch>(WindowId::Search);
    Child<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    for (int i = 0; i < notes.size(); ++i)
        Child<QLabel>(search, QStringLiteral("lblSarch(%1)").arg(i))->setText(notes[i]);
    for (auto _ : state) {
        search->SearchChords();
        Repaint(chord);
    }
    for (QLabel* box : search->findChildren<QLabel*>(QRegularExpression("^lblSarch")))
        box->clear();
}
BENCHMARK(SearchChords)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// The same search for one note (C) with InScale ticked: only the chords that lie in the scale
// ScaleView shows (C Ionian) are listed.
void SearchChordsInScale(benchmark::State& state)
{
    registry->Touch(WindowId::Scale);
    auto* chord = Shown<frmChord>(WindowId::Chord);
    auto* search = registry->TouchAs<DialogSarch>(WindowId::Search);
    Child<QCheckBox>(search, "chkHighSpeed")->setChecked(true);
    Child<QCheckBox>(search, "chkInScale")->setChecked(true);
    Child<QLabel>(search, "lblSarch(0)")->setText("C");
    for (auto _ : state) {
        search->SearchChords();
        Repaint(chord);
    }
    Child<QCheckBox>(search, "chkInScale")->setChecked(false);
    Child<QLabel>(search, "lblSarch(0)")->clear();
}
BENCHMARK(SearchChordsInScale)->Unit(benchmark::kMillisecond);

// Keys pressed on a MIDI keyboard while the search is open: each message as the MIDI thread
// takes it, then the windows' answer, the search run and listed and the chord window repainted.
// Four keys go down (D F A C) and come up again, eight messages per iteration.
void HeldNotesToLists(benchmark::State& state)
{
    Midi midi({}); // never opened: the bench delivers the held keys itself
    FollowKeyboard(*registry, midi);
    auto* chord = Shown<frmChord>(WindowId::Chord);
    Shown<DialogSarch>(WindowId::Search);
    midi::HeldKeys keys;
    const unsigned char notes[] = { 62, 65, 69, 72 };
    for (auto _ : state) {
        for (unsigned char status : { 0x90, 0x80 }) {
            for (unsigned char note : notes) {
                const unsigned char message[] = { status, note, 100 };
                if (keys.Feed(message, 3))
                    emit midi.HeldChanged(keys.Notes());
            }
        }
        Repaint(chord);
    }
    registry->Touch(WindowId::Search)->hide();
}
BENCHMARK(HeldNotesToLists)->Unit(benchmark::kMillisecond);

// Ten thousand messages of a flood, as the MIDI thread takes them; the windows hear of the held
// keys once per turn of the event loop, however many arrive.
void FloodOfMessages(benchmark::State& state)
{
    midi::HeldKeys keys;
    for (auto _ : state) {
        for (int n = 0; n < 10000; ++n) {
            const unsigned char message[]
                = { static_cast<unsigned char>(n % 2 ? 0x80 : 0x90), 64, 100 };
            benchmark::DoNotOptimize(keys.Feed(message, 3));
        }
    }
}
BENCHMARK(FloodOfMessages)->Unit(benchmark::kMicrosecond);

// Loading a window (its constructor reads its settings) and closing it (its close handler writes
// them) until it is deleted. The chord window stays loaded for the windows that use it, as it is
// in the program, where the launcher loads it at start-up.
// The progression: 32 chords added one at a time, a slot moved across the row, the row read
// again in another key, and the row written as a MIDI file; each with its repaint.
void ProgressionAddThirtyTwo(benchmark::State& state)
{
    auto* progression = Shown<frmProgression>(WindowId::Progression);
    const theory::SongChord chords[]
        = { { 0, 1, {} }, { 9, 24, {} }, { 2, 24, {} }, { 7, 10, {} } };
    for (auto _ : state) {
        for (int i = 0; i < frmProgression::kMaxSlots; ++i) {
            progression->Append(chords[i % 4]);
            Repaint(progression);
        }
        state.PauseTiming();
        progression->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
        Repaint(progression);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * frmProgression::kMaxSlots);
}
BENCHMARK(ProgressionAddThirtyTwo)->Unit(benchmark::kMicrosecond);

void ProgressionEdit(benchmark::State& state)
{
    auto* progression = Shown<frmProgression>(WindowId::Progression);
    progression->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click();
    for (int i = 0; i < frmProgression::kMaxSlots / 4; ++i)
        progression->InsertText(QStringLiteral("C Am Dm7 G7"));
    auto* strip = progression->findChild<ChordStrip*>(QStringLiteral("picStrip"));
    auto* key = progression->findChild<QComboBox*>(QStringLiteral("cmbKey"));
    const int what = static_cast<int>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        if (what == 0)
            emit strip->Moved(0, frmProgression::kMaxSlots); // the first slot to the end
        else if (what == 1)
            emit key->activated(++step % 2 + 1); // C major, then C minor
        else
            benchmark::DoNotOptimize(progression->MidiFile());
        Repaint(progression);
    }
    state.SetLabel(what == 0 ? "move a slot" : what == 1 ? "relabel in another key" : "MIDI file");
}
BENCHMARK(ProgressionEdit)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void LoadAndClose(benchmark::State& state, WindowId id)
{
    registry->Touch(WindowId::Chord);
    if (id == WindowId::Chord)
        registry->Close(WindowId::Chord);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto _ : state) {
        registry->Touch(id);
        registry->Close(id);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::SetProgramFonts(); // as the program does
    QTemporaryDir settings; // the benchmark never touches the program's own settings file
    ini::SetIniDir(QDir(settings.path()).path().toStdString());
    // The display routines are measured without sound.
    struct Silent : Player {
        void Play(const theory::Phrase&) override { }
    } silent;
    WindowRegistry windows;
    RegisterWindows(windows, silent);
    registry = &windows;

    const std::pair<const char*, WindowId> windowNames[]
        = { { "Scale", WindowId::Scale }, { "Key", WindowId::Key }, { "Chord", WindowId::Chord },
              { "Memo", WindowId::Memo }, { "Reference", WindowId::Reference },
              { "Loading", WindowId::Loading }, { "Author", WindowId::Author },
              { "Search", WindowId::Search }, { "Matrix", WindowId::Matrix },
              { "Progression", WindowId::Progression }, { "Instrument", WindowId::Instrument } };
    for (const auto& [name, id] : windowNames)
        benchmark::RegisterBenchmark(
            (std::string("LoadAndClose/") + name).c_str(), LoadAndClose, id)
            ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
