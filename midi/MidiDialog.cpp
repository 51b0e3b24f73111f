#include "midi/MidiDialog.h"

#include "midi/midi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

MidiDialog::MidiDialog(Midi& midi, QWidget* parent)
    : QDialog(parent)
    , midi_(midi)
{
    setObjectName(QStringLiteral("MidiDialog"));
    setWindowTitle(tr("MIDI の設定"));
    setAttribute(Qt::WA_DeleteOnClose);

    const char* outs[] = { QT_TR_NOOP("内蔵の音源で鳴らす"),
        QT_TR_NOOP("内蔵の音源と MIDI 出力の両方へ"), QT_TR_NOOP("MIDI 出力だけへ") };
    auto* outBox = new QVBoxLayout;
    for (std::size_t i = 0; i < optOut.size(); ++i) {
        optOut[i] = new QRadioButton(tr(outs[i]), this);
        optOut[i]->setObjectName(QStringLiteral("optOut(%1)").arg(i));
        outBox->addWidget(optOut[i]);
    }
    spnChannel = new QSpinBox(this);
    spnChannel->setObjectName(QStringLiteral("spnChannel"));
    spnChannel->setRange(1, 16);
    cmbInput = new QComboBox(this);
    cmbInput->setObjectName(QStringLiteral("cmbInput"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    cmdClose = new QPushButton(tr("閉じる"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("再生の出力"), outBox);
    form->addRow(tr("チャンネル"), spnChannel);
    form->addRow(tr("入力の機器"), cmbInput);
    form->addRow(lblStatus);
    form->addRow(cmdClose);

    const MidiSettings& settings = midi_.Settings();
    optOut[static_cast<std::size_t>(settings.out)]->setChecked(true);
    spnChannel->setValue(settings.channel);
    ListDevices();

    // Connected once the controls show the settings: a change on the way would apply a channel
    // and an input not shown yet.
    for (QRadioButton* opt : optOut)
        connect(opt, &QRadioButton::toggled, this, &MidiDialog::Apply);
    connect(&midi_, &Midi::Opened, this, &MidiDialog::ListDevices);
    // Ports that could not open at start-up are tried again: a JACK server started since is
    // found now.
    midi_.Start();
    connect(spnChannel, &QSpinBox::valueChanged, this, &MidiDialog::Apply);
    connect(cmbInput, &QComboBox::activated, this, &MidiDialog::Apply);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void MidiDialog::ListDevices()
{
    // The program's own ports are always there; a device is connected to them directly.
    lblStatus->setText(midi_.WhyUnavailable().isEmpty()
            ? tr("%1 の「Rurized」の in と out に、ほかの機器やプログラムをつなげます")
                  .arg(midi_.Status())
            : midi_.Status());
    const QString chosen = QString::fromStdString(midi_.Settings().input);
    cmbInput->clear();
    cmbInput->addItem(tr("（なし）"), QString());
    for (const QString& device : midi_.Devices())
        cmbInput->addItem(device, device);
    if (!chosen.isEmpty() && cmbInput->findData(chosen) < 0)
        cmbInput->addItem(tr("%1（見つかりません）").arg(chosen), chosen);
    cmbInput->setCurrentIndex(std::max(0, cmbInput->findData(chosen)));
}

void MidiDialog::Apply()
{
    MidiSettings settings;
    for (std::size_t i = 0; i < optOut.size(); ++i) {
        if (optOut[i]->isChecked())
            settings.out = static_cast<int>(i);
    }
    settings.channel = spnChannel->value();
    settings.input = cmbInput->currentData().toString().toStdString();
    if (settings != midi_.Settings())
        midi_.Apply(settings);
}

void MidiDialog::done(int result)
{
    Apply();
    WriteMidiSettings(midi_.Settings());
    QDialog::done(result);
}
