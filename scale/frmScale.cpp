#include "scale/frmScale.h"

#include "chord/frmChord.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/ini.h"
#include "shell/registry.h"
#include "shell/texture.h"
#include "shell/units.h"
#include "shell/wrwinpos.h"
#include "theory/scales.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <string>

namespace {

constexpr std::uint32_t kCyan = 0xFFFF00;

constexpr theory::SpellingMode kDefaultMode = theory::SpellingMode::Sharps;

} // namespace

frmScale::frmScale(WindowRegistry& registry)
    : QWidget(nullptr, ui::kToolWindow)
    , registry_(registry)
{
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(QStringLiteral("ScaleView"));
    setFixedSize(ui::Px(4455), ui::Px(1140));
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
    cmdOption = new QPushButton(this);
    ui::Place(cmdOption, QStringLiteral("cmdOption"), QRect(4140, 240, 270, 255));
    cmdOption->setIconSize(QSize(14, 14));
    cmdOption->setToolTip(QStringLiteral("音名の表記（混合／シャープ／フラット）"));
    ui::PaintButton(cmdOption, ui::kBlack);
    lblMode = ui::Caption(this, "lblMode", "Mode", QRect(600, 600, 495, 195));

    cmbModeScale = ui::DropDown(
        this, "cmbModeScale", QRect(660, 780, 3750, 300), ui::kDarkGreen, ui::kBrightGreen);

    QWidget::setTabOrder(vsbRoot, vsbMode);
    QWidget::setTabOrder(vsbMode, cmbModeScale);
    QWidget::setTabOrder(cmbModeScale, cmdOption);

    connect(vsbRoot, &QScrollBar::valueChanged, this, &frmScale::ShowScale);
    connect(vsbMode, &QScrollBar::valueChanged, this, &frmScale::vsbMode_Change);
    // The list shows a choice at once, from the mouse or the arrow keys alike.
    connect(cmbModeScale, &QComboBox::currentIndexChanged, this, &frmScale::ShowScale);
    connect(cmdOption, &QPushButton::clicked, this, &frmScale::cmdOption_Click);

    Load();
}

void frmScale::Load()
{
    {
        const QSignalBlocker quiet(cmbModeScale);
        InitScaleTable();
        cmbModeScale->setCurrentIndex(0);
    }
    // A stored mode outside the three tables would leave the cells empty and the button
    // stuck, so it counts as unusable like any other bad value.
    SpellingMode = kDefaultMode;
    if (auto mode = ini::ToLong(ini::ReadIni("Scale", "Cromatic"));
        mode && theory::IsSpellingTable(theory::SpellingMode { *mode }))
        SpellingMode = theory::SpellingMode { *mode };
    std::int32_t top = 1440;
    std::int32_t left = 975;
    ReadWinPos("Scale", this, top, left);

    ApplySpellingMode();
    ShowScale();
}

void frmScale::InitScaleTable()
{
    cmbModeScale->clear();
    for (std::string_view name : theory::ScaleNames)
        cmbModeScale->addItem(ui::Utf8(name));
}

void frmScale::ApplySpellingMode()
{
    if (!theory::IsSpellingTable(SpellingMode))
        return;
    // The pictures belong to the chord window; asking for them loads it, hidden, if need be.
    if (auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord))
        cmdOption->setIcon(chord->imgMode[static_cast<std::size_t>(SpellingMode)]);
}

void frmScale::ShowScale()
{
    const int scale = cmbModeScale->currentIndex();
    if (scale < 0)
        return;
    vsbMode->setValue(scale);
    const auto cells = theory::SpellScale(11 - vsbRoot->value(), scale, SpellingMode);
    for (std::size_t j = 0; j < cells.size(); ++j) {
        lblScale[j]->setText(ui::Utf8(cells[j].text));
        ui::Paint(lblScale[j], cells[j].occupied ? ui::kNavy : ui::kBlack, kCyan);
    }
}

void frmScale::vsbMode_Change()
{
    {
        const QSignalBlocker quiet(cmbModeScale);
        cmbModeScale->setCurrentIndex(vsbMode->value());
    }
    ShowScale();
}

void frmScale::cmdOption_Click()
{
    SpellingMode = theory::NextSpellingMode(SpellingMode);
    ApplySpellingMode();
    ShowScale();
}

void frmScale::closeEvent(QCloseEvent* event)
{
    ini::WriteIni("Scale", "Cromatic", std::to_string(static_cast<int>(SpellingMode)));
    WriteWinPos("Scale", this);
    event->accept();
}

void frmScale::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, BackgroundTexture());
}
