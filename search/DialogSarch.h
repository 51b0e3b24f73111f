// The chord search ("Sarch"): every chord of the catalogue, on every root, that contains all
// the notes dragged into its five boxes.
#pragma once

#include "shell/toolwindow.h"
#include "theory/chordmatch.h"

#include <QPointer>
#include <QTimer>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class WindowRegistry;
class frmChord;

class DialogSarch : public ToolWindow {
    Q_OBJECT

public:
    explicit DialogSarch(WindowRegistry& registry);

    // Lists every chord that holds all the notes of the boxes: plain chords in lstSarch,
    // chords with a tension in lstPass. Unless NoRefresh is ticked, the chord window is
    // stepped through all 336 chords first, one per turn of the event loop, so the user sees
    // the search run; the dialog then shakes.
    void SearchChords();

    bool Searching() const { return stepper_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void WriteSettings() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void Load();

    void Step();
    void AddHit(const theory::ChordHit& hit);
    void FinishSearch(bool shake);
    void Shake();

    void cmdCancel_Click();
    void lstSarch_Click();
    void lstPass_Click();
    void lblSarch_DragDrop(int box, const QString& note);
    void ShowResultChord(const QListWidgetItem* item);

    QPushButton* cmdCancel; // "Clear"
    std::array<QLabel*, 5> lblSarch;
    QPushButton* cmdFreeSarch; // "Start"
    QListWidget* lstSarch;
    QListWidget* lstPass;
    QLabel* lblChordHit;
    QLabel* lblTensionHit;
    QCheckBox* chkHighSpeed; // ticked: the chord window is not stepped through the chords
    QLabel* Label3; // "NoRefresh"

    WindowRegistry& registry_;
    QPointer<frmChord> chord_; // the window a running search steps
    std::vector<theory::ChordHit> hits_;
    std::size_t listed_ = 0; // hits already listed
    int step_ = 0;
    QTimer stepper_;
    QTimer shaker_;
    int jolts_ = 0;
    QPoint home_;
    bool rowsFitted_ = false;
};
