// Every key the program keeps in its settings file, in the order a shut-down writes them.
#pragma once

#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string, std::string>> ProgramKeys()
{
    std::vector<std::pair<std::string, std::string>> keys = {
        { "Scale", "Cromatic" },
        { "Scale", "Top" },
        { "Scale", "Left" },
        { "Key", "Top" },
        { "Key", "Left" },
        { "Chord", "Cromatic" },
    };
    for (int slot = 0; slot < 19; ++slot)
        keys.emplace_back("Chord", "Matrix" + std::to_string(slot));
    const std::pair<std::string, std::string> rest[] = {
        { "Chord", "Top" },
        { "Chord", "Left" },
        { "Memo", "Top" },
        { "Memo", "Left" },
        { "Reference", "Top" },
        { "Reference", "Left" },
        { "Chord", "HighSpeed" },
        { "Main", "Top" },
        { "Main", "Left" },
        { "Main", "WindowFlag" },
    };
    keys.insert(keys.end(), std::begin(rest), std::end(rest));
    return keys;
}

// The value the writer gives a key in a round: the round's number, behind an interval name for
// the "Matrix" keys ("増4" in round 4); "WindowFlag" alternates "True" and "False".
inline std::string ValueInRound(const std::string& key, long round)
{
    if (key == "WindowFlag")
        return round % 2 ? "True" : "False";
    return (key.rfind("Matrix", 0) == 0 ? "増" : "") + std::to_string(round);
}
