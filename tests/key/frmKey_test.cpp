#include "window_fixture.h"

#include "key/frmKey.h"
#include "key/keypainter.h"
#include "theory/keys.h"

#include <QLabel>
#include <QScrollBar>

#include <gtest/gtest.h>

using keypainter::Clef;

namespace {

class KeyWindow : public testing::Test {
protected:
    QScrollBar* Bar(const char* name) const { return window->findChild<QScrollBar*>(name); }
    QLabel* Label(const QString& name) const { return window->findChild<QLabel*>(name); }

    // The six names: main major and minor, dominant, subdominant.
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < 6; ++i)
            names << Label(QStringLiteral("lblKDS(%1)").arg(i))->text();
        return names;
    }

    // Whether the three pictures show key k, its dominant and its subdominant on the clef.
    bool ShowsThePicturesOf(int k, Clef clef) const
    {
        const std::pair<const char*, int> pictures[] = { { "imgMainKey", k },
            { "imgDominant", theory::DominantKey(k) },
            { "imgSubdominant", theory::SubdominantKey(k) } };
        for (const auto& [name, key] : pictures) {
            if (Label(name)->pixmap().toImage()
                != keypainter::Paint(clef, key, window->devicePixelRatioF()).toImage())
                return false;
        }
        return true;
    }

    SettingsFolder settings;
    RecordingPlayer player;
    std::unique_ptr<frmKey> window = std::make_unique<frmKey>(player);
};

// Key k's names on the circle of fifths: itself, its dominant, its subdominant, each major and
// relative minor.
QStringList NamesOf(int k)
{
    QStringList names;
    for (int key : { k, theory::DominantKey(k), theory::SubdominantKey(k) }) {
        const theory::KeyName& name = theory::KeyNames[static_cast<std::size_t>(key)];
        names << ui::Utf8(name.major) << ui::Utf8(name.minor);
    }
    return names;
}

// Each key's place on the tonic bar, which falls by name from C♭ at the top to C♯ and C.
const int kTonicPlace[theory::kKeyCount] = { 13, 7, 1, 9, 3, 11, 5, 14, 8, 2, 10, 4, 12, 6, 0 };

} // namespace

// Hidden, the window has drawn no picture yet; its first show draws them. Every key shows its
// dominant and subdominant whichever bar chooses it, on either clef; nothing of it is kept.
TEST_F(KeyWindow, EachKeyShowsItsDominantAndSubdominantWhicheverBarChoosesIt)
{
    EXPECT_EQ(Names(), NamesOf(7)); // C
    EXPECT_TRUE(Label("imgMainKey")->pixmap().isNull());
    window->show();
    EXPECT_TRUE(ShowsThePicturesOf(7, Clef::Treble));
    for (auto [clef, chooser] :
        { std::pair { 0, "vsbUpDown" }, { 0, "vsbCb" }, { 1, "vsbUpDown" } }) {
        Bar("vsbClef")->setValue(clef);
        for (int k = 0; k < theory::kKeyCount; ++k) {
            Bar("vsbUpDown")->setValue((k + 5) % theory::kKeyCount); // so every bar really moves
            Bar(chooser)->setValue(chooser == std::string("vsbCb") ? kTonicPlace[k] : k);
            SCOPED_TRACE(testing::Message() << chooser << " clef " << clef << " key " << k);
            EXPECT_EQ(Names(), NamesOf(k));
            EXPECT_EQ(Bar("vsbUpDown")->value(), k);
            EXPECT_EQ(Bar("vsbCb")->value(), kTonicPlace[k]);
            EXPECT_TRUE(ShowsThePicturesOf(k, clef ? Clef::Bass : Clef::Treble));
        }
    }
    window->close();
    EXPECT_EQ(settings.Text().find("Clef"), std::string::npos);
    EXPECT_EQ(settings.Text().find("UpDown"), std::string::npos);
}
