#include "shell/frmAuthor.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/units.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr std::uint32_t kPurple = 0x800080;

constexpr std::array<std::uint32_t, 6> kFade { 0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040,
    0x000000 };

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    ui::Place(label, name, twips);
    label->setFont(ui::PGothicFont(9));
    ui::PaintText(label, ui::kWhite);
    // A click on any text closes the window like a click on the background.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

frmAuthor::frmAuthor()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAuthor"));
    setWindowTitle(QStringLiteral("Rurized"));
    setFixedSize(ui::Px(5895), ui::Px(2595));
    setAutoFillBackground(true);

    Image1 = MakeLabel(this, "Image1", {}, QRect(300, 285, 480, 480));
    Image1->setPixmap(
        ui::SvgPixmap(QStringLiteral(":/pictures/icon.svg"), QSize(32, 32), devicePixelRatioF()));
    lblTitle = MakeLabel(
        this, "lblTitle", QStringLiteral("Rurized Version 1.0 R1"), QRect(960, 600, 2655, 240));
    lblTitle->setFont(ui::PGothicFont(9, true));
    lblDescription = MakeLabel(this, "lblDescription",
        tr("作曲・編曲のためのスケール、コード、調号の早見表"), QRect(300, 1035, 5400, 240));
    Label2 = MakeLabel(this, "Label2",
        QStringLiteral("ScaleView / VozuvIver / RavAvud / MemoPad / ReferenceBook"),
        QRect(300, 1290, 5400, 240));
    Image2 = MakeLabel(this, "Image2", {}, QRect(300, 1740, 2220, 600));
    Image2->setPixmap(ui::SvgPixmap(
        QStringLiteral(":/pictures/about/banner.svg"), QSize(148, 40), devicePixelRatioF()));
    Label3 = MakeLabel(
        this, "Label3", QStringLiteral("© 2026 Rurized developers"), QRect(2640, 1740, 3000, 240));
    Label4 = MakeLabel(
        this, "Label4", tr("曲づくりのそばに、いつでも。"), QRect(2640, 1980, 3000, 240));
    Label5 = MakeLabel(
        this, "Label5", tr("使ってくださる皆さんに感謝します。"), QRect(2640, 2220, 3000, 240));

    cmdOK = new QPushButton(this);
    ui::Place(cmdOK, "cmdOK", QRect(5160, 240, 495, 495));
    cmdOK->setIcon(ui::SvgIcon(QStringLiteral(":/pictures/about/ok.svg"), QSize(28, 28)));
    cmdOK->setIconSize(QSize(28, 28));
    ui::PaintButton(cmdOK, 0x000000);
    cmdOK->setToolTip(tr("閉じる"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    FadeStep = 0;
    ui::Paint(this, ui::kWhite, ui::kWhite);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30);
    connect(Timer1, &QTimer::timeout, this, &frmAuthor::Timer1_Timer);
    Timer1->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

std::optional<std::uint32_t> frmAuthor::FadeColor(int step)
{
    if (step < 0 || step >= static_cast<int>(kFade.size()))
        return std::nullopt;
    return kFade[static_cast<std::size_t>(step)];
}

void frmAuthor::Timer1_Timer()
{
    const std::optional<std::uint32_t> color = FadeColor(FadeStep);
    if (!color) {
        Timer1->stop(); // nothing left to fade: keep the idle program idle
        return;
    }
    ui::Paint(this, *color, ui::kWhite);
    ++FadeStep;
}

void frmAuthor::mousePressEvent(QMouseEvent*) { close(); }

void frmAuthor::paintEvent(QPaintEvent*)
{
    // Two purple rules and a purple frame over the fading background.
    QPainter painter(this);
    painter.setPen(ui::Color(kPurple));
    painter.drawLine(ui::Px(240), ui::Px(960), ui::Px(5640), ui::Px(960));
    painter.drawLine(ui::Px(240), ui::Px(1620), ui::Px(5640), ui::Px(1620));
    painter.drawRect(ui::TwipsRect(120, 120, 5655, 2355));
}
