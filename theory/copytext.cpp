#include "theory/copytext.h"

#include "theory/scales.h"

#include <vector>

namespace theory {

namespace {

    constexpr std::string_view kIdeographicSpace = "\u3000";

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
    return line;
}

std::string ScaleCopyText(PitchClass root, int scale, SpellingMode mode)
{
    const auto cells = SpellScale(root, scale, mode);
    if (cells[0].text.empty())
        return {};
    std::vector<std::string_view> notes;
    for (const ScaleCell& cell : cells)
        notes.push_back(cell.text);
    const std::string name = std::string(Trimmed(cells[0].text)) + " "
        + std::string(Scales[static_cast<std::size_t>(scale)].name);
    return CopyLine(name, notes);
}

std::string ChordCopyText(PitchClass root, ChordType type, SpellingMode mode)
{
    if (type == kNoChord)
        return std::string(ChordListText(kNoChord));
    const auto cells = MatrixNoteNames(root, mode, type);
    if (ChordSlots(type).empty() || cells[0].empty())
        return {};
    std::vector<std::string_view> notes;
    for (int slot : ChordSlots(type))
        notes.push_back(cells[static_cast<std::size_t>(slot)]);
    return CopyLine(std::string(Trimmed(cells[0])) + " " + std::string(ChordListText(type)), notes);
}

std::string KeyCopyText(KeyIndex k)
{
    if (k < 0 || k >= kKeyCount)
        return {};
    const std::pair<std::string_view, KeyIndex> columns[]
        = { { "主調", k }, { "上属調", DominantKey(k) }, { "下属調", SubdominantKey(k) } };
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
