#include "shell/frmLoading.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/language.h"
#include "shell/units.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QResource>

namespace {

// A line of the splash, filled from the outline of its text that the build made instead of
// drawn with a font: the splash appears before anything else, and loading a font first would
// keep the launcher waiting. The label still holds its text, for screen readers, and draws it
// with the font should the outline be missing.
class Lettering final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QPainterPath outline = StoredOutline(objectName());
        if (outline.isEmpty()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(outline, palette().color(QPalette::WindowText));
    }
};

QLabel* MakeLabel(QWidget* parent, const SplashLine& line)
{
    auto* label = new Lettering(QCoreApplication::translate("frmLoading", line.text), parent);
    ui::Place(label, line.name, QRect(line.left, line.top, line.width, line.height));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::PGothicFont(9, line.bold));
    ui::PaintText(label, ui::kBrightGreen);
    return label;
}

} // namespace

QPainterPath StoredOutline(const QString& line)
{
    // Read from memory at once rather than a value at a time through a file.
    const QString folder = rurized::CurrentLanguage() == rurized::Language::English
        ? QStringLiteral(":/lettering/en/")
        : QStringLiteral(":/lettering/");
    const QResource stored(folder + line + QStringLiteral(".path"));
    QDataStream in(stored.uncompressedData());
    in.setVersion(kLetteringVersion);
    QPainterPath outline;
    in >> outline;
    return outline;
}

frmLoading::frmLoading(const QWidget* launcher)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmLoading"));
    setWindowTitle(QStringLiteral("Rurized"));
    setFixedSize(ui::Px(3030), ui::Px(825));
    ui::Paint(this, ui::kDarkGreen, ui::kBrightGreen);

    Label1 = MakeLabel(this, kSplashLines[0]);
    Label2 = MakeLabel(this, kSplashLines[1]);
    Label3 = MakeLabel(this, kSplashLines[2]);

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
