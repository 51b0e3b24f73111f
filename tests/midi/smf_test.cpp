// The MIDI files the program writes, read by FluidSynth's own player: every event it reads, and
// the sound it makes of them, chord after chord.
#include "midi/smf.h"
#include "sound/pitch.h"
#include "sound/synth.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Heard {
    fluid_synth_t* synth;
    std::map<int, int> on, off; // by key
    std::vector<int> channels;
};

int Handle(void* data, fluid_midi_event_t* event)
{
    auto* heard = static_cast<Heard*>(data);
    const int type = fluid_midi_event_get_type(event);
    const int key = fluid_midi_event_get_key(event);
    if (type == 0x90 && fluid_midi_event_get_velocity(event) > 0)
        ++heard->on[key];
    else if (type == 0x80 || type == 0x90)
        ++heard->off[key];
    if (type == 0x80 || type == 0x90)
        heard->channels.push_back(fluid_midi_event_get_channel(event));
    return fluid_synth_handle_midi_event(heard->synth, event);
}

} // namespace

// C, F and G7 in a row, two beats each at 120 beats a minute on channel 3: the player finds
// every note-on with its note-off on that channel, and each second of sound holds its own chord.
TEST(StandardMidiFile, FluidSynthsPlayerReadsItBack)
{
    const std::vector<std::vector<int>> chords { { 60, 64, 67 }, { 60, 65, 69 },
        { 59, 62, 65, 67 } };
    std::vector<midi::SmfNote> notes;
    for (std::size_t i = 0; i < chords.size(); ++i) {
        for (int note : chords[i])
            notes.push_back({ note, static_cast<int>(i) * 2 * midi::kTicksPerQuarter,
                2 * midi::kTicksPerQuarter });
    }
    const std::vector<std::uint8_t> file = midi::StandardMidiFile(notes, 120, 3);

    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
        new_fluid_settings(), delete_fluid_settings);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
    // The player keeps time with the samples rendered, not with the clock on the wall.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(
        new_fluid_synth(settings.get()), delete_fluid_synth);
    ASSERT_NE(fluid_synth_sfload(synth.get(), sound::kDefaultSoundFont, 1), FLUID_FAILED);
    std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(
        new_fluid_player(synth.get()), delete_fluid_player);
    Heard heard { synth.get(), {}, {}, {} };
    fluid_player_set_playback_callback(player.get(), Handle, &heard);
    ASSERT_EQ(fluid_player_add_mem(player.get(), file.data(), file.size()), FLUID_OK);
    ASSERT_EQ(fluid_player_play(player.get()), FLUID_OK);

    // The three seconds of the file and a little more, in the small blocks a sound card asks for.
    std::vector<float> left(kRate * 7 / 2), right(left.size());
    for (std::size_t at = 0; at + 64 <= left.size(); at += 64)
        fluid_synth_write_float(synth.get(), 64, left.data(), static_cast<int>(at), 1, right.data(),
            static_cast<int>(at), 1);
    for (int key : { 59, 60, 62, 64, 65, 67, 69 }) {
        EXPECT_EQ(heard.on[key], key == 60 || key == 65 || key == 67 ? 2 : 1) << key;
        EXPECT_EQ(heard.off[key], heard.on[key]) << key;
    }
    EXPECT_EQ(heard.channels, std::vector<int>(heard.channels.size(), 2));

    // Past each chord's attack and before the next one: its own notes, not the others'.
    ASSERT_GE(left.size(), 3u * kRate);
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const std::span samples(left.begin() + static_cast<long>((i * 10 + 3) * kRate / 10),
            left.begin() + static_cast<long>((i * 10 + 9) * kRate / 10));
        for (int note : { 62, 64, 65, 69 }) {
            const bool own = std::find(chords[i].begin(), chords[i].end(), note) != chords[i].end();
            const bool louder
                = Energy(samples, kRate, note) > 10 * Energy(samples, kRate, note + 1);
            EXPECT_EQ(louder, own) << "chord " << i << " note " << note;
        }
    }
}
