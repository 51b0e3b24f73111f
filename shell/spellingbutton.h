// The small picture button of the scale and chord windows that cycles their note spelling:
// a face for mixed, a sharp sign, a flat sign, a scale on a staff for by key.
#pragma once

#include "theory/spelling.h"

#include <QPushButton>

#include <string_view>

class SpellingButton : public QPushButton {
    Q_OBJECT

public:
    // Named "cmdOption", placed at twips, showing mode.
    SpellingButton(QWidget* parent, const QRect& twips, theory::SpellingMode mode);

    theory::SpellingMode Mode() const { return mode_; }

    // The mode stored as "Cromatic" in section, or fallback where it is missing or names none
    // of the four modes (which would leave every cell empty and the button stuck).
    void Load(std::string_view section, theory::SpellingMode fallback);
    void Save(std::string_view section) const;

signals:
    // A click moved the cycle on: mixed -> sharps -> flats -> by key -> mixed.
    void ModeChanged(theory::SpellingMode mode);

private:
    void Show(theory::SpellingMode mode);

    theory::SpellingMode mode_;
};
