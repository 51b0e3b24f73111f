// The scale window: one scale of the catalogue spelled on one root.
#pragma once

#include "theory/spelling.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class WindowRegistry;

class frmScale : public QWidget {
    Q_OBJECT

public:
    // Loads the chord window (hidden) for the spelling pictures the two windows share.
    explicit frmScale(WindowRegistry& registry);

    void ShowScale();

    // Root: pitch class 11 - value, so the thumb at the bottom (11) is C.
    QScrollBar* vsbRoot;
    // The scale's catalogue index, kept on the list's index.
    QScrollBar* vsbMode;
    QLabel* lblRootScale;
    std::array<QLabel*, 8> lblScale;
    QPushButton* cmdOption;
    QLabel* lblMode;
    QComboBox* cmbModeScale;

    theory::SpellingMode SpellingMode = theory::SpellingMode::Sharps;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Load();
    void InitScaleTable();
    void ApplySpellingMode();

    void vsbMode_Change();
    void cmdOption_Click();

    WindowRegistry& registry_;
};
