// A fresh folder for the settings file, for the length of one test.
#pragma once

#include "settings/ini.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

class SettingsFolder {
public:
    SettingsFolder()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "rurized-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        ini::SetIniDir(path_);
    }
    ~SettingsFolder()
    {
        ini::SetIniDir("");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    std::filesystem::path File() const { return std::filesystem::path(path_) / "Rurized.ini"; }

    // A file's bytes, CRLF line ends and all; "" when there is none.
    static std::string Bytes(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::string Text() const { return Bytes(File()); }

    void Write(const std::string& bytes) const { std::ofstream(File(), std::ios::binary) << bytes; }

private:
    std::string path_;
};
