#include "theory/chordnames.h"

#include <algorithm>
#include <array>
#include <utility>

namespace theory {

namespace {

    constexpr std::string_view kLetters = "CDEFGAB";
    constexpr std::array<int, 7> kNaturals { 0, 2, 4, 5, 7, 9, 11 };

    // The ways lead sheets write the types, as ReadChordName has folded them (parentheses and
    // "/" gone, b and # as ♭ and ♯), and the list text each stands for.
    // clang-format off
    constexpr std::pair<std::string_view, std::string_view> kAliases[] {
        { "",       "major" },   { "maj",    "major" },  { "M",      "major" },
        { "-",      "m" },       { "min",    "m" },      { "mi",     "m" },
        { "maj7",   "M7" },      { "Maj7",   "M7" },     { "Δ",      "M7" },     { "Δ7", "M7" },
        { "maj9",   "M7(9)" },   { "Maj9",   "M7(9)" },  { "M9",     "M7(9)" },  { "Δ9", "M7(9)" },
        { "add2",   "add9" },    { "sus",    "sus4" },   { "7sus",   "7sus4" },
        { "dim7",   "dim" },     { "°",      "dim" },    { "°7",     "dim" },    { "o",  "dim" },
        { "o7",     "dim" },
        { "+",      "aug" },     { "♯5",     "aug" },    { "+5",     "aug" },
        { "69",     "6(9)" },    { "9",      "7(9)" },   { "13",     "7(13)" },
        { "7+5",    "7(♯5)" },   { "7+",     "7(♯5)" },  { "aug7",   "7(♯5)" },  { "+7", "7(♯5)" },
        { "madd2",  "madd9" },   { "maddd9", "madd9" },
        { "m♭5",    "m(♭5)" },   { "m-5",    "m(♭5)" },
        { "-6",     "m6" },      { "min6",   "m6" },
        { "-7",     "m7" },      { "min7",   "m7" },     { "mi7",    "m7" },
        { "m9",     "m7(9)" },   { "-9",     "m7(9)" },  { "min9",   "m7(9)" },
        { "ø",      "m7(♭5)" },  { "ø7",     "m7(♭5)" }, { "-7♭5",   "m7(♭5)" }, { "min7♭5", "m7(♭5)" },
        { "m11",    "m7(11)" },  { "-11",    "m7(11)" },
        { "mmaj7",  "mM7" },     { "mMaj7",  "mM7" },    { "-M7",    "mM7" },    { "mΔ7", "mM7" },
        { "-maj7",  "mM7" },
    };
    // clang-format on

    void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
    {
        for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
            text.replace(at, from.size(), to);
    }

    // A type's text with the parentheses and slashes that writers use or leave out taken away
    // and its accidentals as music signs: "7(b9)" and "7♭9" both fold to "7♭9".
    std::string Folded(std::string_view type)
    {
        std::string text(type);
        std::erase_if(text, [](char c) { return c == '(' || c == ')' || c == '/'; });
        ReplaceAll(text, "＃", "♯");
        ReplaceAll(text, "#", "♯");
        ReplaceAll(text, "b", "♭");
        return text;
    }

    std::optional<ChordType> ReadType(std::string_view type)
    {
        const std::string folded = Folded(type);
        for (ChordType t = 1; t < kChordTypeCount; ++t) {
            if (Folded(ChordListText(t)) == folded)
                return t;
        }
        for (const auto& [alias, text] : kAliases) {
            if (Folded(alias) == folded)
                return FindChordType(text);
        }
        return std::nullopt;
    }

    // A note name at the front of text: a letter (a lower-case one too) and its sharps or
    // flats; how many bytes it took, 0 where text starts with none.
    std::pair<PitchClass, std::size_t> ReadNote(std::string_view text)
    {
        if (text.empty())
            return { 0, 0 };
        const auto letter = kLetters.find(static_cast<char>(text[0] & ~0x20));
        if (letter == std::string_view::npos || (text[0] & ~0x20) < 'A' || (text[0] & ~0x20) > 'G')
            return { 0, 0 };
        int pc = kNaturals[letter];
        std::size_t at = 1;
        for (;;) {
            const std::string_view rest = text.substr(at);
            if (rest.starts_with("#") || rest.starts_with("♯") || rest.starts_with("＃")) {
                ++pc;
                at += rest.starts_with("#") ? 1 : 3;
            } else if (rest.starts_with("♭")
                || (rest.starts_with("b") && !rest.starts_with("b5"))) {
                --pc;
                at += rest.starts_with("b") ? 1 : 3;
            } else {
                return { Transposed(pc, 0), at };
            }
        }
    }

    bool IsSeparator(std::string_view word)
    {
        return word == "-" || word == "–" || word == "—" || word == "|" || word == "||";
    }

    // A Roman numeral as the progression window's second copied line writes it: I, ♭VII, V7/V.
    bool IsNumeral(std::string_view word)
    {
        for (std::string_view sign : { "♭", "♯", "b", "#" }) {
            if (word.starts_with(sign))
                word.remove_prefix(sign.size());
        }
        return word.starts_with('I') || word.starts_with('V');
    }

    std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
    {
        std::vector<std::string_view> words;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || separators.find(text[i]) != std::string_view::npos) {
                if (i > start)
                    words.push_back(text.substr(start, i - start));
                start = i + 1;
            }
        }
        return words;
    }

} // namespace

std::optional<SongChord> ReadChordName(std::string_view name)
{
    std::string text(name);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    ReplaceAll(text, "\u3000", "");
    for (std::string_view omission : { "(no5th)", "(no5)", "no5" }) {
        if (text.ends_with(omission))
            text.resize(text.size() - omission.size());
    }
    const auto [root, rootBytes] = ReadNote(text);
    if (rootBytes == 0)
        return std::nullopt;
    std::string_view type = std::string_view(text).substr(rootBytes);
    std::optional<PitchClass> bass;
    if (const auto slash = type.rfind('/'); slash != std::string_view::npos) {
        const auto [note, bytes] = ReadNote(type.substr(slash + 1));
        if (bytes != 0 && bytes == type.size() - slash - 1) {
            bass = note;
            type = type.substr(0, slash);
        }
    }
    const std::optional<ChordType> t = ReadType(type);
    if (!t)
        return std::nullopt;
    return SongChord { root, *t, bass == root ? std::nullopt : bass };
}

ReadChords ReadChordNames(std::string_view text)
{
    ReadChords read;
    for (std::string_view line : Split(text, "\r\n")) {
        std::vector<std::string_view> names;
        if (const auto colon = line.find(':'); colon != std::string_view::npos) {
            names.push_back(line.substr(0, colon)); // a copied line names its chord first
        } else {
            std::vector<std::string_view> words = Split(line, " \t,");
            std::erase_if(words, IsSeparator);
            if (std::all_of(words.begin(), words.end(), IsNumeral))
                continue;
            names = words;
        }
        for (std::string_view name : names) {
            const std::optional<SongChord> chord = ReadChordName(name);
            if (!chord)
                return { {}, std::string(name) };
            read.chords.push_back(*chord);
        }
    }
    return read;
}

} // namespace theory
