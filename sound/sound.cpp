#include "sound/sound.h"

#include "settings/ini.h"

#include <QMetaObject>

SoundSettings ReadSoundSettings()
{
    SoundSettings settings;
    if (auto on = ini::ToBoolean(ini::ReadIni("Sound", "On")))
        settings.on = *on;
    if (auto program = ini::ToLong(ini::ReadIni("Sound", "Program"));
        program && *program >= 0 && *program <= 127)
        settings.program = *program;
    if (auto volume = ini::ToLong(ini::ReadIni("Sound", "Volume"));
        volume && *volume >= 0 && *volume <= 100)
        settings.volume = *volume;
    settings.soundFont = ini::ReadIni("Sound", "SoundFont");
    return settings;
}

void WriteSoundSettings(const SoundSettings& settings)
{
    ini::WriteIni("Sound", "On", settings.on ? "True" : "False");
    ini::WriteIni("Sound", "Program", std::to_string(settings.program));
    ini::WriteIni("Sound", "Volume", std::to_string(settings.volume));
    ini::WriteIni("Sound", "SoundFont", settings.soundFont);
}

Sound::Sound(sound::SynthLoader load, QString engine)
    : load_(std::move(load))
    , engine_(std::move(engine))
    , settings_(ReadSoundSettings())
{
    ShowTrouble(sound::Trouble::None);
}

Sound::~Sound()
{
    if (worker_.joinable())
        worker_.join();
    if (synth_) {
        synth_->OnOutputError(nullptr);
        synth_->OnLatencyChanged(nullptr);
    }
}

void Sound::Start()
{
    if (settings_.on && !synth_)
        Prepare();
}

void Sound::Play(const theory::Phrase& phrase)
{
    if (!settings_.on)
        return;
    if (!working_ && synth_ && synth_->Connected()) {
        synth_->Play(phrase);
        return;
    }
    pending_ = phrase; // sounds as soon as the synthesizer is ready
    Prepare();
}

void Sound::Apply(const SoundSettings& settings)
{
    const bool otherFont = settings.soundFont != settings_.soundFont;
    settings_ = settings;
    if (working_) {
        reload_ = reload_ || otherFont;
        return;
    }
    if (otherFont || !settings_.on) {
        synth_.reset();
        FollowLatency();
    }
    ShowTrouble(sound::Trouble::None);
    if (settings_.on && !synth_)
        Prepare();
    Tune();
}

QStringList Sound::Instruments() const
{
    QStringList names;
    if (synth_ && !working_) {
        for (const std::string& name : synth_->Instruments())
            names << QString::fromStdString(name);
    }
    return names;
}

void Sound::Prepare()
{
    if (working_)
        return;
    working_ = true;
    if (worker_.joinable())
        worker_.join();
    worker_ = std::thread([this, synth = synth_, soundFont = settings_.soundFont]() mutable {
        sound::Trouble trouble = sound::Trouble::None;
        if (!synth)
            synth = load_(soundFont, trouble);
        if (synth && !synth->Connect())
            trouble = sound::Trouble::NoOutput;
        QMetaObject::invokeMethod(
            this, [this, synth, trouble] { Prepared(synth, trouble); }, Qt::QueuedConnection);
    });
}

void Sound::Prepared(std::shared_ptr<sound::Synth> synth, sound::Trouble trouble)
{
    working_ = false;
    synth_ = std::move(synth);
    if (reload_ || !settings_.on) {
        reload_ = false;
        synth_.reset();
        ShowTrouble(sound::Trouble::None);
        if (settings_.on)
            Prepare();
        return;
    }
    // On the output's own thread: the server went away. The next press connects again.
    if (synth_) {
        synth_->OnOutputError([this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (synth_ && !working_) {
                        synth_->Disconnect();
                        ShowTrouble(sound::Trouble::OutputLost);
                        FollowLatency();
                    }
                },
                Qt::QueuedConnection);
        });
        // On the output's own thread: it grew its buffer after running out of sound.
        synth_->OnLatencyChanged([this] {
            QMetaObject::invokeMethod(this, &Sound::FollowLatency, Qt::QueuedConnection);
        });
    }
    FollowLatency();
    Tune();
    ShowTrouble(trouble);
    if (pending_ && synth_ && synth_->Connected())
        synth_->Play(*pending_);
    pending_.reset();
    emit Loaded();
}

void Sound::FollowLatency()
{
    const int ms = synth_ && !working_ ? synth_->LatencyMs() : 0;
    if (ms == latencyMs_)
        return;
    latencyMs_ = ms;
    emit LatencyChanged();
}

void Sound::Tune()
{
    if (!synth_ || working_)
        return;
    synth_->SetProgram(settings_.program);
    synth_->SetVolume(settings_.volume);
}

void Sound::ShowTrouble(sound::Trouble trouble)
{
    using sound::Trouble;
    if (!settings_.on)
        trouble = Trouble::SwitchedOff;
    const QString font = settings_.soundFont.empty() ? QString::fromUtf8(sound::kDefaultSoundFont)
                                                     : QString::fromStdString(settings_.soundFont);
    switch (trouble) {
    case Trouble::None:
        SetWhyUnavailable({});
        break;
    case Trouble::NoEngine:
        SetWhyUnavailable(tr("音が出ません：音源のライブラリ（%1）を読み込めません").arg(engine_));
        break;
    case Trouble::NoSoundFont:
        SetWhyUnavailable(tr("音が出ません：SoundFont が見つかりません（%1）").arg(font));
        break;
    case Trouble::BadSoundFont:
        SetWhyUnavailable(tr("音が出ません：SoundFont として読めません（%1）").arg(font));
        break;
    case Trouble::NoOutput:
        SetWhyUnavailable(tr("音が出ません：音声サーバー（PulseAudio・ALSA・JACK）に接"
                             "続できません。押すともう一度試します"));
        break;
    case Trouble::OutputLost:
        SetWhyUnavailable(
            tr("音が出ません：音声サーバーとの接続が切れました。押すともう一度試します"));
        break;
    case Trouble::SwitchedOff:
        SetWhyUnavailable(tr("音はオフです（ランチャーの右クリックから「音の設定」）"));
        break;
    }
}
