// Fuzzes the settings file's reader and writer. An input is three length bytes, then a section,
// a key and a value of those lengths, then the bytes of the file (nothing: there is no file).
// After WriteIni every other key reads as before, the written key reads back as written, cut
// to 254 bytes on disk on a whole character, and the file keeps its encoding and byte-order
// mark; a refused write leaves the folder as it was.
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

// How a file's bytes stand for its text: after a byte-order mark UTF-8 or UTF-16; without one
// UTF-8 when it is UTF-8 and not plain ASCII, else Shift-JIS.
enum class Form { Cp932, Utf8, Utf8Mark, Utf16Le, Utf16Be };

constexpr std::pair<Form, std::string_view> kMarks[] = {
    { Form::Utf8Mark, "\xEF\xBB\xBF" },
    { Form::Utf16Le, "\xFF\xFE" },
    { Form::Utf16Be, "\xFE\xFF" },
};

Form FormOf(std::string_view file)
{
    for (const auto& [form, mark] : kMarks) {
        if (file.substr(0, mark.size()) == mark)
            return form;
    }
    return !IsAscii(file) && IsUtf8(file) ? Form::Utf8 : Form::Cp932;
}

bool IsUtf16(Form form) { return form == Form::Utf16Le || form == Form::Utf16Be; }

// The text the names are spelt in: a UTF-16 file's as UTF-8, nullopt when it does not convert.
std::optional<std::string> TextOf(std::string_view file)
{
    const Form form = FormOf(file);
    if (form == Form::Cp932 || form == Form::Utf8)
        return std::string(file);
    file.remove_prefix(IsUtf16(form) ? 2 : 3);
    if (!IsUtf16(form))
        return std::string(file);
    return Convert("UTF-8", form == Form::Utf16Le ? "UTF-16LE" : "UTF-16BE", file);
}

// Lengths are counted in UTF-8 unless the file is Shift-JIS.
bool StoredAsUtf8(std::string_view file) { return FormOf(file) != Form::Cp932; }

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
            for (auto& name : Spellings(Trimmed(line.substr(1, line.rfind(']') - 1)))) {
                pairs.emplace_back(name, key);
                current = name;
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

// A write of plain, well-formed ASCII into a missing or plain ASCII file, or one with a mark
// that converts whole, has no reason to fail.
bool MustSucceed(const std::optional<std::string>& file, std::string_view section,
    std::string_view key, std::string_view value)
{
    const bool plainFile = !file || IsAscii(*file)
        || (FormOf(*file) != Form::Cp932 && FormOf(*file) != Form::Utf8 && TextOf(*file));
    return plainFile && Printable(section) && Printable(value) && Printable(key) && !key.empty()
        && Trimmed(key) == key && key.find('=') == std::string_view::npos && key.front() != '[';
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

    const std::vector<Pair> pairs = NamesIn(TextOf(before.value_or("")).value_or(""), section, key);
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
    Check(FormOf(*after) == FormOf(before.value_or("")), "a write changed the file's encoding");
    Check(!IsUtf16(FormOf(*after)) || TextOf(*after), "a write left UTF-16 that does not convert");

    const bool utf8 = StoredAsUtf8(*after);
    CheckReadBack(value, ini::ReadIni(section, key), utf8);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto& [s, k] = pairs[i];
        if (Folded(Trimmed(s)) == Folded(Trimmed(section)) && Folded(Trimmed(k)) == Folded(key))
            CheckReadBack(value, ini::ReadIni(s, k), utf8);
        else
            Check(ini::ReadIni(s, k) == readBefore[i], "a write changed another key");
    }
    return 0;
}
