// Fuzzes the settings file's reader and writer. An input is three length bytes, then a section,
// a key and a value of those lengths, then the bytes of the file (nothing: there is no file).
// After WriteIni every other key reads as before and the written key reads back as written, cut
// to 254 bytes on disk on a whole character; a refused write leaves the folder as it was.
#include "settings/ini.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <iconv.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fault(const char* what)
{
    std::fprintf(stderr, "ini_fuzz: %s\n", what);
    std::abort();
}

void Check(bool holds, const char* what)
{
    if (!holds)
        Fault(what);
}

// A private folder for the settings file, on tmpfs where there is one, removed at exit.
const std::string& Folder()
{
    static const struct Temporary {
        Temporary()
        {
            const std::string base
                = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : fs::temp_directory_path().string();
            path = base + "/rurized-fuzz-XXXXXX";
            if (!mkdtemp(path.data()))
                Fault("no temporary folder");
            ini::SetIniDir(path);
        }
        ~Temporary()
        {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
        std::string path;
    } folder;
    return folder.path;
}

std::string File() { return Folder() + "/Rurized.ini"; }

std::optional<std::string> Bytes()
{
    std::ifstream in(File(), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Listing()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder()))
        names.push_back(entry.path().filename().string());
    return names;
}

// text converted by iconv, nullopt when any of it does not convert.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text)
{
    const iconv_t descriptor = iconv_open(to, from);
    if (descriptor == reinterpret_cast<iconv_t>(-1))
        Fault("iconv lacks CP932");
    std::string out(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const bool ok = iconv(descriptor, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1)
        && iconv(descriptor, nullptr, nullptr, &next, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(descriptor);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

bool IsAscii(std::string_view text)
{
    return std::none_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool IsUtf8(std::string_view text) { return Convert("UTF-8", "UTF-8", text).has_value(); }

// A file stays in UTF-8 when it is UTF-8 already and not plain ASCII; else it is Shift-JIS.
bool StoredAsUtf8(std::string_view file) { return !IsAscii(file) && IsUtf8(file); }

std::size_t StoredLength(std::string_view text, bool utf8)
{
    if (utf8)
        return text.size();
    const auto stored = Convert("CP932", "UTF-8", text);
    if (!stored)
        Fault("a value that was written does not convert to CP932");
    return stored->size();
}

std::string Folded(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return folded;
}

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names as the file spells them, raw and from Shift-JIS, each section with the keys under it.
using Pair = std::pair<std::string, std::string>;

std::vector<std::string> Spellings(std::string_view raw)
{
    std::vector<std::string> spellings { std::string(raw) };
    if (auto converted = Convert("UTF-8", "CP932", raw); converted && *converted != raw)
        spellings.push_back(*converted);
    return spellings;
}

std::vector<Pair> NamesIn(std::string_view file, const std::string& section, const std::string& key)
{
    constexpr std::size_t kMaxPairs = 64;
    std::vector<Pair> pairs { { section, key }, { Folded(section), key } };
    std::string current;
    std::size_t begin = 0;
    while (begin < file.size() && pairs.size() < kMaxPairs) {
        std::size_t end = std::min(file.find('\n', begin), file.size());
        std::string_view line = Trimmed(file.substr(begin, end - begin));
        begin = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                for (auto& name : Spellings(line.substr(1, close - 1))) {
                    pairs.emplace_back(name, key);
                    current = name;
                }
            }
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            for (auto& name : Spellings(Trimmed(line.substr(0, equals)))) {
                pairs.emplace_back(current, name);
                pairs.emplace_back(section, name);
            }
        }
    }
    return pairs;
}

// The written value read back: all of it, or the longest run of its first whole characters
// that fits in 254 bytes as stored.
void CheckReadBack(std::string_view written, std::string_view read, bool utf8)
{
    Check(written.substr(0, read.size()) == read, "the written value does not read back");
    Check(StoredLength(read, utf8) <= 254, "a value read is longer than 254 bytes");
    if (read.size() == written.size())
        return;
    std::size_t next = read.size() + 1;
    while (next < written.size() && (static_cast<unsigned char>(written[next]) & 0xC0) == 0x80)
        ++next;
    Check((static_cast<unsigned char>(written[read.size()]) & 0xC0) != 0x80,
        "a value read back ends inside a character");
    Check(StoredLength(written.substr(0, next), utf8) > 254, "a value read back is cut short");
}

bool Printable(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// A write of plain, well-formed ASCII into a missing or plain ASCII file has no reason to fail.
bool MustSucceed(const std::optional<std::string>& file, std::string_view section,
    std::string_view key, std::string_view value)
{
    return (!file || IsAscii(*file)) && Printable(section) && Printable(value) && Printable(key)
        && !key.empty() && Trimmed(key) == key && key.find('=') == std::string_view::npos
        && key.front() != '[';
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto take = [&input](std::size_t length) {
        const std::string_view part = input.substr(0, std::min(length, input.size()));
        input.remove_prefix(part.size());
        return std::string(part);
    };
    const std::string lengths = take(3) + std::string(3, '\0');
    const std::string section = take(static_cast<unsigned char>(lengths[0]));
    const std::string key = take(static_cast<unsigned char>(lengths[1]));
    const std::string value = take(static_cast<unsigned char>(lengths[2]));

    fs::remove_all(File());
    std::optional<std::string> before;
    if (!input.empty()) {
        before = std::string(input);
        std::ofstream(File(), std::ios::binary) << *before;
    }

    const std::vector<Pair> pairs = NamesIn(before.value_or(""), section, key);
    std::vector<std::string> readBefore;
    for (const auto& [s, k] : pairs)
        readBefore.push_back(ini::ReadIni(s, k));

    const int written = ini::WriteIni(section, key, value);
    const std::optional<std::string> after = Bytes();
    if (written == 0) {
        Check(after == before, "a refused write changed the file");
        Check(Listing().size() == (before ? 1u : 0u), "a refused write left a file behind");
        Check(!MustSucceed(before, section, key, value), "a plain write was refused");
        return 0;
    }
    Check(after.has_value(), "a write left no file");
    Check(Listing().size() == 1, "a write left a file behind");

    const bool utf8 = StoredAsUtf8(*after);
    CheckReadBack(value, ini::ReadIni(section, key), utf8);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto& [s, k] = pairs[i];
        if (Folded(s) == Folded(section) && Folded(k) == Folded(key))
            CheckReadBack(value, ini::ReadIni(s, k), utf8);
        else
            Check(ini::ReadIni(s, k) == readBefore[i], "a write changed another key");
    }
    return 0;
}
