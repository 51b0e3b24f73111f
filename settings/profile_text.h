// The text of a settings file in the Windows profile format: "[Section]" lines, each followed by
// its "key=value" lines. Texts here are the file's bytes in its own encoding; names and values
// given by the program are UTF-8.
#pragma once

#include "settings/encoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The bytes of key's value in the first section named section, without the quotes a value may
// stand in: "[Scale]\r\n Root = \"5\" \r\n" gives "5" for ("scale", "ROOT"); nullopt when missing.
std::optional<std::string_view> StoredValue(
    std::string_view text, Encoding encoding, std::string_view section, std::string_view key);

// Whether the names and the value would read back as written: false for a line break anywhere,
// or a key that is empty, has blanks at an end, holds '=' or begins with '['.
bool CanStore(std::string_view section, std::string_view key, std::string_view value);

// text with key set to value, in the line where it stands, at the end of its section or in a new
// section at the end; nullopt when the encoding cannot hold the names or the value.
std::optional<std::string> EditedText(std::string_view text, Encoding encoding,
    std::string_view section, std::string_view key, std::string_view value);

}
