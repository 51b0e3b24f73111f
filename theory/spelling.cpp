#include "theory/spelling.h"

#include <array>

namespace theory {

namespace {

    using NameRow = std::array<std::string_view, 12>;

    // The twelve pitch classes from C, one row per spelling table. A natural is padded with
    // U+3000 so that every name is two characters wide in a monospaced Japanese font.
    constexpr std::array<NameRow, 3> kNoteNameTables { {
        // mixed
        { "C　", "C＃", "D　", "E♭", "E　", "F　", "F＃", "G　", "A♭", "A　", "B♭", "B　" },
        // sharps
        { "C　", "C＃", "D　", "D＃", "E　", "F　", "F＃", "G　", "G＃", "A　", "A＃", "B　" },
        // flats
        { "C　", "D♭", "D　", "E♭", "E　", "F　", "G♭", "G　", "A♭", "A　", "B♭", "B　" },
    } };

    constexpr int kCellCount = 37;
    constexpr int kNamedCells = 24;

    constexpr std::string_view kIdeographicSpace = "\u3000";

} // namespace

bool IsSpellingTable(SpellingMode mode)
{
    const auto value = static_cast<std::int32_t>(mode);
    return value >= 0 && value <= 2;
}

SpellingMode NextSpellingMode(SpellingMode mode)
{
    switch (mode) {
    case SpellingMode::Mixed:
        return SpellingMode::Sharps;
    case SpellingMode::Sharps:
        return SpellingMode::Flats;
    case SpellingMode::Flats:
        return SpellingMode::Mixed;
    }
    return mode;
}

std::string_view NoteCell(SpellingMode mode, int k)
{
    if (!IsSpellingTable(mode) || k < 0 || k >= kCellCount)
        return {};
    if (k >= kNamedCells)
        return kEmptyCell;
    return kNoteNameTables[static_cast<std::size_t>(mode)][static_cast<std::size_t>(k % 12)];
}

std::string_view PitchClassCell(SpellingMode mode, PitchClass pc)
{
    return NoteCell(mode, Transposed(pc, 0));
}

std::string_view NoteName(SpellingMode mode, PitchClass pc)
{
    return Trimmed(PitchClassCell(mode, pc));
}

std::optional<PitchClass> NotePitchClass(std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    for (const NameRow& row : kNoteNameTables) {
        for (std::size_t pc = 0; pc < row.size(); ++pc) {
            if (Trimmed(row[pc]) == name)
                return static_cast<PitchClass>(pc);
        }
    }
    return std::nullopt;
}

std::string NoteNames(SpellingMode mode)
{
    std::string names;
    for (int k = 0; k < kCellCount; ++k)
        names += NoteCell(mode, k);
    return names;
}

std::string_view Trimmed(std::string_view text)
{
    for (;;) {
        if (text.ends_with(' '))
            text.remove_suffix(1);
        else if (text.ends_with(kIdeographicSpace))
            text.remove_suffix(kIdeographicSpace.size());
        else
            return text;
    }
}

std::size_t Utf8PrefixBytes(std::string_view text, std::size_t n)
{
    std::size_t bytes = 0;
    for (std::size_t chars = 0; chars < n && bytes < text.size(); ++chars) {
        ++bytes;
        // Continuation bytes (10xxxxxx) belong to the character just started.
        while (bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
            ++bytes;
    }
    return bytes;
}

} // namespace theory
