#include "midi/midi.h"

#include "settings/ini.h"

#include <QMetaObject>

#include <algorithm>

MidiSettings ReadMidiSettings()
{
    MidiSettings settings;
    if (auto out = ini::ToLong(ini::ReadIni("Midi", "Out")); out && *out >= 0 && *out <= 2)
        settings.out = *out;
    if (auto channel = ini::ToLong(ini::ReadIni("Midi", "Channel"));
        channel && *channel >= 1 && *channel <= 16)
        settings.channel = *channel;
    settings.input = ini::ReadIni("Midi", "Input");
    return settings;
}

void WriteMidiSettings(const MidiSettings& settings)
{
    ini::WriteIni("Midi", "Out", std::to_string(settings.out));
    ini::WriteIni("Midi", "Channel", std::to_string(settings.channel));
    ini::WriteIni("Midi", "Input", settings.input);
}

Midi::Midi(midi::PortsOpener open)
    : open_(std::move(open))
    , settings_(ReadMidiSettings())
    , status_(tr("MIDI を開いています…"))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Midi::SendDue);
    SetWhyUnavailable(status_);
}

Midi::~Midi()
{
    if (worker_.joinable())
        worker_.join();
    Silence();
    if (ports_) {
        ports_->OnHeldChanged(nullptr);
        // Whatever another program may still hold from this one.
        ports_->Send({ static_cast<unsigned char>(0xB0 | (settings_.channel - 1)), 123, 0 });
    }
}

void Midi::Start()
{
    if (ports_ || opening_)
        return;
    opening_ = true;
    worker_ = std::thread([this, input = settings_.input] {
        std::string why;
        std::shared_ptr<midi::Ports> ports = open_(why);
        if (ports && !input.empty())
            ports->ConnectInput(input);
        QMetaObject::invokeMethod(
            this, [this, ports, why] { PortsOpened(ports, why); }, Qt::QueuedConnection);
    });
}

void Midi::PortsOpened(std::shared_ptr<midi::Ports> ports, std::string why)
{
    worker_.join();
    opening_ = false;
    ports_ = std::move(ports);
    if (!ports_) {
        status_ = tr("MIDI が使えません：ALSA シーケンサーも JACK サーバーもありません（%1）")
                      .arg(QString::fromStdString(why));
        SetWhyUnavailable(status_);
        emit Opened();
        return;
    }
    status_ = QString::fromStdString(ports_->System());
    SetWhyUnavailable({});
    // On the MIDI system's thread: a flood of messages posts one update until it is taken.
    ports_->OnHeldChanged([this] {
        if (!heldPosted_.exchange(true)) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    heldPosted_ = false;
                    emit HeldChanged(ports_->Held());
                },
                Qt::QueuedConnection);
        }
    });
    // Keys that went down while the ports were opening.
    if (const std::vector<int> held = ports_->Held(); !held.empty())
        emit HeldChanged(held);
    emit Opened();
}

void Midi::Apply(const MidiSettings& settings)
{
    const bool otherInput = settings.input != settings_.input;
    Silence();
    settings_ = settings;
    if (ports_ && otherInput)
        ports_->ConnectInput(settings_.input);
}

QString Midi::Status() const { return status_; }

QStringList Midi::Devices()
{
    QStringList names;
    if (ports_) {
        for (const std::string& name : ports_->Devices())
            names << QString::fromStdString(name);
    }
    return names;
}

void Midi::Play(const theory::Phrase& phrase)
{
    Silence();
    if (!ports_)
        return;
    for (const theory::PlayedNotes& played : phrase) {
        for (int note : played.notes) {
            events_.push_back({ played.startMs, true, note });
            events_.push_back({ played.startMs + played.lengthMs, false, note });
        }
    }
    // Note-offs before note-ons at the same moment, so a repeated note sounds again.
    std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
        return a.atMs < b.atMs || (a.atMs == b.atMs && !a.on && b.on);
    });
    clock_.start();
    SendDue();
}

void Midi::SendDue()
{
    const auto status = static_cast<unsigned char>(settings_.channel - 1);
    const qint64 now = clock_.elapsed();
    for (; nextEvent_ < events_.size() && events_[nextEvent_].atMs <= now; ++nextEvent_) {
        const Event& event = events_[nextEvent_];
        const auto note = static_cast<unsigned char>(event.note);
        ports_->Send({ static_cast<unsigned char>((event.on ? 0x90 : 0x80) | status), note,
            static_cast<unsigned char>(event.on ? 96 : 0) });
        if (event.on)
            sounding_.push_back(event.note);
        else
            sounding_.erase(std::find(sounding_.begin(), sounding_.end(), event.note));
    }
    if (nextEvent_ < events_.size())
        timer_.start(static_cast<int>(events_[nextEvent_].atMs - now));
}

void Midi::Silence()
{
    timer_.stop();
    events_.clear();
    nextEvent_ = 0;
    if (!ports_)
        return;
    const auto status = static_cast<unsigned char>(settings_.channel - 1);
    for (int note : sounding_)
        ports_->Send(
            { static_cast<unsigned char>(0x80 | status), static_cast<unsigned char>(note), 0 });
    if (!sounding_.empty())
        ports_->Send({ static_cast<unsigned char>(0xB0 | status), 123, 0 }); // All Notes Off
    sounding_.clear();
}
