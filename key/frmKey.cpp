#include "key/frmKey.h"

#include "key/keypainter.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/language.h"
#include "shell/player.h"
#include "shell/units.h"
#include "sound/playbutton.h"
#include "theory/copytext.h"
#include "theory/playback.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

namespace {

// The window's layout, in twips: the three selectors side by side at the left, then a column
// per key (main, dominant, subdominant) with its names and caption over its picture.
constexpr int kMargin = 45;
constexpr int kScrollWidth = 210;
constexpr int kScrollHeight = 1485;
constexpr std::array<int, 3> kColumnLeft { 765, 2295, 3825 };
constexpr int kNameHeight = 255;
constexpr int kMajorWidth = 390;
constexpr int kMinorWidth = 465;
constexpr int kCaptionWidth = 600;
constexpr int kPictureTop = 360;
constexpr int kPictureWidth = 1455;
constexpr int kPictureHeight = 1170;

// Name colours per column: major text, minor text, background.
struct NameColours {
    std::uint32_t major;
    std::uint32_t minor;
    std::uint32_t background;
};
constexpr std::array<NameColours, 3> kNameColours { {
    { 0xFFFF80, 0xFFFF00, 0x400000 }, // main: light cyan and cyan on navy
    { 0x00FF00, 0x00FF00, 0x004000 }, // dominant: green on dark green
    { 0x80FFFF, 0x80FFFF, 0x000040 }, // subdominant: light yellow on dark red
} };

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, int left, int maximum)
{
    return ui::VerticalBar(
        parent, name, QRect(left, kMargin, kScrollWidth, kScrollHeight), maximum, 0);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    ui::Place(label, name, twips);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::GothicFont(9));
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, int left)
{
    auto* picture = new QLabel(parent);
    ui::Place(picture, name, QRect(left, kPictureTop, kPictureWidth, kPictureHeight));
    picture->setAlignment(Qt::AlignCenter);
    // Sunk into the window like a card, whatever the desktop's colour scheme.
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    picture->setPalette(palette);
    return picture;
}

constexpr ToolFrame kFrame { "frmKey", "RavAvud", 5325, 1590, true, "Key", 1830, 1305, true };

} // namespace

frmKey::frmKey(Player& player)
    : ToolWindow(kFrame)
    , player_(player)
{
    CreateControls();
    picturesRatio_ = devicePixelRatioF();

    connect(vsbUpDown, &QScrollBar::valueChanged, this, &frmKey::vsbUpDown_Change);
    connect(vsbCb, &QScrollBar::valueChanged, this, &frmKey::vsbCb_Change);
    connect(vsbClef, &QScrollBar::valueChanged, this, &frmKey::vsbClef_Change);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { PlayKeyName(0); });
    for (QLabel* name : lblKDS)
        name->installEventFilter(this);
    ui::OfferCopy(this, [this] {
        const std::string captions[] = { Label1->text().toStdString(), Label2->text().toStdString(),
            Label3->text().toStdString() };
        return ui::Utf8(theory::KeyCopyText(k, { captions[0], captions[1], captions[2] }));
    });

    k = theory::kKeyOfC;
    InitKeyNames();
    ShowKey();
}

void frmKey::CreateControls()
{
    vsbUpDown = MakeScrollBar(this, "vsbUpDown", kMargin, theory::kKeyCount - 1);
    vsbCb = MakeScrollBar(this, "vsbCb", kMargin + kScrollWidth, theory::kKeyCount - 1);
    vsbClef = MakeScrollBar(this, "vsbClef", kMargin + 2 * kScrollWidth, 1);

    std::array<QLabel*, 3> captionLabels {};
    for (int column = 0; column < 3; ++column) {
        const int left = kColumnLeft[static_cast<std::size_t>(column)];
        const NameColours& colours = kNameColours[static_cast<std::size_t>(column)];
        for (int minor = 0; minor < 2; ++minor) {
            const int index = 2 * column + minor;
            QLabel* name = MakeLabel(this, ui::ArrayName("lblKDS", index), {},
                minor ? QRect(left + kMajorWidth, kMargin, kMinorWidth, kNameHeight)
                      : QRect(left, kMargin, kMajorWidth, kNameHeight));
            ui::Paint(name, colours.background, minor ? colours.minor : colours.major);
            name->setFrameStyle(QFrame::Box | QFrame::Plain);
            lblKDS[static_cast<std::size_t>(index)] = name;
        }
        QLabel* caption = MakeLabel(this, QStringLiteral("Label%1").arg(column + 1),
            rurized::Translated("frmKey", theory::kKeyCaptions[static_cast<std::size_t>(column)]),
            QRect(left + kMajorWidth + kMinorWidth, kMargin, kCaptionWidth, kNameHeight));
        ui::PaintText(caption, ui::kWhite);
        captionLabels[static_cast<std::size_t>(column)] = caption;
    }
    Label1 = captionLabels[0];
    Label2 = captionLabels[1];
    Label3 = captionLabels[2];

    imgMainKey = MakePicture(this, "imgMainKey", kColumnLeft[0]);
    imgDominant = MakePicture(this, "imgDominant", kColumnLeft[1]);
    imgSubdominant = MakePicture(this, "imgSubdominant", kColumnLeft[2]);
    // In the main key's card, below its staff.
    cmdPlay = new PlayButton(this,
        QRect(kColumnLeft[0] + kPictureWidth - 330, kPictureTop + kPictureHeight - 315, 270, 255),
        player_);
}

const QPixmap& frmKey::KeyPicture(int index)
{
    const bool treble = vsbClef->value() == 0;
    QPixmap& picture = (treble ? imgKeyG : imgKeyF)[static_cast<std::size_t>(index)];
    if (picture.isNull())
        picture = keypainter::Paint(
            treble ? keypainter::Clef::Treble : keypainter::Clef::Bass, index, picturesRatio_);
    return picture;
}

void frmKey::InitKeyNames()
{
    for (int i = 0; i < theory::kKeyCount; ++i) {
        const theory::KeyName& key = theory::KeyNames[static_cast<std::size_t>(i)];
        KeyName[static_cast<std::size_t>(i)]
            = { QString::fromUtf8(key.major.data(), key.major.size()),
                  QString::fromUtf8(key.minor.data(), key.minor.size()), key.chromatic };
    }
}

void frmKey::ShowKey()
{
    const auto main = static_cast<std::size_t>(k);
    const auto dominant = static_cast<std::size_t>(theory::DominantKey(k));
    const auto subdominant = static_cast<std::size_t>(theory::SubdominantKey(k));

    lblKDS[0]->setText(KeyName[main].major);
    lblKDS[1]->setText(KeyName[main].minor);
    lblKDS[2]->setText(KeyName[dominant].major);
    lblKDS[3]->setText(KeyName[dominant].minor);
    lblKDS[4]->setText(KeyName[subdominant].major);
    lblKDS[5]->setText(KeyName[subdominant].minor);
    if (shown_)
        ShowPictures();

    vsbUpDown->setValue(k);
    vsbCb->setValue(KeyName[main].chromatic);
}

void frmKey::ShowPictures()
{
    imgMainKey->setPixmap(KeyPicture(k));
    imgDominant->setPixmap(KeyPicture(theory::DominantKey(k)));
    imgSubdominant->setPixmap(KeyPicture(theory::SubdominantKey(k)));
}

void frmKey::vsbUpDown_Change(int value)
{
    k = value;
    ShowKey();
}

void frmKey::vsbCb_Change(int value)
{
    k = theory::KeyFromChromatic(value);
    ShowKey();
}

void frmKey::vsbClef_Change(int) { ShowKey(); }

void frmKey::PlayKeyName(int index)
{
    const std::array<theory::KeyIndex, 3> columns { k, theory::DominantKey(k),
        theory::SubdominantKey(k) };
    player_.Play(theory::KeyChordPhrase(columns[static_cast<std::size_t>(index / 2)], index % 2));
}

bool frmKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < lblKDS.size(); ++i) {
            if (watched == lblKDS[i])
                PlayKeyName(static_cast<int>(i));
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

// Pictures drawn for one device-pixel ratio are drawn again when the window shows on, or moves
// to, a screen of another ratio, so they stay crisp there. Shown, the window draws the whole
// library at once.
void frmKey::RenderForScreen()
{
    if (!qFuzzyCompare(devicePixelRatioF(), picturesRatio_)) {
        picturesRatio_ = devicePixelRatioF();
        imgKeyG.fill(QPixmap());
        imgKeyF.fill(QPixmap());
    }
    for (int i = 0; i < theory::kKeyCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (imgKeyG[index].isNull())
            imgKeyG[index] = keypainter::Paint(keypainter::Clef::Treble, i, picturesRatio_);
        if (imgKeyF[index].isNull())
            imgKeyF[index] = keypainter::Paint(keypainter::Clef::Bass, i, picturesRatio_);
    }
    ShowPictures();
}

void frmKey::showEvent(QShowEvent* event)
{
    if (!followsScreen_ && windowHandle()) {
        connect(windowHandle(), &QWindow::screenChanged, this, &frmKey::RenderForScreen);
        followsScreen_ = true;
    }
    shown_ = true;
    RenderForScreen();
    QWidget::showEvent(event);
}
