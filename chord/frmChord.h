// The chord window: one chord at a time on the 19-slot interval matrix, with the diatonic
// chords of a key below.
#pragma once

#include "theory/spelling.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class WindowRegistry;

class frmChord : public QWidget {
    Q_OBJECT

public:
    explicit frmChord(WindowRegistry& registry);

    // Hyouji ("display"): writes the 19 note cells for the current root and spelling. The
    // cells' colours stand for intervals and stay as they are.
    void Hyouji();

    // Root: pitch class 11 - value, so the thumb at the bottom (11) is C.
    QScrollBar* vsbRoot;
    // The chord type index, mirrored by cmbChordType.
    QScrollBar* vsbChordType;
    QComboBox* cmbChordType;
    std::array<QLabel*, 19> lblNote;
    // The interval names of the 19 slots; the interval-name dialog rewrites them.
    std::array<QLabel*, 19> Matrix;
    QLabel* lblStructure;
    QLabel* lblChord;
    QLabel* lblTension;
    QPushButton* cmdOption;
    QPushButton* cmdSarch; // opens the chord search
    QPushButton* cmdGuitar; // never shown
    QPushButton* cmdSetting; // opens the interval-name dialog

    QLabel* lblKey;
    QComboBox* cmbKey;
    QLabel* lblMajor;
    QLabel* lblMinor;
    std::array<QPushButton*, 14> cmddiatonic;

    // The pictures of the three spelling tables, shown on this window's and the scale
    // window's spelling buttons: a face for mixed, a sharp sign, a flat sign.
    std::array<QIcon, 3> imgMode;

    theory::SpellingMode SpellingMode = theory::SpellingMode::Mixed;

    // While true, a press and drag on a note cell carries its name (to the chord search's
    // boxes); the search switches it off while it runs.
    bool NotesDraggable = true;

    // The MIME type a dragged note cell carries besides plain text, so a drop target can tell
    // a note from any other text.
    static constexpr const char* kNoteMimeType = "application/x-rurized-note";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateMatrix();
    void CreateButtons();
    void CreateDiatonicArea();
    void Load();

    void InitChordTable();
    void ApplySpellingMode();
    void ShowChordType();

    void vsbRoot_Change();
    void vsbChordType_Change();
    void cmdOption_Click();
    void cmdSarch_Click();
    void cmdSetting_Click();
    void cmddiatonic_Click(int index);

    void DragNote(QLabel* cell);

    WindowRegistry& registry_;
    // The lit slots as the cells show them, so a relit chord repaints only what changed.
    std::uint32_t shownLit_ = 0;
    QPoint pressedAt_;
};
