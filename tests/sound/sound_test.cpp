// The synthesizer service with the real FluidSynth: what the play buttons are told when no sound
// can come, its settings and its dialog.
#include "window_fixture.h"

#include "sound/SoundDialog.h"
#include "sound/sound.h"

#include <QComboBox>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <fstream>

// A missing SoundFont, then a broken one, then a good one put in place: each press tries again
// and each fault is told in the play buttons' words. Values out of range in the file give way
// to the defaults; the dialog lists the instruments by name and writes the settings on close.
TEST(SoundService, TellsWhyNoSoundComesTriesAgainAndKeepsItsSettings)
{
    SettingsFolder settings;
    const std::string font = (settings.File().parent_path() / "font.sf2").string();
    settings.Write("[Sound]\r\nOn=maybe\r\nProgram=300\r\nVolume=-1\r\nSoundFont=" + font + "\r\n");
    Sound sound;
    EXPECT_EQ(sound.Settings(), (SoundSettings { .soundFont = font }));
    int loads = 0;
    QObject::connect(&sound, &Sound::Loaded, [&loads] { ++loads; });
    const auto press = [&sound, &loads] {
        sound.Play({ { { 60 }, 0, 100 } });
        const int before = loads;
        EXPECT_TRUE(QTest::qWaitFor([&] { return loads > before; }, 10000)); // the worker's load
        return sound.WhyUnavailable();
    };
    const QString path = QString::fromStdString(font);
    EXPECT_EQ(press(), QStringLiteral("音が出ません：SoundFont が見つかりません（%1）").arg(path));
    std::ofstream(font) << "RIFF, but no SoundFont";
    EXPECT_EQ(press(), QStringLiteral("音が出ません：SoundFont として読めません（%1）").arg(path));
    std::filesystem::copy_file(
        sound::kDefaultSoundFont, font, std::filesystem::copy_options::overwrite_existing);
    // With no sound server here the output is what is missing now; with one, nothing is.
    EXPECT_FALSE(press().contains(QStringLiteral("SoundFont")));
    EXPECT_EQ(sound.Instruments().size(), 128);

    auto* dialog = new SoundDialog(sound);
    dialog->show();
    auto* programs = Find<QComboBox>(dialog, "cmbProgram");
    EXPECT_TRUE(programs->itemText(0).contains(QStringLiteral("Piano")))
        << programs->itemText(0).toStdString();
    programs->setCurrentIndex(40);
    Find<QSlider>(dialog, "sldVolume")->setValue(55);
    dialog->close();
    EXPECT_EQ(settings.Text(),
        "[Sound]\r\nOn=True\r\nProgram=40\r\nVolume=55\r\nSoundFont=" + font + "\r\n");
}
