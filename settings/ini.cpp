#include "settings/ini.h"
#include "settings/ini_seam.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <iconv.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {

namespace {

    constexpr std::string_view kFileName = "Rurized.ini";
    constexpr std::size_t kMaxValueBytes = 254;
    constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

    enum class Encoding { Cp932, Utf8 };

    std::string& DirOverride()
    {
        static std::string dir;
        return dir;
    }

    FileCalls& CallsInForce()
    {
        static FileCalls calls;
        return calls;
    }

    ssize_t WriteSome(int fd, const void* bytes, std::size_t count)
    {
        const auto& call = CallsInForce().write;
        return call ? call(fd, bytes, count) : ::write(fd, bytes, count);
    }

    int SyncFile(int fd)
    {
        const auto& call = CallsInForce().fsync;
        return call ? call(fd) : ::fsync(fd);
    }

    int CloseFile(int fd)
    {
        const auto& call = CallsInForce().close;
        return call ? call(fd) : ::close(fd);
    }

    int RenameFile(const char* from, const char* to)
    {
        const auto& call = CallsInForce().rename;
        return call ? call(from, to) : ::rename(from, to);
    }

    std::string WithOneSlash(std::string dir)
    {
        while (!dir.empty() && dir.back() == '/')
            dir.pop_back();
        return dir + '/';
    }

    // "/opt/rurized/x" -> "/opt/rurized/"
    std::string DirName(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

    std::optional<std::string> ReadLink(const std::string& path)
    {
        std::string target(256, '\0');
        for (;;) {
            const ssize_t length = readlink(path.c_str(), target.data(), target.size());
            if (length <= 0)
                return std::nullopt;
            if (static_cast<std::size_t>(length) < target.size()) {
                target.resize(static_cast<std::size_t>(length));
                return target;
            }
            target.resize(target.size() * 2);
        }
    }

    std::string ProgramDir()
    {
        const auto exe = ReadLink("/proc/self/exe");
        return exe ? DirName(*exe) : "./";
    }

    bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    std::string_view Trim(std::string_view text)
    {
        while (!text.empty() && IsBlank(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }

    char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

    // Both texts are UTF-8, where an ASCII byte is always a whole character.
    bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
    }

    // Length of the well-formed UTF-8 sequence at text[i], or 0 when it is malformed: overlong,
    // a surrogate, beyond U+10FFFF or cut short.
    std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
    {
        const auto byte = [&](std::size_t k) -> unsigned {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
        };
        const unsigned lead = byte(0);
        if (lead < 0x80)
            return 1;
        std::size_t length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : low;
            high = lead == 0xED ? 0x9F : high;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : low;
            high = lead == 0xF4 ? 0x8F : high;
        } else
            return 0;
        if (byte(1) < low || byte(1) > high)
            return 0;
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(k) < 0x80 || byte(k) > 0xBF)
                return 0;
        }
        return length;
    }

    bool IsAscii(std::string_view text)
    {
        return std::all_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    bool IsValidUtf8(std::string_view text)
    {
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length == 0)
                return false;
            i += length;
        }
        return true;
    }

    // A file saved by a UTF-8 editor. Plain ASCII stays CP932; and since many UTF-8 texts
    // ("根音") are also valid CP932, UTF-8 is tried first.
    Encoding DetectEncoding(std::string_view text)
    {
        return !IsAscii(text) && IsValidUtf8(text) ? Encoding::Utf8 : Encoding::Cp932;
    }

    // Bytes of the character at text[i] as stored on disk.
    std::size_t CharacterLength(std::string_view text, std::size_t i, Encoding encoding)
    {
        if (encoding == Encoding::Utf8)
            return std::max<std::size_t>(Utf8SequenceLength(text, i), 1);
        const auto lead = static_cast<unsigned char>(text[i]);
        return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
    }

    // The longest prefix of whole characters within limit bytes.
    std::string_view CutToWholeCharacters(
        std::string_view text, std::size_t limit, Encoding encoding)
    {
        std::size_t end = 0;
        while (end < text.size()) {
            const std::size_t next = end + CharacterLength(text, end, encoding);
            if (next > limit)
                break;
            end = std::min(next, text.size());
        }
        return text.substr(0, end);
    }

    class Converter {
    public:
        Converter(const char* to, const char* from)
            : descriptor_(iconv_open(to, from))
        {
        }
        ~Converter()
        {
            if (ok())
                iconv_close(descriptor_);
        }
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;

        bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

        // Converts text; a byte that cannot be converted stands as replacement, or ends the
        // conversion with nullopt when there is none.
        std::optional<std::string> operator()(
            std::string_view text, std::optional<std::string_view> replacement) const
        {
            if (!ok())
                return std::nullopt;
            std::string out;
            char* in = const_cast<char*>(text.data());
            std::size_t inLeft = text.size();
            char buffer[4096];
            while (inLeft > 0) {
                char* outNext = buffer;
                std::size_t outLeft = sizeof buffer;
                const std::size_t result = iconv(descriptor_, &in, &inLeft, &outNext, &outLeft);
                const bool stuck = result == static_cast<std::size_t>(-1) && errno != E2BIG;
                out.append(buffer, static_cast<std::size_t>(outNext - buffer));
                if (!stuck)
                    continue;
                if (!replacement)
                    return std::nullopt;
                out += *replacement;
                ++in;
                --inLeft;
                iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
            }
            return out;
        }

    private:
        iconv_t descriptor_;
    };

    // Lenient, so that even binary junk can be matched against names. ASCII reads the same in
    // both encodings and skips iconv, which most names and values are.
    std::string Decode(std::string_view raw, Encoding encoding)
    {
        if (encoding == Encoding::Utf8 || IsAscii(raw))
            return std::string(raw);
        return Converter("UTF-8", "CP932")(raw, kReplacementCharacter).value_or(std::string());
    }

    // Strict: nullopt unless the text comes back unchanged, which also refuses characters that
    // CP932 only approximates ("¥" would be stored as '\').
    std::optional<std::string> Encode(std::string_view text, Encoding encoding)
    {
        if (!IsValidUtf8(text))
            return std::nullopt;
        if (encoding == Encoding::Utf8 || IsAscii(text))
            return std::string(text);
        auto encoded = Converter("CP932", "UTF-8")(text, std::nullopt);
        if (!encoded || Converter("UTF-8", "CP932")(*encoded, std::nullopt) != text)
            return std::nullopt;
        return encoded;
    }

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

    // The decoded name of a section line "[Scale]", or nullopt for any other line. The last ']' is
    // searched in the decoded text, since a CP932 trail byte may be ']' ("‐" is 0x81 0x5D).
    std::optional<std::string> SectionName(std::string_view content, Encoding encoding)
    {
        content = Trim(content);
        if (content.empty() || content.front() != '[')
            return std::nullopt;
        std::string decoded = Decode(content.substr(1), encoding);
        const std::size_t close = decoded.rfind(']');
        if (close == std::string::npos)
            return std::nullopt;
        decoded.resize(close);
        return decoded;
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

    // Names and values that would not read back as written are refused: a line break would start
    // a new line, and '=' or surrounding blanks would change the key.
    bool CanStore(std::string_view section, std::string_view key, std::string_view value)
    {
        constexpr std::string_view lineBreaks("\r\n\0", 3);
        const auto oneLine = [&](std::string_view text) {
            return text.find_first_of(lineBreaks) == std::string_view::npos;
        };
        return oneLine(section) && oneLine(key) && oneLine(value) && !key.empty()
            && Trim(key) == key && key.find('=') == std::string_view::npos && key.front() != '[';
    }

    // The file's text with key set to value, or nullopt when the file's encoding cannot hold them.
    std::optional<std::string> SetEntry(std::string_view text, std::string_view section,
        std::string_view key, std::string_view value)
    {
        const Encoding encoding = DetectEncoding(text);
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

    // Refuses an edit after which the file would read in another encoding: CP932 text such as
    // "譬ｹ髻ｳ" is stored as bytes that also spell UTF-8 "根音", and would read back as that.
    std::optional<std::string> Edit(std::string_view text, std::string_view section,
        std::string_view key, std::string_view value)
    {
        auto edited = SetEntry(text, section, key, value);
        if (edited && DetectEncoding(*edited) != DetectEncoding(text))
            return std::nullopt;
        return edited;
    }

    // The whole file, or nullopt when it is missing, unreadable or not a regular file.
    std::optional<std::string> ReadFile(const std::string& path)
    {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return std::nullopt;
        struct Closer {
            int fd;
            ~Closer() { close(fd); }
        } closer { fd };
        struct stat status { };
        if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
            return std::nullopt;
        std::string text;
        char buffer[65536];
        for (;;) {
            const ssize_t count = read(fd, buffer, sizeof buffer);
            if (count == 0)
                return text;
            if (count < 0 && errno != EINTR)
                return std::nullopt;
            if (count > 0)
                text.append(buffer, static_cast<std::size_t>(count));
        }
    }

    // A write that makes no progress fails too: waiting for room on a full disk would hang.
    bool WriteAll(int fd, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t count = WriteSome(fd, bytes.data(), bytes.size());
            if (count == 0 || (count < 0 && errno != EINTR))
                return false;
            if (count > 0)
                bytes.remove_prefix(static_cast<std::size_t>(count));
        }
        return true;
    }

    constexpr std::string_view kTemporarySuffix = ".tmp";

    // "Rurized.ini.Ab12Cd.tmp" for path "Rurized.ini": the name of a temporary file of a write.
    bool IsTemporaryName(std::string_view name, std::string_view fileName)
    {
        constexpr std::size_t kRandom = 6;
        const std::size_t prefix = fileName.size() + 1;
        if (name.size() != prefix + kRandom + kTemporarySuffix.size()
            || name.substr(0, fileName.size()) != fileName || name[fileName.size()] != '.'
            || name.substr(prefix + kRandom) != kTemporarySuffix)
            return false;
        const std::string_view random = name.substr(prefix, kRandom);
        return std::all_of(random.begin(), random.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
    }

    // Removes the temporary files of writes that were killed before their rename. A write holds
    // the lock of its temporary file until it closes it, so a file whose lock is free is left over.
    void RemoveLeftovers(const std::string& path)
    {
        const std::string folder = DirName(path);
        DIR* listing = opendir(folder.c_str());
        if (!listing)
            return;
        while (const dirent* entry = readdir(listing)) {
            if (!IsTemporaryName(entry->d_name, std::string_view(path).substr(folder.size())))
                continue;
            const std::string leftover = folder + entry->d_name;
            const int fd = open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (fd < 0)
                continue;
            struct stat status { };
            if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                && flock(fd, LOCK_EX | LOCK_NB) == 0)
                unlink(leftover.c_str());
            close(fd);
        }
        closedir(listing);
    }

    // Writes bytes to a fresh file beside path and renames it over path, so that the file is
    // always either the old or the new one, never half written.
    bool ReplaceFile(const std::string& path, std::string_view bytes, mode_t mode)
    {
        RemoveLeftovers(path);
        std::string temporary = path + ".XXXXXX" + std::string(kTemporarySuffix);
        const int fd
            = mkostemps(temporary.data(), static_cast<int>(kTemporarySuffix.size()), O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = flock(fd, LOCK_EX) == 0 && WriteAll(fd, bytes) && fchmod(fd, mode) == 0
            && SyncFile(fd) == 0;
        ok = CloseFile(fd) == 0 && ok;
        ok = ok && RenameFile(temporary.c_str(), path.c_str()) == 0;
        if (!ok) {
            unlink(temporary.c_str());
            return false;
        }
        // The new file is in place; syncing the folder only hastens the rename reaching the disk.
        if (const int folder = open(DirName(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }

    // Follows a chain of symbolic links to the file they name, which may not exist yet.
    std::optional<std::string> ResolveLinks(std::string path)
    {
        for (int hop = 0; hop < 40; ++hop) {
            struct stat status { };
            if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
                return path;
            const auto target = ReadLink(path);
            if (!target)
                return std::nullopt;
            path = target->front() == '/' ? *target : DirName(path) + *target;
        }
        return std::nullopt;
    }

    // root passes access(W_OK) everywhere, so the write bits are checked too: a file or folder
    // made read-only stays untouched even then.
    bool MayWrite(const std::string& path, const struct stat& status)
    {
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
            && access(path.c_str(), W_OK) == 0;
    }

    // The mode bits a new file gets, read without umask(), which would change it for a moment
    // under other threads.
    mode_t NewFileMode()
    {
        mode_t mask = 022;
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("Umask:", 0) == 0)
                mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
        return 0666 & ~mask;
    }

    std::string Read(std::string_view section, std::string_view key)
    {
        const auto text = ReadFile(IniPath());
        if (!text)
            return {};
        const Encoding encoding = DetectEncoding(*text);
        const Location location = Locate(*text, encoding, section, key);
        if (!location.keyLine)
            return {};
        const std::string_view value = Unquote(location.entry.value);
        return Decode(CutToWholeCharacters(value, kMaxValueBytes, encoding), encoding);
    }

    bool Write(std::string_view section, std::string_view key, std::string_view value)
    {
        if (!CanStore(section, key, value))
            return false;
        const auto path = ResolveLinks(IniPath());
        if (!path)
            return false;
        const std::string folder = DirName(*path);
        struct stat folderStatus { };
        if (stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)
            || !MayWrite(folder, folderStatus))
            return false;
        struct stat fileStatus { };
        std::string text;
        mode_t mode = 0;
        if (stat(path->c_str(), &fileStatus) == 0) {
            if (!S_ISREG(fileStatus.st_mode) || !MayWrite(*path, fileStatus))
                return false;
            auto old = ReadFile(*path);
            if (!old)
                return false;
            text = std::move(*old);
            mode = fileStatus.st_mode & 07777;
        } else if (errno == ENOENT)
            mode = NewFileMode();
        else
            return false;
        const auto edited = Edit(text, section, key, value);
        return edited && ReplaceFile(*path, *edited, mode);
    }

    struct Decimal {
        bool negative = false;
        bool zero = true;
        // The rounded magnitude, nullopt when too large for any caller.
        std::optional<std::uint64_t> rounded;
    };

    bool AllDigits(std::string_view text)
    {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    // "[blanks][+|-]digits[.digits][blanks]" with at least one digit, rounded half to even:
    // "2.5" -> 2, "3.5" -> 4, "2.51" -> 3.
    std::optional<Decimal> ParseDecimal(std::string_view text)
    {
        text = Trim(text);
        Decimal decimal;
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            decimal.negative = text.front() == '-';
            text.remove_prefix(1);
        }
        const std::size_t dot = text.find('.');
        const std::string_view whole = text.substr(0, dot);
        const std::string_view fraction
            = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
        if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction))
            return std::nullopt;
        decimal.zero = whole.find_first_not_of('0') == std::string_view::npos
            && fraction.find_first_not_of('0') == std::string_view::npos;
        constexpr std::uint64_t limit = 1'000'000'000'000'000'000;
        std::uint64_t magnitude = 0;
        for (const char digit : whole) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
            if (magnitude > limit)
                return decimal;
        }
        if (!fraction.empty()) {
            const bool aboveHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
            if (fraction[0] > '5' || (fraction[0] == '5' && (aboveHalf || magnitude % 2 == 1)))
                ++magnitude;
        }
        decimal.rounded = magnitude;
        return decimal;
    }

    template <typename Whole> std::optional<Whole> ToWhole(std::string_view text)
    {
        const auto decimal = ParseDecimal(text);
        if (!decimal || !decimal->rounded)
            return std::nullopt;
        const auto magnitude = static_cast<std::int64_t>(*decimal->rounded);
        const std::int64_t value = decimal->negative ? -magnitude : magnitude;
        if (value < std::numeric_limits<Whole>::min() || value > std::numeric_limits<Whole>::max())
            return std::nullopt;
        return static_cast<Whole>(value);
    }

}

std::string IniDir() { return WithOneSlash(DirOverride().empty() ? ProgramDir() : DirOverride()); }

void SetIniDir(std::string dir) { DirOverride() = std::move(dir); }

void SetFileCalls(FileCalls calls) { CallsInForce() = std::move(calls); }

std::string IniPath() { return IniDir() + std::string(kFileName); }

std::string ReadIni(std::string_view section, std::string_view key) noexcept
{
    try {
        return Read(section, key);
    } catch (...) {
        return {};
    }
}

int WriteIni(std::string_view section, std::string_view key, std::string_view value) noexcept
{
    try {
        return Write(section, key, value) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

std::optional<bool> ToBoolean(std::string_view text) noexcept
{
    const std::string_view word = Trim(text);
    if (EqualsIgnoringAsciiCase(word, "true"))
        return true;
    if (EqualsIgnoringAsciiCase(word, "false"))
        return false;
    if (const auto decimal = ParseDecimal(text))
        return !decimal->zero;
    return std::nullopt;
}

std::optional<std::int32_t> ToLong(std::string_view text) noexcept
{
    return ToWhole<std::int32_t>(text);
}

std::optional<std::int16_t> ToInteger(std::string_view text) noexcept
{
    return ToWhole<std::int16_t>(text);
}

}
