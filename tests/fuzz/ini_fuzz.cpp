// Fuzzes the settings file's reader and writer. An input is three length bytes, then a section,
// a key and a value of those lengths, then the bytes of the file (nothing: there is no file).
// After WriteIni every other key reads as before, the written key reads back as written or cut
// on a whole character, and a byte-order mark stays; a refused write leaves the folder as it was,
// and a plain ASCII write into an ASCII file is never refused.
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
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "ini_fuzz: %s\n", what);
        std::abort();
    }
}

// A private folder for the settings file, on tmpfs where there is one, removed at exit.
struct Folder {
    Folder()
    {
        Check(mkdtemp(path.data()) != nullptr, "no temporary folder");
        ini::SetIniDir(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp")
        + std::string("/rurized-fuzz-XXXXXX");
    std::string File() const { return path + "/Rurized.ini"; }
    std::size_t Count() const
    {
        const auto entries = fs::directory_iterator(path);
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }
    std::optional<std::string> Bytes() const
    {
        std::ifstream in(File(), std::ios::binary);
        return in ? std::optional(std::string(std::istreambuf_iterator<char>(in), {}))
                  : std::nullopt;
    }
};

bool Printable(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// A name as the reader compares it: blanks and ASCII case set aside.
std::string Folded(std::string_view text)
{
    std::string folded;
    for (char c : text)
        if (c != ' ' && c != '\t')
            folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return folded;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
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
    fs::remove_all(folder.File());
    const std::optional<std::string> before
        = input.empty() ? std::nullopt : std::optional(std::string(input));
    if (before)
        std::ofstream(folder.File(), std::ios::binary) << *before;

    // Every section and key name the file spells in its raw bytes, and what each reads.
    std::vector<std::pair<std::string, std::string>> names { { section, key } };
    std::string current;
    const std::string file = before.value_or("");
    for (std::size_t begin = 0; begin < file.size() && names.size() < 64;) {
        const std::size_t end = std::min(file.find('\n', begin), file.size());
        const std::string line = file.substr(begin, end - begin);
        begin = end + 1;
        if (const std::size_t equals = line.find('='); equals != line.npos)
            names.emplace_back(current, line.substr(0, equals));
        else if (const std::size_t open = line.find('['); open != line.npos)
            names.emplace_back(current = line.substr(open + 1, line.rfind(']') - open - 1), key);
    }
    std::vector<std::string> readBefore;
    for (const auto& [s, k] : names)
        readBefore.push_back(ini::ReadIni(s, k));

    const int written = ini::WriteIni(section, key, value);
    const std::optional<std::string> after = folder.Bytes();
    if (written == 0) {
        Check(after == before, "a refused write changed the file");
        Check(folder.Count() == (before ? 1u : 0u), "a refused write left a file behind");
        Check(!std::all_of(file.begin(), file.end(), [](char c) { return c >= 0; })
                || !Printable(section + key + value) || key.empty() || key.front() == ' '
                || key.back() == ' ' || key.front() == '[' || key.find('=') != key.npos,
            "a plain write was refused");
        return 0;
    }
    Check(after && folder.Count() == 1, "a write left no file, or another file behind");
    for (const char* mark : { "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF" })
        Check(file.starts_with(mark) == after->starts_with(mark),
            "a write changed the byte-order mark");
    const std::string read = ini::ReadIni(section, key);
    Check(value.starts_with(read)
            && (read.size() == value.size()
                || (static_cast<unsigned char>(value[read.size()]) & 0xC0) != 0x80),
        "the written value does not read back whole, or cut on a whole character");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        Check((Folded(s) == Folded(section) && Folded(k) == Folded(key))
                || ini::ReadIni(s, k) == readBefore[i],
            "a write changed another key");
    }
    return 0;
}
