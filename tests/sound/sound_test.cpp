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

namespace {

// The real synthesizer behind an output that is always there and keeps the phrases it plays.
class Recorded final : public sound::Synth {
public:
    explicit Recorded(std::unique_ptr<sound::Synth> synth)
        : synth_(std::move(synth))
    {
    }
    bool Connect() override { return true; }
    bool Connected() const override { return true; }
    void Disconnect() override { }
    void OnOutputError(std::function<void()>) override { }
    int LatencyMs() const override { return 12; }
    void OnLatencyChanged(std::function<void()>) override { }
    void SetProgram(int program) override { synth_->SetProgram(program); }
    void SetVolume(int volume) override { synth_->SetVolume(volume); }
    void Play(const theory::Phrase& phrase) override { played.push_back(phrase); }
    void Silence() override { }
    void Render(float*, float*, int) override { }
    std::vector<std::string> Instruments() const override { return synth_->Instruments(); }

    static inline std::vector<theory::Phrase> played;

private:
    std::unique_ptr<sound::Synth> synth_;
};

} // namespace

// A missing SoundFont, then a broken one, then a good one put in place: each press tries again,
// each fault is told in the play buttons' words and in the dialog, and the press made while the
// good one loads sounds once it has. Values out of range in the file give way to the defaults;
// the dialog lists the instruments by name, shows the latency and writes the settings on close.
TEST(SoundService, TellsWhyNoSoundComesTriesAgainAndKeepsItsSettings)
{
    SettingsFolder settings;
    const std::string font = (settings.File().parent_path() / "font.sf2").string();
    settings.Write("[Sound]\r\nOn=maybe\r\nProgram=300\r\nVolume=-1\r\nSoundFont=" + font + "\r\n");
    Sound sound(
        [](const std::string& soundFont, sound::Trouble& why) -> std::unique_ptr<sound::Synth> {
            auto synth = sound::Synth::Load(soundFont, why);
            return synth ? std::make_unique<Recorded>(std::move(synth)) : nullptr;
        },
        {});
    EXPECT_EQ(sound.Settings(), (SoundSettings { .soundFont = font }));
    int loads = 0;
    QObject::connect(&sound, &Sound::Loaded, [&loads] { ++loads; });
    auto* dialog = new SoundDialog(sound); // starts loading
    const auto press = [&sound, &loads] {
        sound.Play({ { { 60 }, 0, 100 } });
        const int before = loads;
        EXPECT_TRUE(QTest::qWaitFor([&] { return loads > before; }, 10000)); // the worker's load
        return sound.WhyUnavailable();
    };
    const QString path = QString::fromStdString(font);
    EXPECT_EQ(press(), QStringLiteral("音が出ません：SoundFont が見つかりません（%1）").arg(path));
    std::ofstream(font) << "RIFF, but no SoundFont";
    const QString bad = QStringLiteral("音が出ません：SoundFont として読めません（%1）").arg(path);
    EXPECT_EQ(press(), bad);
    EXPECT_EQ(Find<QLabel>(dialog, "lblStatus")->text(), bad);
    std::filesystem::copy_file(
        sound::kDefaultSoundFont, font, std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(press(), QString());
    EXPECT_EQ(Recorded::played, (std::vector<theory::Phrase> { { { { 60 }, 0, 100 } } }));
    EXPECT_EQ(sound.Instruments().size(), 128);

    dialog->show();
    EXPECT_EQ(Find<QLabel>(dialog, "lblStatus")->text(), QStringLiteral("遅延 12 ms"));
    auto* programs = Find<QComboBox>(dialog, "cmbProgram");
    EXPECT_TRUE(programs->itemText(0).contains(QStringLiteral("Piano")))
        << programs->itemText(0).toStdString();
    programs->setCurrentIndex(40);
    Find<QSlider>(dialog, "sldVolume")->setValue(55);
    dialog->close();
    EXPECT_EQ(settings.Text(),
        "[Sound]\r\nOn=True\r\nProgram=40\r\nVolume=55\r\nSoundFont=" + font + "\r\n");
}
