// The sound settings: on or off, the instrument, the volume and the SoundFont, with a sample to
// hear them. Changes take effect at once and are written when the dialog closes.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class Sound;

class SoundDialog : public QDialog {
    Q_OBJECT

public:
    explicit SoundDialog(Sound& sound, QWidget* parent = nullptr);

    // However the dialog ends (its button, Escape, the window's close box): writes the settings.
    void done(int result) override;

private:
    void ListInstruments();
    // Why no sound comes, as the play buttons say it; else the latency in force.
    void ShowStatus();
    void Apply();
    void cmdBrowse_Click();
    void cmdSample_Click();

    QCheckBox* chkOn;
    QComboBox* cmbProgram;
    QSlider* sldVolume;
    QLineEdit* txtSoundFont;
    QPushButton* cmdBrowse;
    QLabel* lblStatus;
    QPushButton* cmdSample;
    QPushButton* cmdClose;

    Sound& sound_;
};
