#include "theory/chordmatch.h"

namespace theory {

namespace {

    constexpr std::array kTables { SpellingMode::Mixed, SpellingMode::Sharps, SpellingMode::Flats };

    std::uint16_t Rotated(std::uint16_t intervals, int root)
    {
        const unsigned wide = static_cast<unsigned>(intervals) << root;
        return static_cast<std::uint16_t>((wide | (wide >> 12)) & 0xFFF);
    }

} // namespace

std::optional<int> NotePitchClass(std::string_view name)
{
    for (SpellingMode mode : kTables) {
        for (int pc = 0; pc < 12; ++pc) {
            if (!name.empty() && Trimmed(PitchClassCell(mode, pc)) == name)
                return pc;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> EnharmonicName(std::string_view name)
{
    const std::optional<int> pc = NotePitchClass(name);
    if (!pc)
        return std::nullopt;
    // The sharp and flat tables hold the two spellings of every black key, and agree on
    // the naturals.
    const std::string_view sharp = Trimmed(PitchClassCell(SpellingMode::Sharps, *pc));
    const std::string_view flat = Trimmed(PitchClassCell(SpellingMode::Flats, *pc));
    return name == sharp ? flat : sharp;
}

bool BoxMatches(
    std::string_view box, std::span<const std::string_view> cells, std::uint32_t litMask)
{
    if (box.empty())
        return true;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        if (!(litMask & (1u << k)))
            continue;
        const std::string_view note = Trimmed(cells[k]);
        if (box == note || EnharmonicName(note) == box)
            return true;
    }
    return false;
}

std::vector<ChordHit> SearchChords(std::span<const std::string_view> boxes, SpellingMode mode)
{
    // The boxes only ever hold names the chord window displays, so matching a name or its
    // enharmonic is containment of pitch classes.
    std::uint16_t wanted = 0;
    bool anyBox = false;
    for (std::string_view box : boxes) {
        if (box.empty())
            continue;
        anyBox = true;
        const std::optional<int> pc = NotePitchClass(box);
        if (!pc)
            return {};
        wanted |= static_cast<std::uint16_t>(1u << *pc);
    }
    if (!anyBox || !IsSpellingTable(mode))
        return {};

    std::array<std::uint16_t, kChordTypeCount> intervals {};
    for (int t = 1; t < kChordTypeCount; ++t)
        intervals[static_cast<std::size_t>(t)] = ChordIntervalMask(t);

    std::vector<ChordHit> hits;
    for (int rootValue = 0; rootValue < 12; ++rootValue) {
        const int root = 11 - rootValue;
        for (int t = 1; t < kChordTypeCount; ++t) {
            if ((wanted & ~Rotated(intervals[static_cast<std::size_t>(t)], root)) != 0)
                continue;
            hits.push_back({ rootValue, t, LightsTension(t) ? HitList::Tension : HitList::Plain,
                ResultItemText(rootValue, t, mode) });
        }
    }
    return hits;
}

std::string ResultItemText(int rootValue, int chordType, SpellingMode mode)
{
    std::string item(PitchClassCell(mode, 11 - rootValue));
    item += ChordListText(chordType);
    return item;
}

ResultChord ParseResultItem(std::string_view item)
{
    const std::size_t rootBytes = Utf8PrefixBytes(item, 2);
    const std::optional<int> pc = NotePitchClass(Trimmed(item.substr(0, rootBytes)));
    const std::string_view typeText = Trimmed(item.substr(rootBytes));
    int chordType = 0;
    for (int t = 1; t < kChordTypeCount && chordType == 0; ++t) {
        if (ChordListText(t) == typeText)
            chordType = t;
    }
    return { pc ? 11 - *pc : 0, chordType };
}

} // namespace theory
