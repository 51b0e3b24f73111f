// The scale window: one scale of the catalogue spelled on one root.
#pragma once

#include "shell/toolwindow.h"
#include "theory/spelling.h"

#include <array>

class QComboBox;
class QLabel;
class Player;
class PlayButton;
class QScrollBar;
class SpellingButton;

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

signals:
    // After every ShowScale, so that other windows can follow the scale live.
    void ScaleShown();

protected:
    void WriteSettings() override;

private:
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

    Player& player_;
};
