// The instrument window: what the user last looked at (a scale, a chord, a search hit) on a
// piano keyboard or a fretted neck, with the keys held on a MIDI keyboard.
#pragma once

#include "instrument/painters.h"
#include "shell/toolwindow.h"

#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class Player;

class frmInstrument : public ToolWindow {
    Q_OBJECT

public:
    enum class Face { Keyboard = 0, Neck = 1 };

    // The load handler: restores the face, the tuning, the choices and the place; the window
    // stays hidden and shows nothing until told what to show.
    explicit frmInstrument(Player& player);

    // Shows a scale (chord false) or a chord in its window's colours, named by title under the
    // face; searched rings the pitch classes a search looked for.
    void Show(const QString& title, const theory::Marking& marking, bool chord,
        std::uint16_t searched = 0);

    // The notes held on a MIDI keyboard, live, in magenta; none clears them.
    void MarkHeld(const std::vector<int>& notes);

    Face CurrentFace() const { return face_; }

signals:
    // A key or a position was clicked, and its note played.
    void NoteClicked(int note);

protected:
    void WriteSettings() override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void Load();
    void ShowFace(Face face);
    void PlayAt(QPoint point);

    QPushButton* cmdFace; // shows the face's name; a click switches to the other
    QCheckBox* chkDegree; // degree numbers instead of note names
    QLabel* lblDegree;
    QComboBox* cmbTuning; // the neck's tuning
    QCheckBox* chkLefty; // the neck for the left hand
    QLabel* lblLefty;
    QWidget* picInstrument; // the face
    QLabel* lblSubject; // what is shown, and from which window

    Player& player_;
    Face face_ = Face::Keyboard;
    instrument::View view_;
};
