// The windows' display routines on the offscreen platform, each with the repaint it causes
// (the regions its changes left dirty): what one step of a dragged thumb costs.
#include "chord/frmChord.h"
#include "scale/frmScale.h"
#include "shell/ini.h"
#include "shell/registry.h"
#include "shell/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

WindowRegistry* registry;

// Paints what the last change left dirty, as the event loop would next.
void Repaint(QWidget* window) { QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest); }

template <class Window> Window* Shown(WindowId id)
{
    auto* window = registry->TouchAs<Window>(id);
    window->show();
    // Until the platform exposes it, a repaint paints nothing.
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    return window;
}

// Moving the root renames the 19 cells (Hyouji).
void ChordRootStep(benchmark::State& state)
{
    auto* chord = Shown<frmChord>(WindowId::Chord);
    int value = 0;
    for (auto _ : state) {
        chord->vsbRoot->setValue(value);
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
        chord->vsbChordType->setValue(value);
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
        scale->vsbRoot->setValue(value);
        Repaint(scale);
        value = (value + 1) % 12;
    }
}
BENCHMARK(ScaleRootStep);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings; // the benchmark never touches the program's own settings file
    ini::SetIniDir(QDir(settings.path()).path().toStdString());
    WindowRegistry windows;
    RegisterWindows(windows);
    registry = &windows;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
