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

    // The letters C D E F G A B and the pitch classes they name unaltered.
    constexpr std::string_view kLetters = "CDEFGAB";
    constexpr std::array<int, 7> kNaturals { 0, 2, 4, 5, 7, 9, 11 };

    // The sign after a letter for alterations -2..2.
    constexpr std::array<std::string_view, 5> kSigns { "\U0001D12B", "♭", kIdeographicSpace, "＃",
        "\U0001D12A" };
    constexpr int kMaxAlteration = 2;

    bool IsLetter(int letter) { return letter >= 0 && letter < 7; }

    bool Writable(SpelledNote note)
    {
        return IsLetter(note.letter) && note.alteration >= -kMaxAlteration
            && note.alteration <= kMaxAlteration;
    }

    // A trimmed name read back into letter and alteration: "E＃" is {2, 1}.
    std::optional<SpelledNote> ReadNote(std::string_view name)
    {
        if (name.empty() || kLetters.find(name[0]) == std::string_view::npos)
            return std::nullopt;
        const int letter = static_cast<int>(kLetters.find(name[0]));
        name.remove_prefix(1);
        if (name.empty())
            return SpelledNote { letter, 0 };
        for (int alteration = -kMaxAlteration; alteration <= kMaxAlteration; ++alteration) {
            if (alteration != 0 && kSigns[static_cast<std::size_t>(alteration + 2)] == name)
                return SpelledNote { letter, alteration };
        }
        return std::nullopt;
    }

    // How many of the notes above root carry an accidental; more than any real count when one
    // cannot be written.
    int Accidentals(SpelledNote root, std::span<const Interval> notes)
    {
        int count = 0;
        for (const Interval& interval : notes) {
            const SpelledNote note = Above(root, interval);
            if (!Writable(note))
                return 1000;
            count += note.alteration != 0;
        }
        return count;
    }

} // namespace

bool IsSpellingTable(SpellingMode mode)
{
    const auto value = static_cast<std::int32_t>(mode);
    return value >= 0 && value <= 2;
}

bool IsSpellingMode(SpellingMode mode)
{
    return IsSpellingTable(mode) || mode == SpellingMode::ByKey;
}

SpellingMode NextSpellingMode(SpellingMode mode)
{
    switch (mode) {
    case SpellingMode::Mixed:
        return SpellingMode::Sharps;
    case SpellingMode::Sharps:
        return SpellingMode::Flats;
    case SpellingMode::Flats:
        return SpellingMode::ByKey;
    case SpellingMode::ByKey:
        return SpellingMode::Mixed;
    }
    return mode;
}

std::string_view NoteCell(SpellingMode mode, int k)
{
    if (!IsSpellingMode(mode) || k < 0 || k >= kCellCount)
        return {};
    if (k >= kNamedCells)
        return kEmptyCell;
    const SpellingMode table = mode == SpellingMode::ByKey ? SpellingMode::Mixed : mode;
    return kNoteNameTables[static_cast<std::size_t>(table)][static_cast<std::size_t>(k % 12)];
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
    const std::optional<SpelledNote> note = ReadNote(name);
    if (!note)
        return std::nullopt;
    return Transposed(kNaturals[static_cast<std::size_t>(note->letter)], note->alteration);
}

SpelledNote Above(SpelledNote note, Interval interval)
{
    if (!IsLetter(note.letter) || interval.number < 1)
        return { -1, 0 };
    const int letter = (note.letter + interval.number - 1) % 7;
    const PitchClass pc = Transposed(
        kNaturals[static_cast<std::size_t>(note.letter)] + note.alteration, interval.semitones);
    // The alteration nearest to zero that makes the letter sound pc: -5..6.
    const int alteration = Transposed(pc, -kNaturals[static_cast<std::size_t>(letter)]);
    return { letter, alteration > 6 ? alteration - 12 : alteration };
}

std::string_view SpelledCell(SpelledNote note)
{
    static const auto cells = [] {
        std::array<std::string, kLetters.size() * kSigns.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = std::string(1, kLetters[i / kSigns.size()]).append(kSigns[i % kSigns.size()]);
        return all;
    }();
    if (!Writable(note))
        return {};
    return cells[static_cast<std::size_t>(note.letter) * kSigns.size()
        + static_cast<std::size_t>(note.alteration + kMaxAlteration)];
}

SpelledNote KeyRoot(PitchClass root, std::span<const Interval> notes)
{
    const SpelledNote mixed = *ReadNote(Trimmed(PitchClassCell(SpellingMode::Mixed, root)));
    if (mixed.alteration == 0)
        return mixed;
    // A black key's other name is the neighbouring letter altered the other way: C＃ and D♭.
    const SpelledNote other { mixed.letter + mixed.alteration, -mixed.alteration };
    return Accidentals(other, notes) < Accidentals(mixed, notes) ? other : mixed;
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

} // namespace theory
