// The reference book: one fixed black sheet of functional harmony, with the names of the seven
// scale degrees, two characteristic chords and the tensions commonly added to each diatonic
// chord of a major and a minor key. Nothing on it reacts to input; only its position is kept.
#pragma once

#include "shell/toolwindow.h"

class QFrame;

class frmReference : public ToolWindow {
    Q_OBJECT

public:
    // Builds the sheet and restores the position from section "Reference"; the window stays
    // hidden. The 65 texts are labels named "Label1" to "Label65" in reading order: each
    // section's heading, then its rows from left to right.
    frmReference();

private:
    // The dark green line between the major and the minor key's tensions.
    QFrame* Line1;
};
