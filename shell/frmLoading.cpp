#include "shell/frmLoading.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"

#include <QLabel>
#include <QPainter>

namespace {

// A line of the splash, centred in its place (twips), in bright green.
QLabel* MakeLabel(
    QWidget* parent, const char* name, const char* text, const QRect& twips, bool bold)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    ui::Place(label, name, twips);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::PGothicFont(9, bold));
    ui::PaintText(label, ui::kBrightGreen);
    return label;
}

} // namespace

frmLoading::frmLoading(const QWidget* launcher)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLoading"));
    setWindowTitle(QStringLiteral("Rurized"));
    setFixedSize(ui::Px(3030), ui::Px(825));
    ui::Paint(this, ui::kDarkGreen, ui::kBrightGreen);

    Label1 = MakeLabel(this, "Label1", "Rurized", QRect(300, 120, 2400, 255), true);
    Label2 = MakeLabel(this, "Label2", "Version 1.0", QRect(315, 300, 2400, 255), false);
    Label3 = MakeLabel(this, "Label3", "起動しています・・・", QRect(345, 540, 2400, 255), false);

    if (launcher)
        move(launcher->pos());
}

void frmLoading::paintEvent(QPaintEvent*)
{
    // A thin grey border, and a white frame three pixels wide just inside it.
    QPainter painter(this);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}
