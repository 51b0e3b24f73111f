#include "scale/frmScale.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/listbar.h"
#include "shell/player.h"
#include "shell/spellingbutton.h"
#include "shell/units.h"
#include "sound/playbutton.h"
#include "theory/copytext.h"
#include "theory/playback.h"
#include "theory/scales.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint32_t kCyan = 0xFFFF00;

constexpr theory::SpellingMode kDefaultMode = theory::SpellingMode::Sharps;

constexpr ToolFrame kFrame { "frmScale", "ScaleView", 4455, 1140, true, "Scale", 1440, 975, true };

} // namespace

frmScale::frmScale(Player& player)
    : ToolWindow(kFrame)
    , player_(player)
{
    ui::PaintBackground(this, ui::kBlack);
    vsbRoot = ui::VerticalBar(this, "vsbRoot", QRect(60, 60, 255, 1035), 11, 11);
    vsbMode
        = ui::VerticalBar(this, "vsbMode", QRect(360, 60, 255, 1035), theory::kScaleCount - 1, 0);
    lblRootScale = ui::Caption(this, "lblRootScale", "Scale", QRect(600, 60, 555, 195));
    for (std::size_t j = 0; j < lblScale.size(); ++j) {
        auto* cell = new QLabel(this);
        ui::Place(cell, ui::ArrayName("lblScale", static_cast<int>(j)),
            QRect(660 + 420 * static_cast<int>(j), 240, 435, 255));
        cell->setFont(ui::GothicFont(9));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFrameShape(QFrame::Box);
        ui::Paint(cell, ui::kNavy, kCyan);
        lblScale[j] = cell;
    }
    cmdOption = new SpellingButton(this, QRect(4140, 240, 270, 255), kDefaultMode);
    lblMode = ui::Caption(this, "lblMode", "Mode", QRect(600, 600, 495, 195));
    cmbModeScale = ui::DropDown(
        this, "cmbModeScale", QRect(660, 780, 3750, 300), ui::kDarkGreen, ui::kBrightGreen);
    for (const theory::Scale& scale : theory::Scales)
        cmbModeScale->addItem(rurized::Translated("Scale", scale.name));

    // Under the spelling button, beside the scale list.
    cmdPlay = new PlayButton(this, QRect(4140, 525, 270, 255), player_);
    cmdFit = new QPushButton(this);
    ui::Place(cmdFit, "cmdFit", QRect(3840, 525, 270, 255));
    cmdFit->setIcon(ui::SvgIcon(QStringLiteral(":/pictures/fit.svg"), QSize(14, 14)));
    cmdFit->setIconSize(QSize(14, 14));
    ui::PaintButton(cmdFit, ui::kBlack);
    cmdFit->setToolTip(tr("VozuvIverのコードを含むスケールへ"));
    cmdInstrument = ui::InstrumentButton(this, "cmdInstrument", QRect(3540, 525, 270, 255));

    QWidget::setTabOrder(vsbRoot, vsbMode);
    QWidget::setTabOrder(vsbMode, cmbModeScale);
    QWidget::setTabOrder(cmbModeScale, cmdOption);
    QWidget::setTabOrder(cmdOption, cmdFit);
    QWidget::setTabOrder(cmdFit, cmdInstrument);
    QWidget::setTabOrder(cmdInstrument, cmdPlay);

    connect(vsbRoot, &QScrollBar::valueChanged, this, &frmScale::ShowScale);
    // The list shows a choice at once, from the mouse or the arrow keys alike.
    KeepInStep(vsbMode, cmbModeScale, [this](int) { ShowScale(); });
    connect(cmdOption, &SpellingButton::ModeChanged, this, &frmScale::ShowScale);
    connect(cmdPlay, &QPushButton::clicked, this, &frmScale::PlayScale);
    connect(cmdFit, &QPushButton::clicked, this, &frmScale::cmdFit_Click);
    connect(cmdInstrument, &QPushButton::clicked, this, &frmScale::InstrumentAsked);

    ui::OfferCopy(this, [this] {
        return ui::Utf8(theory::ScaleCopyText(
            Root(), Scale(), cmdOption->Mode(), cmbModeScale->currentText().toStdString()));
    });

    cmdOption->Load("Scale", kDefaultMode);
    ShowScale();
}

theory::PitchClass frmScale::Root() const { return 11 - vsbRoot->value(); }

int frmScale::Scale() const { return vsbMode->value(); }

theory::SpellingMode frmScale::Spelling() const { return cmdOption->Mode(); }

void frmScale::ShowScale()
{
    const auto cells = theory::SpellScale(Root(), vsbMode->value(), cmdOption->Mode());
    for (std::size_t j = 0; j < cells.size(); ++j) {
        lblScale[j]->setText(ui::Utf8(cells[j].text));
        ui::Paint(lblScale[j], cells[j].occupied ? ui::kNavy : ui::kBlack, kCyan);
    }
    emit ScaleShown();
}

void frmScale::FollowChords(std::function<ChordInView()> chordInView)
{
    chordInView_ = std::move(chordInView);
}

void frmScale::cmdFit_Click()
{
    const ChordInView view = chordInView_ ? chordInView_() : ChordInView {};
    const std::vector<int> scales = theory::ScalesHolding(Root(), view.chord, view.keyScale);
    if (view.chord == 0 || scales.empty()) {
        QToolTip::showText(cmdFit->mapToGlobal(QPoint(0, cmdFit->height())),
            view.chord == 0 ? tr("VozuvIverにコードがありません")
                            : tr("このルートにはVozuvIverのコードを含むスケールがありません"),
            cmdFit);
        return;
    }
    // The next one after the scale shown, round again to the first (the key's own mode).
    const auto shown = std::find(scales.begin(), scales.end(), Scale());
    vsbMode->setValue(
        shown == scales.end() || shown + 1 == scales.end() ? scales.front() : shown[1]);
}

void frmScale::PlayScale() { player_.Play(theory::ScalePhrase(Root(), Scale())); }

void frmScale::WriteSettings() { cmdOption->Save("Scale"); }
