// Fuzzes the settings file's reader and writer. An input is three length bytes, then a section,
// a key and a value of those lengths, then the bytes of the file (nothing: there is no file).
// After WriteIni every other key reads as before, the written key reads back as written (cut on a
// whole character only beyond 254 bytes), a byte-order mark stays and 8-bit text behind any mark
// gets no UTF-16; a refused write leaves the folder as it was, and a plain ASCII write into an
// ASCII file is never refused.
#include "tests/settings_folder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "ini_fuzz: %s\n", what);
        std::abort();
    }
}

// Made once, on tmpfs where there is one: every write syncs the file, which a disk makes slow.
const SettingsFolder& MakeFolder()
{
    if (access("/dev/shm", W_OK) == 0)
        setenv("TMPDIR", "/dev/shm", 1);
    static const SettingsFolder folder;
    return folder;
}

// A name as the reader compares it: blanks and ASCII case set aside.
std::string Folded(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const SettingsFolder& folder = MakeFolder();
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
    const std::string file(input); // "": no file
    std::filesystem::remove_all(folder.File());
    if (!file.empty())
        folder.Write(file);

    // Every section and key name the file spells in its raw bytes, and what each reads.
    std::vector<std::pair<std::string, std::string>> names { { section, key } };
    std::string current;
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
    const std::string after = folder.Text();
    const auto files
        = std::distance(std::filesystem::directory_iterator(folder.File().parent_path()), {});
    if (written == 0) {
        Check(after == file && files == (file.empty() ? 0 : 1), "a refused write changed files");
        const std::string plain = section + key + value;
        Check(!std::all_of(file.begin(), file.end(), [](char c) { return c >= 0; })
                || !std::all_of(
                    plain.begin(), plain.end(), [](char c) { return c >= 0x20 && c < 0x7F; })
                || key.empty() || key.front() == ' ' || key.back() == ' ' || key.front() == '['
                || key.find('=') != key.npos,
            "a plain write was refused");
        return 0;
    }
    Check(!after.empty() && files == 1, "a write left no file, or another file behind");
    for (const char* mark : { "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF" })
        Check(file.starts_with(mark) == after.starts_with(mark), "the byte-order mark changed");
    // 8-bit text holds no zero byte, while every ASCII character in UTF-16 has one; no mark has
    // one, and a file of a UTF-16 mark alone is UTF-16.
    Check(file.size() <= 2 || file.find('\0') != file.npos || after.find('\0') == after.npos,
        "a write put UTF-16 into 8-bit text");
    const std::string read = ini::ReadIni(section, key);
    Check(read == value
            || (value.size() > 254 && value.starts_with(read)
                && (static_cast<unsigned char>(value[read.size()]) & 0xC0) != 0x80),
        "the written value does not read back whole, or beyond 254 bytes cut on a whole character");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        Check((Folded(s) == Folded(section) && Folded(k) == Folded(key))
                || ini::ReadIni(s, k) == readBefore[i],
            "a write changed another key");
    }
    return 0;
}
