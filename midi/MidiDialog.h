// The MIDI settings: where plays go, on which channel, and which device feeds the input; it
// says which MIDI system is open, or what is missing. Written when the dialog closes.
#pragma once

#include <QDialog>

#include <array>

class Midi;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class MidiDialog : public QDialog {
    Q_OBJECT

public:
    explicit MidiDialog(Midi& midi, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void ListDevices();
    void Apply();

    std::array<QRadioButton*, 3> optOut;
    QSpinBox* spnChannel;
    QComboBox* cmbInput;
    QLabel* lblStatus;
    QPushButton* cmdClose;

    Midi& midi_;
};
