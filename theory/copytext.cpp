#include "theory/copytext.h"

#include "theory/scales.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace theory {

namespace {

    constexpr std::string_view kIdeographicSpace = "\u3000";
    constexpr std::string_view kFullWidthSharp = "＃";
    constexpr std::string_view kMusicSharp = "♯";
    constexpr int kFifthSlot = 7; // the perfect fifth, left out of a shell voicing

    // A key name without the U+3000 that pads it, inside too: "A　m" -> "Am".
    std::string Unpadded(std::string_view name)
    {
        std::string text(name);
        for (std::size_t at; (at = text.find(kIdeographicSpace)) != std::string::npos;)
            text.erase(at, kIdeographicSpace.size());
        return text;
    }

} // namespace

std::string CopyLine(std::string_view name, std::span<const std::string_view> notes)
{
    std::string line(name);
    const char* separator = ": ";
    for (std::string_view note : notes) {
        const std::string_view trimmed = Trimmed(note);
        if (trimmed.empty())
            continue;
        line += separator;
        line += trimmed;
        separator = " ";
    }
    for (std::size_t at; (at = line.find(kFullWidthSharp)) != std::string::npos;)
        line.replace(at, kFullWidthSharp.size(), kMusicSharp);
    return line;
}

std::string ScaleCopyText(PitchClass root, int scale, SpellingMode mode, std::string_view shownName)
{
    const auto cells = SpellScale(root, scale, mode);
    if (cells[0].text.empty())
        return {};
    std::vector<std::string_view> notes;
    for (const ScaleCell& cell : cells)
        notes.push_back(cell.text);
    const std::string_view scaleName
        = shownName.empty() ? Scales[static_cast<std::size_t>(scale)].name : shownName;
    const std::string name = std::string(Trimmed(cells[0].text)) + " " + std::string(scaleName);
    return CopyLine(name, notes);
}

namespace {

    // The lit slot that sounds pitch class pc on root; -1 where none does.
    int SlotSounding(PitchClass root, ChordType type, PitchClass pc)
    {
        for (int slot : ChordSlots(type)) {
            if (Transposed(root, MatrixSlots[static_cast<std::size_t>(slot)].semitones) == pc)
                return slot;
        }
        return -1;
    }

    // The voicing's bass slot where it is not the root; -1 for a chord on its root.
    int SlashSlot(PitchClass root, ChordType type, const Voicing& voicing)
    {
        if (!voicing.bass || Transposed(*voicing.bass, 0) == Transposed(root, 0))
            return -1;
        return SlotSounding(root, type, *voicing.bass);
    }

} // namespace

std::string ChordName(PitchClass root, ChordType type, SpellingMode mode, const ByKeyNames& names,
    const Voicing& voicing)
{
    if (type == kNoChord)
        return std::string(ChordListText(kNoChord));
    const auto cells = MatrixNoteNames(root, mode, type, names);
    if (ChordSlots(type).empty() || cells[0].empty())
        return {};
    const int slash = SlashSlot(root, type, voicing);
    std::string name = slash < 0
        ? std::string(Trimmed(cells[0])) + " " + std::string(ChordListText(type))
        : ChordSymbol(Trimmed(cells[0]), type) + "/"
            + std::string(Trimmed(cells[static_cast<std::size_t>(slash)]));
    if (voicing.noFifth)
        name += " (no 5th)";
    return name;
}

std::string ChordCopyText(PitchClass root, ChordType type, SpellingMode mode,
    const ByKeyNames& names, const Voicing& voicing)
{
    const std::string name = ChordName(root, type, mode, names, voicing);
    if (type == kNoChord || name.empty())
        return name;
    const auto cells = MatrixNoteNames(root, mode, type, names);
    const int slash = SlashSlot(root, type, voicing);
    // Upward from the bass: C/E is E G C.
    const int bassSemitones
        = slash < 0 ? 0 : MatrixSlots[static_cast<std::size_t>(slash)].semitones;
    std::vector<std::pair<int, std::string_view>> notes;
    for (int slot : ChordSlots(type)) {
        if (!(voicing.noFifth && slot == kFifthSlot))
            notes.emplace_back(
                Transposed(MatrixSlots[static_cast<std::size_t>(slot)].semitones, -bassSemitones)
                    + (slot >= kFirstTensionSlot ? 12 : 0),
                cells[static_cast<std::size_t>(slot)]);
    }
    std::stable_sort(
        notes.begin(), notes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string_view> upward;
    for (const auto& note : notes)
        upward.push_back(note.second);
    return CopyLine(name, upward);
}

std::string KeyCopyText(KeyIndex k, const KeyCaptions& captions)
{
    if (k < 0 || k >= kKeyCount)
        return {};
    const std::pair<std::string_view, KeyIndex> columns[] = { { captions[0], k },
        { captions[1], DominantKey(k) }, { captions[2], SubdominantKey(k) } };
    std::string line;
    for (const auto& [caption, key] : columns) {
        const KeyName& names = KeyNames[static_cast<std::size_t>(key)];
        const std::string major = Unpadded(names.major);
        const std::string minor = Unpadded(names.minor);
        const std::string_view both[] = { major, minor };
        line += (line.empty() ? "" : " ") + CopyLine(caption, both);
    }
    return line;
}

} // namespace theory
