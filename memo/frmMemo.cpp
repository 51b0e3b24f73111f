#include "memo/frmMemo.h"

#include "memo/DrawingSurface.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"

#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kBlue = 0xFF0000;

// The eraser's width while dragging, whatever the pen width.
constexpr int kEraserWidth = 10;

// The surfaces start 240 twips down, below the row of buttons.
constexpr int kWorkSpaceTop = 240;

// To the nearest whole unit, halves to even: 2.5 is 2, 3.5 is 4.
std::int32_t RoundUnit(qreal value)
{
    const double rounded = std::nearbyint(value);
    return static_cast<std::int32_t>(std::clamp<double>(rounded,
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A button whose face is exactly its pen colour, with a raised edge that sinks while pressed:
// the style's own gradient would lighten red 255 to pink. Painted here rather than through a
// style sheet, which would bring in the style sheet machinery for four buttons.
class ColourButton final : public QPushButton {
public:
    ColourButton(QWidget* parent, QColor face)
        : QPushButton(parent)
        , face_(face)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), face_);
        qDrawShadePanel(&painter, rect(), QPalette(QColor(0xD4, 0xD0, 0xC8)), isDown(), 2);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }

private:
    QColor face_;
};

// The text face. A dropped text (a chord-search hit, say) goes in on a line of its own, so that
// drops one after another do not run together; a paste goes in as it is.
class TextFace final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void dropEvent(QDropEvent* event) override
    {
        dropping_ = true;
        QPlainTextEdit::dropEvent(event);
        dropping_ = false;
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        if (!dropping_ || !source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        QTextCursor cursor = textCursor(); // where the text was dropped
        QString text = source->text();
        if (!cursor.atBlockStart())
            text.prepend(QLatin1Char('\n'));
        if (!cursor.atBlockEnd())
            text.append(QLatin1Char('\n'));
        cursor.insertText(text);
        setTextCursor(cursor);
    }

private:
    bool dropping_ = false;
};

QPushButton* MakeColourButton(QWidget* parent, const char* name, int left, std::uint32_t face)
{
    auto* button = new ColourButton(parent, ui::Color(face));
    ui::Place(button, name, QRect(left, 0, 270, 255));
    return button;
}

constexpr ToolFrame kFrame { "frmMemo", "MemoPad", 4020, 2865, false, "Memo", 3435, 2670, false };
} // namespace

frmMemo::frmMemo()
    : ToolWindow(kFrame)
{
    setFont(ui::PGothicFont(9));
    CreateControls();

    connect(cmdBlack, &QPushButton::clicked, this, &frmMemo::cmdBlack_Click);
    connect(cmdRed, &QPushButton::clicked, this, &frmMemo::cmdRed_Click);
    connect(cmdGreen, &QPushButton::clicked, this, &frmMemo::cmdGreen_Click);
    connect(cmdBlue, &QPushButton::clicked, this, &frmMemo::cmdBlue_Click);
    connect(hsbWidth, &QScrollBar::valueChanged, this, &frmMemo::hsbWidth_Change);
    connect(cmdClear, &QPushButton::clicked, this, &frmMemo::cmdClear_Click);
    connect(cmdMode, &QPushButton::clicked, this, &frmMemo::cmdMode_Click);
    connect(picWorkSpace, &DrawingSurface::MouseDown, this, &frmMemo::picWorkSpace_MouseDown);
    connect(picWorkSpace, &DrawingSurface::MouseMove, this, &frmMemo::picWorkSpace_MouseMove);

    PenWidth = 1;
}

void frmMemo::CreateControls()
{
    cmdBlack = MakeColourButton(this, "cmdBlack", 0, ui::kBlack);
    cmdRed = MakeColourButton(this, "cmdRed", 300, kRed);
    cmdGreen = MakeColourButton(this, "cmdGreen", 600, kGreen);
    cmdBlue = MakeColourButton(this, "cmdBlue", 900, kBlue);
    cmdBlack->setToolTip(tr("黒"));
    cmdRed->setToolTip(tr("赤"));
    cmdGreen->setToolTip(tr("緑"));
    cmdBlue->setToolTip(tr("青"));

    // An opaque label in the buttons' face colour, so the pen width reads like a button.
    lblSensyu = new QLabel(QStringLiteral("1"), this);
    ui::Place(lblSensyu, "lblSensyu", QRect(1200, 0, 255, 255));
    lblSensyu->setAlignment(Qt::AlignCenter);
    lblSensyu->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblSensyu->setFont(ui::GothicFont(9));
    QPalette face = lblSensyu->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    lblSensyu->setPalette(face);
    lblSensyu->setAutoFillBackground(true);

    hsbWidth = new QScrollBar(Qt::Horizontal, this);
    ui::Place(hsbWidth, "hsbWidth", QRect(1440, 0, 1515, 255));
    hsbWidth->setRange(1, 20);
    hsbWidth->setValue(1);
    hsbWidth->setSingleStep(1);
    hsbWidth->setPageStep(1);
    hsbWidth->setTracking(true); // the number follows the thumb while it moves
    hsbWidth->setFocusPolicy(Qt::StrongFocus);

    cmdClear = new QPushButton(QStringLiteral("Cls"), this);
    ui::Place(cmdClear, "cmdClear", QRect(3000, 0, 375, 255));
    cmdMode = new QPushButton(QStringLiteral("Mode"), this);
    ui::Place(cmdMode, "cmdMode", QRect(3420, 0, 555, 255));

    picWorkSpace = new DrawingSurface(this);
    ui::Place(picWorkSpace, "picWorkSpace", QRect(0, kWorkSpaceTop, 4020, 2865));

    const std::array<QWidget*, 8> tabOrder { cmdBlack, cmdRed, cmdGreen, cmdBlue, hsbWidth,
        cmdClear, cmdMode, picWorkSpace };
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Form_Resize();
}

// A new text box lays out its empty page at once, which loads a font; the memo pad loads
// hidden before the launcher appears, and nothing loads a font until after that. So the text
// face, hidden until "Mode" is clicked, is built when the memo is first shown or switched.
void frmMemo::CreateTextFace()
{
    if (txtWorkSpace)
        return;
    txtWorkSpace = new TextFace(this);
    ui::Place(txtWorkSpace, "txtWorkSpace", QRect(0, kWorkSpaceTop, 4020, 2865));
    QPalette paper = txtWorkSpace->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    txtWorkSpace->setPalette(paper);
    txtWorkSpace->hide();
    QWidget::setTabOrder(picWorkSpace, txtWorkSpace);
    Form_Resize();
}

void frmMemo::cmdBlack_Click() { picWorkSpace->SetForeColor(ui::Color(ui::kBlack)); }

void frmMemo::cmdRed_Click() { picWorkSpace->SetForeColor(ui::Color(kRed)); }

void frmMemo::cmdGreen_Click() { picWorkSpace->SetForeColor(ui::Color(kGreen)); }

void frmMemo::cmdBlue_Click() { picWorkSpace->SetForeColor(ui::Color(kBlue)); }

void frmMemo::hsbWidth_Change(int value)
{
    PenWidth = static_cast<std::int16_t>(value);
    lblSensyu->setText(QString::number(value));
}

void frmMemo::cmdClear_Click() { picWorkSpace->Clear(); }

void frmMemo::cmdMode_Click()
{
    CreateTextFace();
    const std::array<QWidget*, 9> controls { cmdBlack, cmdGreen, cmdRed, cmdBlue, lblSensyu,
        cmdClear, hsbWidth, picWorkSpace, txtWorkSpace };
    for (QWidget* control : controls)
        control->setHidden(!control->isHidden()); // its own state, even while the window is hidden
    if (!txtWorkSpace->isHidden())
        txtWorkSpace->setFocus();
    else
        picWorkSpace->setFocus();
}

// A press starts a stroke: it sets the pen width for the whole stroke and leaves a dot, so a
// click alone makes a mark. Any button but the left one marks in white.
void frmMemo::picWorkSpace_MouseDown(Qt::MouseButton button, QPointF position)
{
    LastX = RoundUnit(position.x());
    LastY = RoundUnit(position.y());
    picWorkSpace->SetDrawWidth(PenWidth);
    if (button == Qt::LeftButton)
        picWorkSpace->Dot(position, picWorkSpace->ForeColor());
    else
        picWorkSpace->Dot(position, ui::Color(ui::kWhite));
}

// Joins the last point to the pointer: in the pen colour with the left button alone, as a
// 10-pixel white eraser with the right button alone; any other set of buttons draws nothing
// and keeps the last point.
void frmMemo::picWorkSpace_MouseMove(Qt::MouseButtons buttons, QPointF position)
{
    const QPointF last(LastX, LastY);
    if (buttons == Qt::LeftButton) {
        picWorkSpace->Line(last, position, picWorkSpace->ForeColor());
    } else if (buttons == Qt::RightButton) {
        picWorkSpace->SetDrawWidth(kEraserWidth);
        picWorkSpace->Line(last, position, ui::Color(ui::kWhite));
    } else {
        return;
    }
    LastX = RoundUnit(position.x());
    LastY = RoundUnit(position.y());
}

// Both faces fill the window's width and are as tall as the window's inner height, so they
// reach 240 twips past its lower edge.
void frmMemo::Form_Resize()
{
    const QRect area(0, ui::Px(kWorkSpaceTop), width(), height());
    picWorkSpace->setGeometry(area);
    if (txtWorkSpace)
        txtWorkSpace->setGeometry(area);
}

void frmMemo::resizeEvent(QResizeEvent*) { Form_Resize(); }

void frmMemo::showEvent(QShowEvent*) { CreateTextFace(); }

// The purple is painted rather than set in the palette, which every control would inherit.
void frmMemo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ui::Color(ui::kDarkPurple));
}
