// The chord window: one chord at a time on the 19-slot interval matrix, with the diatonic
// chords of a key below.
#pragma once

#include "shell/toolwindow.h"
#include "theory/chords.h"
#include "theory/diatonic.h"
#include "theory/heldnotes.h"
#include "theory/progression.h"
#include "theory/spelling.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class Player;
class PlayButton;
class QScrollBar;
class SpellingButton;
class WindowRegistry;

class frmChord : public ToolWindow {
    Q_OBJECT

public:
    // The load handler: builds the controls, restores the spelling mode, the interval names
    // and the position, and shows C with nothing lit. The window stays hidden.
    frmChord(WindowRegistry& registry, Player& player);

    // Hyouji ("display"): writes the 19 note cells for the current root and spelling (by key,
    // for the current chord type too). The cells' colours stand for intervals and stay as
    // they are.
    void Hyouji();

    // Moves both selectors to the chord, chord type first, as a user would.
    void ShowChord(theory::PitchClass root, theory::ChordType type);

    theory::SpellingMode Spelling() const;

    // The chord shown, for the windows that follow it: its root, its type and the note cell of
    // each slot as the window names it.
    theory::PitchClass ChordRoot() const { return Root(); }
    theory::ChordType Type() const;
    QString NoteCell(int slot) const;

    // Plays the chord shown: its notes together, then broken upward; "N.C." plays nothing.
    void PlayChord();

    // Frames the structure cells of the pitch classes held on a MIDI keyboard (bit pc of the
    // mask) in a colour of their own; 0 clears the frames.
    void MarkHeld(std::uint16_t pitchClasses);

    // Shows a chord read from held keys, as ShowChord, with its bass cell marked where it is not
    // the root (C/E) and its fifth marked where the hand left it out; the marks and the copied
    // line's name stay until the chord is changed another way.
    void ShowHeldChord(const theory::HeldChord& chord);

    // The chord shown as its copied line names it: "C major", "C/E", "E 7 (no 5th)".
    QString ChordName() const;
    // Its pitch classes as a 12-bit mask (0 for "N.C."), and the notes of its key's scale while
    // it is the diatonic chord a button showed (else 0).
    std::uint16_t ChordPitches() const;
    std::uint16_t KeyScale() const { return keyRoot_ ? keyScale_ : 0; }

    // While busy (a chord search steps the window), no control takes input and no note cell
    // can be dragged; the pointer shows the wait.
    void SetBusy(bool busy);

    // The interval name chosen for slot s, as the catalogue writes it ("増4", whatever the
    // interface's language), which the settings keep; the interval-name dialog rewrites them.
    QString IntervalName(int slot) const;
    void SetIntervalName(int slot, const QString& name);
    // The same name as the cell shows it, in the interface's language ("♯4").
    QString IntervalCaption(int slot) const;

    // Offers the chord shown to the progression: its button, Insert, a diatonic button with Shift.
    void OfferChord();

    // The MIME type a dragged note cell carries besides plain text, so a drop target can tell
    // a note from any other text.
    static constexpr const char* kNoteMimeType = "application/x-rurized-note";

signals:
    void ChordOffered(const theory::SongChord& chord);
    // After every change of the cells' names (Hyouji), so other windows can follow the chord.
    void ChordShown();
    // cmdGuitar was pressed: the instrument window is wanted.
    void InstrumentAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void WriteSettings() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateMatrix();
    void CreateButtons();
    void CreateDiatonicArea();
    void Load();

    theory::PitchClass Root() const;
    void ApplySpellingMode();
    void ShowChordType();
    // Frames the tension cells by how each tension fits the key; no marks clears them.
    void MarkTensions(const theory::TensionFits& fits);
    void ShowHeld();
    // What spells the cells by key besides root and type: the key's name for a diatonic chord's
    // root and the interval names chosen.
    theory::ByKeyNames Names() const;
    // A change of root or type that no diatonic button or held chord made: their marks go.
    void ChordChangedByHand();
    void MarkOmittedFifth();

    void cmdSarch_Click();
    void cmdSetting_Click();
    void cmddiatonic_Click(int index);

    void DragNote(QLabel* cell);

    // Root: pitch class 11 - value, so the thumb at the bottom (11) is C.
    QScrollBar* vsbRoot;
    // The chord type index, mirrored by cmbChordType.
    QScrollBar* vsbChordType;
    QComboBox* cmbChordType;
    std::array<QLabel*, theory::kMatrixSlots> lblNote;
    // The interval names of the 19 slots.
    std::array<QLabel*, theory::kMatrixSlots> Matrix;
    std::array<QString, theory::kMatrixSlots> intervalNames_;
    QLabel* lblStructure;
    QLabel* lblChord;
    QLabel* lblTension;
    SpellingButton* cmdOption;
    QPushButton* cmdSarch; // opens the chord search
    QPushButton* cmdProgression; // puts the chord shown into the progression
    QPushButton* cmdGuitar; // opens the instrument window
    QPushButton* cmdSetting; // opens the interval-name dialog
    PlayButton* cmdPlay;

    QLabel* lblKey;
    // Item k is the key whose tonic is pitch class 11 - k: item 0 is B, item 11 is C.
    QComboBox* cmbKey;
    QLabel* lblMajor;
    QLabel* lblMinor;
    std::array<QPushButton*, 14> cmddiatonic;

    WindowRegistry& registry_;
    Player& player_;
    bool busy_ = false;
    bool showing_ = false; // a diatonic button or a held chord is moving the selectors
    bool tensionsMarked_ = false;
    std::optional<theory::SpelledNote> keyRoot_; // a diatonic chord's root, named by its key
    std::uint16_t keyScale_ = 0; // the notes of that chord's key
    theory::Voicing voicing_; // of a chord read from held keys
    std::uint16_t held_ = 0;
    // The lit slots as the cells show them, so a relit chord repaints only what changed.
    std::uint32_t shownLit_ = 0;
    QPoint pressedAt_;
};
