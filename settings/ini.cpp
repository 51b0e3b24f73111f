#include "settings/ini.h"

#include "settings/encoding.h"
#include "settings/profile_text.h"
#include "settings/replace.h"

namespace ini {

namespace {

    constexpr std::string_view kFileName = "Rurized.ini";
    constexpr std::size_t kMaxValueBytes = 254;

    std::string& DirOverride()
    {
        static std::string dir;
        return dir;
    }

    std::string WithOneSlash(std::string dir)
    {
        while (!dir.empty() && dir.back() == '/')
            dir.pop_back();
        return dir + '/';
    }

    std::string ProgramDir()
    {
        const auto exe = ReadLink("/proc/self/exe");
        return exe ? DirName(*exe) : "./";
    }

    std::string Read(std::string_view section, std::string_view key)
    {
        const auto bytes = ReadFile(IniPath());
        if (!bytes)
            return {};
        const FileText file = ReadFileText(*bytes);
        const auto value = StoredValue(file.text, file.encoding, section, key);
        if (!value)
            return {};
        return Decode(CutToWholeCharacters(*value, kMaxValueBytes, file.encoding), file.encoding);
    }

    // The file's bytes with the edit made in its own encoding and byte-order mark, or nullopt.
    // A file without a mark must still read in the same encoding afterwards: CP932 text such as
    // "譬ｹ髻ｳ" is stored as bytes that also spell UTF-8 "根音", and would read back as that.
    std::optional<std::string> Edit(std::string_view bytes, std::string_view section,
        std::string_view key, std::string_view value)
    {
        const FileText file = ReadFileText(bytes);
        if (!file.whole)
            return std::nullopt;
        const auto edited = EditedText(file.text, file.encoding, section, key, value);
        if (!edited || (file.bom == Bom::None && DetectEncoding(*edited) != file.encoding))
            return std::nullopt;
        return FileBytes(file.bom, *edited);
    }

    bool Write(std::string_view section, std::string_view key, std::string_view value)
    {
        return CanStore(section, key, value)
            && ReplaceFile(IniPath(),
                [&](const std::string& text) { return Edit(text, section, key, value); });
    }

}

std::string IniDir() { return WithOneSlash(DirOverride().empty() ? ProgramDir() : DirOverride()); }

void SetIniDir(std::string dir) { DirOverride() = std::move(dir); }

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

}
