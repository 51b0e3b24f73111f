// Hearing notes in rendered or recorded sound: the energy at each semitone's frequency
// (a Goertzel filter per semitone), mono samples at any rate.
#pragma once

#include <cmath>
#include <numbers>
#include <span>

inline double Energy(std::span<const float> samples, int rate, int note)
{
    const double frequency = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    double s1 = 0, s2 = 0;
    for (float sample : samples) {
        const double s0 = sample + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

// The notes listened for: C3 to C7.
inline constexpr int kLowestHeard = 48;
inline constexpr int kHighestHeard = 96;
inline constexpr double kFundamentalShare = 0.05;

inline int LoudestNote(std::span<const float> samples, int rate)
{
    int loudest = kLowestHeard;
    double most = 0;
    for (int note = kLowestHeard; note <= kHighestHeard; ++note) {
        if (const double energy = Energy(samples, rate, note); energy > most) {
            most = energy;
            loudest = note;
        }
    }
    return loudest;
}

// The note played: a piano's octave overtone can outsound its fundamental, so an octave (or
// two) below the loudest semitone wins when it sounds clearly too.
inline int HeardNote(std::span<const float> samples, int rate)
{
    const int loudest = LoudestNote(samples, rate);
    const double most = Energy(samples, rate, loudest);
    int note = loudest;
    for (int below = loudest - 12; below >= kLowestHeard; below -= 12) {
        if (Energy(samples, rate, below) > most * kFundamentalShare)
            note = below;
    }
    return note;
}
