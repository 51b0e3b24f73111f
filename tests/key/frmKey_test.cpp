#include "window_fixture.h"

#include "key/frmKey.h"
#include "key/keypainter.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

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

    // Whether the three pictures show keys main, dominant and subdominant of the clef.
    bool Shows(Clef clef, int main, int dominant, int subdominant) const
    {
        const std::pair<const char*, int> pictures[] = { { "imgMainKey", main },
            { "imgDominant", dominant }, { "imgSubdominant", subdominant } };
        for (const auto& [name, k] : pictures) {
            if (Label(name)->pixmap().toImage()
                != keypainter::Paint(clef, k, window->devicePixelRatioF()).toImage())
                return false;
        }
        return true;
    }

    SettingsFolder settings;
    RecordingPlayer player;
    std::unique_ptr<frmKey> window = std::make_unique<frmKey>(player);
};

// A key, its dominant and subdominant, as read off a circle of fifths.
struct KeyRow {
    int k; // vsbUpDown
    int tonic; // vsbCb
    QStringList names;
    int dominant;
    int subdominant;
};
const KeyRow kKeys[] = {
    { 7, 14, { "C　", "A　m", "G　", "E　m", "F　", "D　m" }, 6, 8 },
    // C♯'s dominant G♯ would need eight sharps: A♭ major with four flats instead.
    { 0, 13, { "C＃", "A＃m", "A♭", "F　m", "F＃", "D＃m" }, 11, 1 },
    // C♭'s subdominant F♭ would need eight flats: E major with four sharps instead.
    { 14, 0, { "C♭", "A♭m", "G♭", "E♭m", "E　", "C＃m" }, 13, 3 },
    { 1, 7, { "F＃", "D＃m", "C＃", "A＃m", "B　", "G＃m" }, 0, 2 }, // no wrapping at F♯
    { 9, 2, { "B♭", "G　m", "F　", "D　m", "E♭", "C　m" }, 8, 10 },
};

} // namespace

// Hidden, the window has drawn no picture yet; its first show draws them. Each key shows its
// dominant and subdominant whichever bar chooses it, on either clef; nothing of it is kept.
TEST_F(KeyWindow, EachKeyShowsItsDominantAndSubdominantWhicheverBarChoosesIt)
{
    EXPECT_EQ(Names(), kKeys[0].names);
    EXPECT_TRUE(Label("imgMainKey")->pixmap().isNull());
    window->show();
    EXPECT_TRUE(Shows(Clef::Treble, 7, 6, 8));
    for (auto [clef, chooser] :
        { std::pair { 0, "vsbUpDown" }, { 0, "vsbCb" }, { 1, "vsbUpDown" } }) {
        Bar("vsbClef")->setValue(clef);
        for (const KeyRow& row : kKeys) {
            Bar("vsbUpDown")->setValue(3); // a key in no row, so every bar really moves
            Bar(chooser)->setValue(chooser == std::string("vsbCb") ? row.tonic : row.k);
            SCOPED_TRACE(testing::Message() << chooser << " clef " << clef << " key " << row.k);
            EXPECT_EQ(Names(), row.names);
            EXPECT_EQ(Bar("vsbUpDown")->value(), row.k);
            EXPECT_EQ(Bar("vsbCb")->value(), row.tonic);
            EXPECT_TRUE(
                Shows(clef ? Clef::Bass : Clef::Treble, row.k, row.dominant, row.subdominant));
        }
    }
    window->close();
    EXPECT_EQ(settings.Text().find("Clef"), std::string::npos);
    EXPECT_EQ(settings.Text().find("UpDown"), std::string::npos);
}

TEST_F(KeyWindow, FromCSharpToDFlatTheSignatureBarJumpsToFiveFlatsOnce)
{
    Bar("vsbCb")->setValue(13);
    ASSERT_EQ(Bar("vsbUpDown")->value(), 0);
    QSignalSpy signature(Bar("vsbUpDown"), &QScrollBar::valueChanged);
    QSignalSpy tonic(Bar("vsbCb"), &QScrollBar::valueChanged);
    Bar("vsbCb")->setValue(12); // one name step down: the same pitch spelled with flats
    EXPECT_EQ(Bar("vsbUpDown")->value(), 12);
    EXPECT_EQ(Names()[0], "D♭");
    EXPECT_EQ(signature.count(), 1); // the second pass found both bars right and stopped
    EXPECT_EQ(tonic.count(), 1);
}
