#include "settings/profile_text.h"

#include "settings/ascii.h"

#include <algorithm>

namespace ini {

namespace {

    // One line of the file: [begin, end) is its text without the line end, next is where the
    // following line starts.
    struct Line {
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t next = 0;
    };

    Line LineAt(std::string_view text, std::size_t begin)
    {
        const std::size_t newline = std::min(text.find('\n', begin), text.size());
        std::size_t end = newline;
        if (end > begin && text[end - 1] == '\r')
            --end;
        return { begin, end, std::min(newline + 1, text.size()) };
    }

    bool IsBlankLine(std::string_view content) { return Trim(content).empty(); }

    // The decoded name of a section line, blanks around it taken off as around a key: "[Scale]",
    // "[ Scale ]" and, since a line the program writes never begins with '[', "[Scale" without its
    // ']' all name "Scale"; nullopt for any other line. The last ']' is searched in the decoded
    // text, since a CP932 trail byte may be ']' ("‐" is 0x81 0x5D).
    std::optional<std::string> SectionName(std::string_view content, Encoding encoding)
    {
        content = Trim(content);
        if (content.empty() || content.front() != '[')
            return std::nullopt;
        const std::string decoded = Decode(content.substr(1), encoding);
        return std::string(Trim(std::string_view(decoded).substr(0, decoded.rfind(']'))));
    }

    // Raw, trimmed parts of a "key=value" line. Splitting the raw bytes is safe: '=', blanks and
    // quotes are never CP932 trail bytes.
    struct Entry {
        std::string_view key;
        std::string_view value;
    };

    std::optional<Entry> ParseEntry(std::string_view content)
    {
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        return Entry { Trim(content.substr(0, equals)), Trim(content.substr(equals + 1)) };
    }

    std::string_view Unquote(std::string_view value)
    {
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
            && value.back() == value.front())
            return value.substr(1, value.size() - 2);
        return value;
    }

    // Where a key lies: its line when present, otherwise the last non-blank line of the first
    // matching section (at least its header); neither when the section is missing.
    struct Location {
        std::optional<Line> keyLine;
        Entry entry;
        std::optional<Line> sectionEnd;
    };

    Location Locate(
        std::string_view text, Encoding encoding, std::string_view section, std::string_view key)
    {
        // Names given with blanks around them are found as names written so in the file are.
        section = Trim(section);
        key = Trim(key);
        Location location;
        bool inSection = false;
        for (std::size_t begin = 0; begin < text.size();) {
            const Line line = LineAt(text, begin);
            begin = line.next;
            const std::string_view content = text.substr(line.begin, line.end - line.begin);
            if (const auto name = SectionName(content, encoding)) {
                if (location.sectionEnd)
                    break;
                inSection = EqualsIgnoringAsciiCase(*name, section);
                if (inSection)
                    location.sectionEnd = line;
                continue;
            }
            if (!inSection || IsBlankLine(content))
                continue;
            location.sectionEnd = line;
            const auto entry = ParseEntry(content);
            if (entry && EqualsIgnoringAsciiCase(Decode(entry->key, encoding), key)) {
                location.keyLine = line;
                location.entry = *entry;
                break;
            }
        }
        return location;
    }

    // The style of the first line end; CRLF for a file that has none yet.
    std::string_view LineEndOf(std::string_view text)
    {
        const std::size_t newline = text.find('\n');
        return newline == std::string_view::npos || (newline > 0 && text[newline - 1] == '\r')
            ? "\r\n"
            : "\n";
    }

    // What must come before a line inserted at position at of text: nothing at the start of a
    // line; '\n' after a last line that ends in a lone '\r' ("k=v\r" would otherwise become
    // "k=v\r\r\n" and read "v\r"); otherwise a whole line end.
    std::string_view LineEndBefore(std::string_view text, std::size_t at, std::string_view eol)
    {
        if (at == 0 || text[at - 1] == '\n')
            return {};
        return text[at - 1] == '\r' ? "\n" : eol;
    }

    std::string Splice(
        std::string_view text, std::size_t begin, std::size_t end, std::string_view insert)
    {
        std::string result;
        result.reserve(text.size() + insert.size());
        result.append(text.substr(0, begin)).append(insert).append(text.substr(end));
        return result;
    }

    // Blanks at either end of a value, or a pair of quotes around it, would be taken off when it
    // is read; quoted once more it reads back whole: the value 'a' (with its quotes) is stored as
    // k="'a'", and a value with a blank at each end as k=" a ".
    bool NeedsQuotes(std::string_view value)
    {
        return Trim(value) != value || Unquote(value) != value;
    }

}

bool CanStore(std::string_view section, std::string_view key, std::string_view value)
{
    constexpr std::string_view lineBreaks("\r\n\0", 3);
    const auto oneLine = [&](std::string_view text) {
        return text.find_first_of(lineBreaks) == std::string_view::npos;
    };
    return oneLine(section) && oneLine(key) && oneLine(value) && !key.empty() && Trim(key) == key
        && key.find('=') == std::string_view::npos && key.front() != '[';
}

std::optional<std::string_view> StoredValue(
    std::string_view text, Encoding encoding, std::string_view section, std::string_view key)
{
    const Location location = Locate(text, encoding, section, key);
    if (!location.keyLine)
        return std::nullopt;
    return Unquote(location.entry.value);
}

std::optional<std::string> EditedText(std::string_view text, Encoding encoding,
    std::string_view section, std::string_view key, std::string_view value)
{
    const auto storedValue = Encode(value, encoding);
    const auto storedKey = Encode(key, encoding);
    if (!storedValue || !storedKey)
        return std::nullopt;
    const std::string_view eol = LineEndOf(text);
    const Location location = Locate(text, encoding, section, key);
    const std::string quoted = NeedsQuotes(value) ? '"' + *storedValue + '"' : *storedValue;
    if (location.keyLine) {
        const std::string line = std::string(location.entry.key) + '=' + quoted;
        return Splice(text, location.keyLine->begin, location.keyLine->end, line);
    }
    const std::string entry = *storedKey + '=' + quoted + std::string(eol);
    if (location.sectionEnd) {
        const std::size_t after = location.sectionEnd->next;
        return Splice(text, after, after, std::string(LineEndBefore(text, after, eol)) + entry);
    }
    const auto storedSection = Encode(section, encoding);
    if (!storedSection)
        return std::nullopt;
    const std::string header = '[' + *storedSection + ']' + std::string(eol);
    return Splice(text, text.size(), text.size(),
        std::string(LineEndBefore(text, text.size(), eol)) + header + entry);
}

}
