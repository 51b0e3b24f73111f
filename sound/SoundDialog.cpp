#include "sound/SoundDialog.h"

#include "sound/sound.h"
#include "theory/playback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

template <class Control> Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

SoundDialog::SoundDialog(Sound& sound, QWidget* parent)
    : QDialog(parent)
    , sound_(sound)
{
    setObjectName(QStringLiteral("SoundDialog"));
    setWindowTitle(tr("音の設定"));
    setAttribute(Qt::WA_DeleteOnClose);

    chkOn = Named(new QCheckBox(tr("音を出す"), this), "chkOn");
    cmbProgram = Named(new QComboBox(this), "cmbProgram");
    sldVolume = Named(new QSlider(Qt::Horizontal, this), "sldVolume");
    sldVolume->setRange(0, 100);
    txtSoundFont = Named(new QLineEdit(this), "txtSoundFont");
    txtSoundFont->setPlaceholderText(QString::fromUtf8(sound::kDefaultSoundFont));
    cmdBrowse = Named(new QPushButton(tr("参照…"), this), "cmdBrowse");
    lblStatus = Named(new QLabel(this), "lblStatus");
    lblStatus->setWordWrap(true);
    cmdSample = Named(new QPushButton(tr("試聴"), this), "cmdSample");
    cmdClose = Named(new QPushButton(tr("閉じる"), this), "cmdClose");

    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(txtSoundFont, 1);
    fontRow->addWidget(cmdBrowse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSample);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* form = new QFormLayout(this);
    form->addRow(chkOn);
    form->addRow(tr("音色"), cmbProgram);
    form->addRow(tr("音量"), sldVolume);
    form->addRow(QStringLiteral("SoundFont"), fontRow);
    form->addRow(lblStatus);
    form->addRow(buttons);

    const SoundSettings& settings = sound_.Settings();
    chkOn->setChecked(settings.on);
    sldVolume->setValue(settings.volume);
    txtSoundFont->setText(QString::fromStdString(settings.soundFont));
    ListInstruments();
    ShowStatus();

    connect(&sound_, &Sound::Loaded, this, &SoundDialog::ListInstruments);
    connect(&sound_, &Sound::AvailabilityChanged, this, &SoundDialog::ShowStatus);
    connect(&sound_, &Sound::LatencyChanged, this, &SoundDialog::ShowStatus);
    connect(chkOn, &QCheckBox::toggled, this, &SoundDialog::Apply);
    connect(cmbProgram, &QComboBox::activated, this, [this] {
        Apply();
        cmdSample_Click();
    });
    connect(sldVolume, &QSlider::valueChanged, this, &SoundDialog::Apply);
    connect(txtSoundFont, &QLineEdit::editingFinished, this, &SoundDialog::Apply);
    connect(cmdBrowse, &QPushButton::clicked, this, &SoundDialog::cmdBrowse_Click);
    connect(cmdSample, &QPushButton::clicked, this, &SoundDialog::cmdSample_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    sound_.Start();
}

void SoundDialog::ListInstruments()
{
    // Program numbers as General MIDI counts them, from 1; the SoundFont's own names once it
    // has loaded.
    const QStringList names = sound_.Instruments();
    cmbProgram->clear();
    for (int program = 0; program < 128; ++program) {
        const QString name = program < names.size() ? names[program] : QString();
        cmbProgram->addItem(
            QStringLiteral("%1 %2").arg(program + 1, 3, 10, QLatin1Char('0')).arg(name));
    }
    cmbProgram->setCurrentIndex(sound_.Settings().program);
}

void SoundDialog::ShowStatus()
{
    const QString why = sound_.WhyUnavailable();
    const int ms = sound_.LatencyMs();
    lblStatus->setText(!why.isEmpty() ? why : ms > 0 ? tr("遅延 %1 ms").arg(ms) : QString());
}

void SoundDialog::Apply()
{
    SoundSettings settings;
    settings.on = chkOn->isChecked();
    settings.program = cmbProgram->currentIndex();
    settings.volume = sldVolume->value();
    settings.soundFont = txtSoundFont->text().trimmed().toStdString();
    if (settings != sound_.Settings())
        sound_.Apply(settings);
}

void SoundDialog::cmdBrowse_Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("SoundFont"),
        txtSoundFont->text(), QStringLiteral("SoundFont (*.sf2 *.sf3);;*"));
    if (path.isEmpty())
        return;
    txtSoundFont->setText(path);
    Apply();
}

void SoundDialog::cmdSample_Click()
{
    constexpr theory::ChordType kMajor = theory::FindChordType("major");
    sound_.Play(theory::ChordPhrase(0, kMajor));
}

void SoundDialog::done(int result)
{
    Apply();
    WriteSoundSettings(sound_.Settings());
    QDialog::done(result);
}
