#include "instrument/frmInstrument.h"

#include "settings/convert.h"
#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/player.h"
#include "shell/texture.h"
#include "shell/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <functional>
#include <string>

namespace {

constexpr const char* kSection = "Instrument";
// Wide enough for two octaves and the C above; wider shows more keys and wider frets.
constexpr int kWidth = 5400;
constexpr ToolFrame kFrame { "frmInstrument", "Instrument", kWidth, 2220, false, kSection, 5100,
    1770, false };
constexpr int kSide = 60; // twips between the window's edges and the face

// Each face's name on the switch.
const char* const kFaceNames[]
    = { QT_TRANSLATE_NOOP("frmInstrument", "鍵盤"), QT_TRANSLATE_NOOP("frmInstrument", "ネック") };

// The face: paints through the window's painters and hands clicks back.
class InstrumentFace final : public QWidget {
public:
    InstrumentFace(
        QWidget* parent, std::function<void(QPainter&)> paint, std::function<void(QPoint)> click)
        : QWidget(parent)
        , paint_(std::move(paint))
        , click_(std::move(click))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        paint_(painter);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            click_(event->position().toPoint());
    }

private:
    std::function<void(QPainter&)> paint_;
    std::function<void(QPoint)> click_;
};

QLabel* CheckCaption(
    QWidget* parent, const char* name, const QString& text, const QRect& twips, QCheckBox* box)
{
    QLabel* caption = ui::Caption(parent, name, text, twips);
    caption->setBuddy(box);
    return caption;
}

} // namespace

frmInstrument::frmInstrument(Player& player)
    : ToolWindow(kFrame)
    , player_(player)
{
    ui::PaintBackground(this, ui::kBlack);
    CreateControls();
    Load();
}

void frmInstrument::CreateControls()
{
    cmdFace = new QPushButton(this);
    ui::Place(cmdFace, "cmdFace", QRect(60, 45, 810, 285));
    cmdFace->setToolTip(tr("鍵盤とネックを切り替え"));
    chkDegree = new QCheckBox(this);
    ui::Place(chkDegree, "chkDegree", QRect(960, 75, 225, 225));
    lblDegree = CheckCaption(this, "lblDegree", tr("度数"), QRect(1185, 90, 495, 195), chkDegree);
    // The tuning list stands far enough right for the caption to its left to read "Degrees".
    cmbTuning = ui::DropDown(
        this, "cmbTuning", QRect(1935, 45, 2400, 300), ui::kDarkGreen, ui::kBrightGreen);
    for (const theory::Tuning& tuning : theory::Tunings)
        cmbTuning->addItem(ui::Utf8(tuning.name));
    chkLefty = new QCheckBox(this);
    ui::Place(chkLefty, "chkLefty", QRect(4425, 75, 225, 225));
    lblLefty = CheckCaption(this, "lblLefty", tr("左利き"), QRect(4650, 90, 690, 195), chkLefty);

    picInstrument = new InstrumentFace(
        this,
        [this](QPainter& painter) {
            if (face_ == Face::Keyboard)
                instrument::keyboard::Paint(painter, picInstrument->size(), view_);
            else
                instrument::neck::Paint(painter, picInstrument->size(), view_);
        },
        [this](QPoint point) { PlayAt(point); });
    ui::Place(picInstrument, "picInstrument", QRect(kSide, 420, kWidth - 2 * kSide, 1560));
    lblSubject = new QLabel(this);
    ui::Place(lblSubject, "lblSubject", QRect(kSide, 1995, kWidth - 2 * kSide, 195));
    lblSubject->setFont(ui::PGothicFont(9));
    ui::PaintText(lblSubject, ui::kWhite);

    connect(cmdFace, &QPushButton::clicked, this,
        [this] { ShowFace(face_ == Face::Keyboard ? Face::Neck : Face::Keyboard); });
    connect(chkDegree, &QCheckBox::toggled, this, [this](bool on) {
        view_.degrees = on;
        picInstrument->update();
    });
    connect(cmbTuning, &QComboBox::currentIndexChanged, this, [this](int index) {
        view_.tuning = index;
        picInstrument->update();
    });
    connect(chkLefty, &QCheckBox::toggled, this, [this](bool on) {
        view_.leftHanded = on;
        picInstrument->update();
    });

    // Only wider: the face keeps its height.
    setMinimumSize(size());
    setMaximumHeight(height());
}

void frmInstrument::Load()
{
    const auto number = [](const char* key) { return ini::ToLong(ini::ReadIni(kSection, key)); };
    const auto flag = [](const char* key) { return ini::ToBoolean(ini::ReadIni(kSection, key)); };
    const auto face = number("Face");
    const auto tuning = number("Tuning");
    cmbTuning->setCurrentIndex(
        tuning && *tuning >= 0 && *tuning < theory::kTuningCount ? *tuning : 0);
    chkDegree->setChecked(flag("Degrees").value_or(false));
    chkLefty->setChecked(flag("LeftHanded").value_or(false));
    if (const auto width = number("Width"))
        resize(std::max(ui::Px(*width), minimumWidth()), height());
    ShowFace(face == 1 ? Face::Neck : Face::Keyboard);
}

void frmInstrument::WriteSettings()
{
    ini::WriteIni(kSection, "Face", std::to_string(static_cast<int>(face_)));
    ini::WriteIni(kSection, "Tuning", std::to_string(cmbTuning->currentIndex()));
    ini::WriteIni(kSection, "LeftHanded", chkLefty->isChecked() ? "True" : "False");
    ini::WriteIni(kSection, "Degrees", chkDegree->isChecked() ? "True" : "False");
    ini::WriteIni(kSection, "Width", std::to_string(ui::Twips(width())));
}

void frmInstrument::ShowFace(Face face)
{
    face_ = face;
    cmdFace->setText(
        QCoreApplication::translate("frmInstrument", kFaceNames[static_cast<int>(face)]));
    for (QWidget* neckOnly : std::initializer_list<QWidget*> { cmbTuning, chkLefty, lblLefty })
        neckOnly->setVisible(face == Face::Neck);
    picInstrument->update();
}

void frmInstrument::Show(
    const QString& title, const theory::Marking& marking, bool chord, std::uint16_t searched)
{
    view_.marking = marking;
    view_.chord = chord;
    view_.searched = searched;
    lblSubject->setText(title);
    picInstrument->update();
}

void frmInstrument::MarkHeld(const std::vector<int>& notes)
{
    if (notes == view_.held)
        return;
    view_.held = notes;
    picInstrument->update();
}

void frmInstrument::PlayAt(QPoint point)
{
    std::optional<int> note;
    if (face_ == Face::Keyboard) {
        note = instrument::keyboard::NoteAt(point, picInstrument->size());
    } else if (const auto position
        = instrument::neck::PositionAt(point, picInstrument->size(), view_)) {
        note = theory::NeckNote(theory::Tunings[static_cast<std::size_t>(view_.tuning)], *position);
    }
    if (!note)
        return;
    player_.Play(theory::NotePhrase(*note));
    emit NoteClicked(*note);
}

void frmInstrument::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    const int inner = width() - 2 * ui::Px(kSide);
    picInstrument->resize(inner, picInstrument->height());
    lblSubject->resize(inner, lblSubject->height());
}

void frmInstrument::paintEvent(QPaintEvent*)
{
    // The texture, tiled, however wide the window is drawn.
    QPainter(this).fillRect(rect(), QBrush(BackgroundTexture()));
}
