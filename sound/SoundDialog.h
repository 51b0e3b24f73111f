// The sound settings: on or off, the instrument, the volume and the SoundFont, with a sample to
// hear them. Changes take effect at once and are written when the dialog closes.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
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
    void Apply();
    void cmdBrowse_Click();
    void cmdSample_Click();

    QCheckBox* chkOn;
    QComboBox* cmbProgram;
    QSlider* sldVolume;
    QLineEdit* txtSoundFont;
    QPushButton* cmdBrowse;
    QPushButton* cmdSample;
    QPushButton* cmdClose;

    Sound& sound_;
};
