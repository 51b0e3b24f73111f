// The progression window: chords in a row, heard in time, read in Roman numerals in a key, with
// what could come next, copied as text and carried out as a MIDI file.
#pragma once

#include "shell/toolwindow.h"
#include "theory/playback.h"
#include "theory/progression.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <vector>

class ChordStrip;
class PlayButton;
class Player;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMimeData;
class QPushButton;
class QSpinBox;

class frmProgression : public ToolWindow {
    Q_OBJECT

public:
    static constexpr int kMaxSlots = 32;

    // The load handler: builds the controls and restores the row, its key, tempo and loop and
    // the window's place; it stays hidden. channel gives the MIDI channel files are written on,
    // spelling the chord window's spelling, in which the chords are named.
    frmProgression(Player& player, std::function<int()> channel,
        std::function<theory::SpellingMode()> spelling);
    ~frmProgression() override;

    // Adds a chord at the end of the row (a bar long); false, with a word in the window, when the
    // row is full.
    bool Append(const theory::SongChord& chord);
    // Reads chord names from text and inserts them at index (the end for -1); false, and nothing
    // changes, when a name does not read or the row would overflow.
    bool InsertText(const QString& text, int index = -1);

    // Whether chords held on a MIDI keyboard are recorded into the row.
    bool Recording() const;

    // The row as it stands, and its key (the one chosen, else the one guessed).
    const std::vector<theory::SongChord>& Chords() const { return chords_; }
    theory::Key Key() const;

    // Plays the row from its first slot (once, or round again while the loop box is ticked),
    // or stops it.
    void PlayRow();
    void StopRow();
    bool Playing() const { return timer_.isActive(); }

    // The whole row, or one slot, as a Standard MIDI File and as the mime data a drag carries.
    std::vector<std::uint8_t> MidiFile(int slot = -1) const;
    QMimeData* DragData(int slot) const;

signals:
    // A slot was clicked: the chord window shows it and it sounds.
    void ChordChosen(const theory::SongChord& chord);
    // The slot that sounds while the row plays.
    void ChordSounding(const theory::SongChord& chord);

protected:
    void WriteSettings() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        theory::SongChord chord;
        int beats;
        bool operator==(const Slot&) const = default;
    };

    void CreateControls();
    void Load();
    void Show();
    void Change(std::vector<Slot> row);
    void Undo();
    void Say(const QString& words);
    void ShowNext();
    QString Name(const theory::SongChord& chord) const;
    int Tempo() const;
    theory::Phrase RowPhrase() const;

    void picStrip_Clicked(int index);
    void picStrip_Moved(int from, int to);
    void cmbBeats_Activated(int index);
    void cmdClear_Click();
    void cmdSave_Click();
    void lstNext_DoubleClicked(QListWidgetItem* item);
    void lstNext_Clicked(QListWidgetItem* item);
    void tmrPlay_Timer();

    QComboBox* cmbKey;
    QSpinBox* spnTempo;
    QCheckBox* chkLoop;
    QComboBox* cmbBeats;
    PlayButton* cmdPlay;
    QPushButton* cmdRecord;
    QPushButton* cmdClear;
    ChordStrip* picStrip;
    QLabel* lblNext;
    QListWidget* lstNext;
    QLabel* lblMessage;
    QLabel* lblDragRow; // dragged, carries the whole row out as a MIDI file

    Player& player_;
    std::function<int()> channel_;
    std::function<theory::SpellingMode()> spelling_;
    std::vector<Slot> row_;
    std::vector<theory::SongChord> chords_;
    std::vector<std::vector<Slot>> undo_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<int> startsMs_; // each slot's start while the row plays, and its end last
    QPoint pressedAt_;
};
