// The scale window: one scale of the catalogue spelled on one root.
#pragma once

#include "shell/toolwindow.h"
#include "theory/spelling.h"

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class Player;
class PlayButton;
class QScrollBar;
class SpellingButton;

// The chord another window shows, for the scales that fit it: its pitch classes (0 for none) and,
// for a chord of a key, the notes of the key's scale.
struct ChordInView {
    std::uint16_t chord = 0;
    std::uint16_t keyScale = 0;
};

class frmScale : public ToolWindow {
    Q_OBJECT

public:
    // The load handler: builds the controls, restores the spelling mode and the position, and
    // shows C Ionian. The window stays hidden.
    explicit frmScale(Player& player);

    // Writes the cells of the chosen scale on the chosen root in the window's spelling.
    void ShowScale();

    // Plays the scale shown, upward from its root to the root an octave up.
    void PlayScale();

    // The scale shown: its root and its catalogue index.
    theory::PitchClass Root() const;
    int Scale() const;
    theory::SpellingMode Spelling() const;

    // Where cmdFit asks for the chord to fit; without it, cmdFit finds no chord.
    void FollowChords(std::function<ChordInView()> chordInView);

signals:
    // After every ShowScale, so that other windows can follow the scale live.
    void ScaleShown();
    // cmdInstrument was pressed: the instrument window is wanted.
    void InstrumentAsked();

protected:
    void WriteSettings() override;

private:
    void cmdFit_Click();

    // Root: pitch class 11 - value, so the thumb at the bottom (11) is C.
    QScrollBar* vsbRoot;
    // The scale's catalogue index, kept on the list's index.
    QScrollBar* vsbMode;
    QLabel* lblRootScale;
    std::array<QLabel*, 8> lblScale;
    SpellingButton* cmdOption;
    QLabel* lblMode;
    QComboBox* cmbModeScale;
    PlayButton* cmdPlay;
    // Steps through the scales on the root that hold the chord window's chord.
    QPushButton* cmdFit;
    QPushButton* cmdInstrument; // opens the instrument window

    Player& player_;
    std::function<ChordInView()> chordInView_;
};
