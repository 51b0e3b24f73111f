// Hearing notes in rendered or recorded sound, mono samples at any rate: the energy at a
// semitone's frequency, by a Goertzel filter.
#pragma once

#include <cmath>
#include <numbers>
#include <span>
#include <utility>

inline double Energy(std::span<const float> samples, int rate, int note)
{
    const double frequency = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    double s1 = 0, s2 = 0;
    for (float sample : samples)
        s2 = std::exchange(s1, sample + coefficient * s1 - s2);
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

// The loudest semitone from C3 to C7.
inline int LoudestNote(std::span<const float> samples, int rate)
{
    int loudest = 48;
    for (int note = 49; note <= 96; ++note)
        loudest = Energy(samples, rate, note) > Energy(samples, rate, loudest) ? note : loudest;
    return loudest;
}

// The note played: a piano's octave overtone can outsound its fundamental, so an octave (or
// two) below the loudest semitone wins when it sounds clearly too.
inline int HeardNote(std::span<const float> samples, int rate)
{
    int note = LoudestNote(samples, rate);
    const double most = Energy(samples, rate, note);
    while (note - 12 >= 48 && Energy(samples, rate, note - 12) > most / 20)
        note -= 12;
    return note;
}
