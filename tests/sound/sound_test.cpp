// The synthesizer service with the real FluidSynth: its settings, its dialog, and what the play
// buttons are told when no sound can come.
#include "window_fixture.h"

#include "sound/SoundDialog.h"
#include "sound/sound.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace {

// Waits for the worker's count-th load or connection to end.
void WaitLoaded(QSignalSpy& loaded, qsizetype count)
{
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), count, 10000);
}

} // namespace

// Each fault is told in the play buttons' words, and the next press tries again: a SoundFont
// put in place afterwards is loaded then.
TEST(SoundService, TellsWhyNoSoundComesAndTriesAgainAtTheNextPress)
{
    SettingsFolder settings;
    const std::filesystem::path font = settings.File().parent_path() / "font.sf2";
    settings.Write("[Sound]\r\nSoundFont=" + font.string() + "\r\n");
    Sound sound;
    QSignalSpy loaded(&sound, &Sound::Loaded);
    sound.Start();
    WaitLoaded(loaded, 1);
    EXPECT_TRUE(sound.WhyUnavailable().contains(QStringLiteral("見つかりません"))) << sound.WhyUnavailable().toStdString();

    std::ofstream(font) << "RIFF, but no SoundFont";
    sound.Play({ { { 60 }, 0, 100 } });
    WaitLoaded(loaded, 2);
    EXPECT_TRUE(sound.WhyUnavailable().contains(QStringLiteral("読めません"))) << sound.WhyUnavailable().toStdString();

    std::filesystem::copy_file(sound::kDefaultSoundFont, font,
        std::filesystem::copy_options::overwrite_existing);
    sound.Play({ { { 60 }, 0, 100 } });
    WaitLoaded(loaded, 3);
    EXPECT_EQ(sound.Instruments().size(), 128);
    // With no sound server here the output is what is missing now; with one, nothing is.
    EXPECT_FALSE(sound.WhyUnavailable().contains(QStringLiteral("SoundFont")));
}

// The dialog lists the SoundFont's instruments by name; what it changes is written on close,
// and values out of range in the file give way to the defaults.
TEST(SoundService, TheDialogShowsTheInstrumentsAndWritesTheSettings)
{
    SettingsFolder settings;
    settings.Write("[Sound]\r\nOn=maybe\r\nProgram=300\r\nVolume=-1\r\n");
    Sound sound;
    EXPECT_EQ(sound.Settings(), SoundSettings {});
    QSignalSpy loaded(&sound, &Sound::Loaded);
    auto* dialog = new SoundDialog(sound);
    dialog->show();
    WaitLoaded(loaded, 1);
    auto* programs = Find<QComboBox>(dialog, "cmbProgram");
    ASSERT_EQ(programs->count(), 128);
    EXPECT_TRUE(programs->itemText(0).startsWith(QStringLiteral("001 "))) << programs->itemText(0).toStdString();
    EXPECT_TRUE(programs->itemText(0).contains(QStringLiteral("Piano"))) << programs->itemText(0).toStdString();

    programs->setCurrentIndex(40);
    Find<QSlider>(dialog, "sldVolume")->setValue(55);
    dialog->close();
    EXPECT_EQ(settings.Text(),
        "[Sound]\r\nOn=True\r\nProgram=40\r\nVolume=55\r\nSoundFont=\r\n");
}
