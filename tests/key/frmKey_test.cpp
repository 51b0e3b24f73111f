#include "settings_folder.h"

#include "key/frmKey.h"
#include "key/keypainter.h"
#include "shell/registry.h"
#include "shell/windows.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtMath>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using keypainter::Clef;

namespace {

class KeyWindow : public testing::Test {
protected:
    KeyWindow() { window = std::make_unique<frmKey>(); }

    QScrollBar* Bar(const char* name) const { return window->findChild<QScrollBar*>(name); }
    QLabel* Label(const QString& name) const { return window->findChild<QLabel*>(name); }

    // The six names as shown: main major and minor, dominant, subdominant.
    std::array<QString, 6> Names() const
    {
        std::array<QString, 6> names;
        for (int i = 0; i < 6; ++i)
            names[static_cast<std::size_t>(i)] = Label(QStringLiteral("lblKDS(%1)").arg(i))->text();
        return names;
    }

    // Whether the picture shows key k of the clef, drawn for this window's screen.
    bool Shows(const char* picture, Clef clef, int k) const
    {
        const QPixmap shown = Label(picture)->pixmap();
        return shown.toImage() == keypainter::Paint(clef, k, window->devicePixelRatioF()).toImage();
    }

    SettingsFolder settings;
    std::unique_ptr<frmKey> window;
};

// A key, its dominant and subdominant as a musician reads them off a circle of fifths.
struct KeyRow {
    int k; // position of vsbUpDown
    int tonic; // position of vsbCb
    std::array<const char*, 6> names;
    int dominant;
    int subdominant;
};

const KeyRow kKeys[] = {
    // C major: G and F.
    { 7, 14, { "C　", "A　m", "G　", "E　m", "F　", "D　m" }, 6, 8 },
    // C♯ major: its dominant G♯ would need eight sharps, so A♭ major with four flats.
    { 0, 13, { "C＃", "A＃m", "A♭", "F　m", "F＃", "D＃m" }, 11, 1 },
    // C♭ major: its subdominant F♭ would need eight flats, so E major with four sharps.
    { 14, 0, { "C♭", "A♭m", "G♭", "E♭m", "E　", "C＃m" }, 13, 3 },
    // F♯ major: the dominant is C♯ major itself, nothing wraps.
    { 1, 7, { "F＃", "D＃m", "C＃", "A＃m", "B　", "G＃m" }, 0, 2 },
    // D♭ major, the flat spelling of C♯.
    { 12, 12, { "D♭", "B♭m", "A♭", "F　m", "G♭", "E♭m" }, 11, 13 },
    { 5, 11, { "D　", "B　m", "A　", "F＃m", "G　", "E　m" }, 4, 6 },
    { 9, 2, { "B♭", "G　m", "F　", "D　m", "E♭", "C　m" }, 8, 10 },
};

std::array<QString, 6> Expected(const KeyRow& row)
{
    std::array<QString, 6> names;
    for (std::size_t i = 0; i < 6; ++i)
        names[i] = QString::fromUtf8(row.names[i]);
    return names;
}

} // namespace

TEST_F(KeyWindow, LoadsHiddenAtCMajorOnTheTrebleClef)
{
    EXPECT_EQ(window->windowTitle(), "RavAvud");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(355, 106)); // 5325 x 1590 twips
    EXPECT_EQ(window->pos(), QPoint(87, 122)); // Left 1305, Top 1830 twips

    EXPECT_EQ(Bar("vsbUpDown")->value(), 7);
    EXPECT_EQ(Bar("vsbCb")->value(), 14);
    EXPECT_EQ(Bar("vsbClef")->value(), 0);
    for (const auto& [name, maximum] :
        { std::pair { "vsbUpDown", 14 }, std::pair { "vsbCb", 14 }, std::pair { "vsbClef", 1 } }) {
        QScrollBar* bar = Bar(name);
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), maximum) << name;
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 1);
    }

    EXPECT_EQ(Names(), Expected(kKeys[0]));
    EXPECT_EQ(Label("Label1")->text(), "主調");
    EXPECT_EQ(Label("Label2")->text(), "上属調");
    EXPECT_EQ(Label("Label3")->text(), "下属調");
    EXPECT_TRUE(Shows("imgMainKey", Clef::Treble, 7));
    EXPECT_TRUE(Shows("imgDominant", Clef::Treble, 6));
    EXPECT_TRUE(Shows("imgSubdominant", Clef::Treble, 8));
}

TEST_F(KeyWindow, NamesAreColouredByColumn)
{
    struct Row {
        int index;
        QColor text;
        QColor background;
    };
    const QColor navy(0, 0, 64), darkGreen(0, 64, 0), darkRed(64, 0, 0);
    const Row rows[] = {
        { 0, QColor(128, 255, 255), navy }, // light cyan
        { 1, QColor(0, 255, 255), navy }, // cyan
        { 2, QColor(0, 255, 0), darkGreen },
        { 3, QColor(0, 255, 0), darkGreen },
        { 4, QColor(255, 255, 128), darkRed }, // light yellow
        { 5, QColor(255, 255, 128), darkRed },
    };
    for (const Row& row : rows) {
        QLabel* label = Label(QStringLiteral("lblKDS(%1)").arg(row.index));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), row.text) << row.index;
        EXPECT_EQ(label->palette().color(QPalette::Window), row.background) << row.index;
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    }
    for (const char* caption : { "Label1", "Label2", "Label3" })
        EXPECT_EQ(Label(caption)->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(KeyWindow, EachKeyShowsItsDominantAndSubdominantWhicheverBarChoosesIt)
{
    for (const char* chooser : { "vsbUpDown", "vsbCb" }) {
        for (const KeyRow& row : kKeys) {
            // Start from a key that is in no row, so every bar really moves.
            Bar("vsbUpDown")->setValue(3);
            Bar(chooser)->setValue(chooser == std::string("vsbUpDown") ? row.k : row.tonic);
            SCOPED_TRACE(testing::Message() << chooser << " key " << row.k);
            EXPECT_EQ(Names(), Expected(row));
            EXPECT_EQ(Bar("vsbUpDown")->value(), row.k);
            EXPECT_EQ(Bar("vsbCb")->value(), row.tonic);
            EXPECT_TRUE(Shows("imgMainKey", Clef::Treble, row.k));
            EXPECT_TRUE(Shows("imgDominant", Clef::Treble, row.dominant));
            EXPECT_TRUE(Shows("imgSubdominant", Clef::Treble, row.subdominant));
        }
    }
}

TEST_F(KeyWindow, FromCSharpToDFlatTheSignatureBarJumpsToFiveFlats)
{
    Bar("vsbCb")->setValue(13);
    ASSERT_EQ(Bar("vsbUpDown")->value(), 0);
    QSignalSpy signature(Bar("vsbUpDown"), &QScrollBar::valueChanged);
    QSignalSpy tonic(Bar("vsbCb"), &QScrollBar::valueChanged);

    Bar("vsbCb")->setValue(12); // one name step down: D♭, the same pitch spelled with flats

    EXPECT_EQ(Bar("vsbUpDown")->value(), 12);
    EXPECT_EQ(Names()[0], "D♭");
    // Each bar moved once; the second pass found both right and stopped.
    EXPECT_EQ(signature.count(), 1);
    EXPECT_EQ(tonic.count(), 1);
}

TEST_F(KeyWindow, ClefSwitchReplacesThePicturesAndNothingElse)
{
    Bar("vsbUpDown")->setValue(0);
    const std::array<QString, 6> names = Names();

    Bar("vsbClef")->setValue(1);
    EXPECT_EQ(Names(), names);
    EXPECT_EQ(Bar("vsbUpDown")->value(), 0);
    EXPECT_EQ(Bar("vsbCb")->value(), 13);
    EXPECT_TRUE(Shows("imgMainKey", Clef::Bass, 0));
    EXPECT_TRUE(Shows("imgDominant", Clef::Bass, 11));
    EXPECT_TRUE(Shows("imgSubdominant", Clef::Bass, 1));
    for (int k = 0; k <= 14; ++k)
        EXPECT_EQ(window->imgCopy[static_cast<std::size_t>(k)].toImage(),
            window->imgKeyF[static_cast<std::size_t>(k)].toImage());

    // The clef stays while the key moves, and switching back restores the treble pictures.
    Bar("vsbUpDown")->setValue(10);
    EXPECT_TRUE(Shows("imgMainKey", Clef::Bass, 10));
    Bar("vsbClef")->setValue(0);
    EXPECT_TRUE(Shows("imgMainKey", Clef::Treble, 10));
    EXPECT_TRUE(Shows("imgSubdominant", Clef::Treble, 11));
}

TEST_F(KeyWindow, PicturesAreDrawnForTheScreensRatio)
{
    const qreal ratio = window->devicePixelRatioF();
    for (const char* name : { "imgMainKey", "imgDominant", "imgSubdominant" }) {
        const QPixmap picture = Label(name)->pixmap();
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(93, 74));
        EXPECT_EQ(picture.width(), qRound(93 * ratio));
    }
}

TEST_F(KeyWindow, PositionIsKeptInItsSectionAndNothingElse)
{
    Bar("vsbUpDown")->setValue(2);
    Bar("vsbClef")->setValue(1);
    window->move(200, 150);
    window->close();
    EXPECT_EQ(settings.Text(), "[Key]\r\nTop=2250\r\nLeft=3000\r\n");

    // A new load comes back there, at C major on the treble clef again.
    window = std::make_unique<frmKey>();
    EXPECT_EQ(window->pos(), QPoint(200, 150));
    EXPECT_EQ(Bar("vsbUpDown")->value(), 7);
    EXPECT_EQ(Bar("vsbClef")->value(), 0);
}

TEST(KeyWindowRegistry, TheLauncherLoadsTheKeyWindowHidden)
{
    SettingsFolder settings;
    WindowRegistry registry;
    RegisterWindows(registry);
    auto* key = registry.TouchAs<frmKey>(WindowId::Key);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->isVisible());
    EXPECT_TRUE(key->testAttribute(Qt::WA_DeleteOnClose));
}
