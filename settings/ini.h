// The settings file Rurized.ini in the program's folder: one value read or written per call,
// straight to disk, in the Windows profile format and Shift-JIS (CP932), so the file can be
// exchanged with Japanese Windows systems; a file its user saved as UTF-8 or UTF-16 stays so.
// Texts are UTF-8 on this side.
#pragma once

#include "settings/convert.h"

#include <string>
#include <string_view>

namespace ini {

// The folder of the settings file with exactly one trailing '/': "/opt/rurized/"; "/" stays "/".
std::string IniDir();

// Moves the settings file to dir (tests use a temporary folder); "" restores the program's folder.
void SetIniDir(std::string dir);

// IniDir() + "Rurized.ini".
std::string IniPath();

// The value of key in section: "[Scale]" "Root=5" gives ReadIni("scale", "ROOT") == "5".
// "" when the file, section or key is missing; at most 254 bytes as stored on disk.
std::string ReadIni(std::string_view section, std::string_view key) noexcept;

// Sets key in section to value by replacing the whole file at once. Non-zero on success; 0 when
// the file cannot be written or cannot hold the text, and the file is then left as it was.
int WriteIni(std::string_view section, std::string_view key, std::string_view value) noexcept;

}
