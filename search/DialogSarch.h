// The chord search ("Sarch"): every chord of the catalogue, on every root, that contains all
// the notes dragged into its five boxes.
#pragma once

#include "shell/toolwindow.h"
#include "theory/chordmatch.h"
#include "theory/progression.h"

#include <QPointer>
#include <QTimer>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidgetItem;
class QPushButton;
class ResultList;
class WindowRegistry;
class frmChord;
class frmScale;

class DialogSarch : public ToolWindow {
    Q_OBJECT

public:
    explicit DialogSarch(WindowRegistry& registry);

    // Lists every chord that holds all the notes of the boxes: plain chords in lstSarch,
    // chords with a tension in lstPass. Unless NoRefresh is ticked, the chord window is
    // stepped through all 336 chords first, one per turn of the event loop, so the user sees
    // the search run; the dialog then shakes. With InScale ticked, only the chords whose every
    // note lies in the scale ScaleView shows are listed, and the lists follow that scale.
    void SearchChords();

    bool Searching() const { return stepper_.isActive(); }

    // Notes held on a MIDI keyboard: the boxes take the pitch classes (lowest note first, at
    // most five) in the chord window's spelling, and the lists follow at once, as with NoRefresh
    // ticked, whatever its box says; a running search gives way.
    void SearchHeld(const std::vector<theory::PitchClass>& notes);

    // Puts a note into the first empty box, in the chord window's spelling, as a dropped note;
    // false when every box holds one or a search is running.
    bool PutNote(theory::PitchClass note);

signals:
    // A hit offered to the progression from its list's context menu.
    void HitOffered(const theory::SongChord& chord);
    // A click on a hit showed it in the chord window; searched holds the pitch classes looked for.
    void HitShown(std::uint16_t searched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void WriteSettings() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void Load();
    // Opens beside the chord window, where it covers none of the cells dragged into its boxes,
    // and wholly on the screen; in the screen's middle while the chord window is hidden.
    void PlaceBesideChord();

    // The spelling the boxes take notes in: the chord window's table, else the mixed one.
    theory::SpellingMode BoxSpelling();
    void Step();
    void AddHit(const theory::ChordHit& hit);
    void FinishSearch(bool shake);
    void Shake();

    // InScale is offered while ScaleView is loaded, and follows the scale it shows.
    void WatchScale();
    void ScaleChanged();
    // Lists the kept hits again, or once the running search ends.
    void Refilter();
    // The hits of the last search that the scale lets through, all of them without InScale.
    std::vector<theory::ChordHit> KeptHits() const;
    void Relist();
    // Each searched note's role in the chord of item, by the chord window's interval names.
    QString Why(const QListWidgetItem* item);
    void ShowWhy(const QListWidgetItem* item);

    void cmdCancel_Click();
    void lstSarch_Click();
    void lstPass_Click();
    void lblSarch_DragDrop(int box, const QString& note);
    // The pitch classes the boxes hold, bit pc for pitch class pc.
    std::uint16_t BoxNotes() const;
    // Once a search has listed its hits, the lists follow the boxes at once, for the scale too,
    // and leave the chord window as it is; with every box empty they go.
    void BoxesChanged();
    void ShowResultChord(const QListWidgetItem* item);
    // A double click shows the hit and plays it.
    void PlayHit(QListWidgetItem* item);

    QPushButton* cmdCancel; // "Clear"
    std::array<QLabel*, 5> lblSarch;
    QPushButton* cmdFreeSarch; // "Start"
    ResultList* lstSarch;
    ResultList* lstPass;
    QLabel* lblChordHit;
    QLabel* lblTensionHit;
    QCheckBox* chkHighSpeed; // ticked: the chord window is not stepped through the chords
    QLabel* Label3; // "NoRefresh"
    QCheckBox* chkInScale; // ticked: only the chords that lie in ScaleView's scale
    QLabel* lblInScale; // "InScale"
    QLabel* lblWhy; // the selected hit's notes and their intervals

    WindowRegistry& registry_;
    QPointer<frmChord> chord_; // the window a running search steps
    QPointer<frmScale> scale_; // the window whose scale InScale keeps to
    std::vector<theory::ChordHit> found_; // every hit of the last search
    std::uint16_t notes_ = 0; // the pitch classes it searched for
    bool searched_ = false; // a search has listed its hits since the last Clear
    bool refilter_ = false; // the scale changed while a search ran
    ResultList* lastList_ = nullptr; // the list whose item was chosen last
    std::vector<theory::ChordHit> hits_; // the hits a running search lists
    std::size_t listed_ = 0; // hits already listed
    int step_ = 0;
    QTimer stepper_;
    bool held_ = false; // the search runs for notes held on a MIDI keyboard
    // The lowest held note while the boxes hold what the keys held: the hits are named over it.
    std::optional<theory::PitchClass> heldBass_;
    QTimer shaker_;
    int jolts_ = 0;
    QPoint home_;
    bool rowsFitted_ = false;
};
