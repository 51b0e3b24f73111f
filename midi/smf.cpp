#include "midi/smf.h"

#include <algorithm>
#include <string_view>
#include <tuple>

namespace midi {

namespace {

    constexpr std::uint8_t kNoteOn = 0x90;
    constexpr std::uint8_t kNoteOff = 0x80;
    constexpr std::uint8_t kVelocity = 96;

    void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }

    // A variable-length quantity: seven bits a byte, most significant first, the high bit set
    // on every byte but the last.
    void PutVariable(std::vector<std::uint8_t>& bytes, std::uint32_t value)
    {
        std::uint8_t groups[5];
        int count = 0;
        do {
            groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
            value >>= 7;
        } while (value != 0);
        while (count > 1)
            bytes.push_back(groups[--count] | 0x80);
        bytes.push_back(groups[0]);
    }

    void PutChunk(std::vector<std::uint8_t>& file, std::string_view type,
        const std::vector<std::uint8_t>& body)
    {
        file.insert(file.end(), type.begin(), type.end());
        Put32(file, static_cast<std::uint32_t>(body.size()));
        file.insert(file.end(), body.begin(), body.end());
    }

    void PutEndOfTrack(std::vector<std::uint8_t>& track)
    {
        track.insert(track.end(), { 0x00, 0xFF, 0x2F, 0x00 });
    }

} // namespace

std::vector<std::uint8_t> StandardMidiFile(const std::vector<SmfNote>& notes, int bpm, int channel)
{
    bpm = std::clamp(bpm, 20, 300);
    const auto status = static_cast<std::uint8_t>(std::clamp(channel, 1, 16) - 1);

    std::vector<std::uint8_t> tempo { 0x00, 0xFF, 0x51, 0x03 };
    const std::uint32_t microsecondsPerQuarter = 60'000'000u / static_cast<std::uint32_t>(bpm);
    for (int shift = 16; shift >= 0; shift -= 8)
        tempo.push_back(static_cast<std::uint8_t>(microsecondsPerQuarter >> shift));
    PutEndOfTrack(tempo);

    // Each note as an on and an off event; at the same tick the offs go first, so a note
    // struck again is let go before it sounds anew.
    std::vector<std::tuple<int, bool, int>> events; // tick, on, note
    for (const SmfNote& note : notes) {
        if (note.note < 0 || note.note > 127 || note.lengthTicks <= 0 || note.startTick < 0)
            continue;
        events.emplace_back(note.startTick, true, note.note);
        events.emplace_back(note.startTick + note.lengthTicks, false, note.note);
    }
    std::sort(events.begin(), events.end());
    std::vector<std::uint8_t> track;
    int at = 0;
    for (const auto& [tick, on, note] : events) {
        PutVariable(track, static_cast<std::uint32_t>(tick - at));
        at = tick;
        track.push_back((on ? kNoteOn : kNoteOff) | status);
        track.push_back(static_cast<std::uint8_t>(note));
        track.push_back(on ? kVelocity : 0);
    }
    PutEndOfTrack(track);

    std::vector<std::uint8_t> file;
    // Format 1, two tracks, ticks per quarter note.
    PutChunk(
        file, "MThd", { 0x00, 0x01, 0x00, 0x02, kTicksPerQuarter >> 8, kTicksPerQuarter & 0xFF });
    PutChunk(file, "MTrk", tempo);
    PutChunk(file, "MTrk", track);
    return file;
}

} // namespace midi
