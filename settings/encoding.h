// The two encodings a settings file may be in, and the conversions between them and the UTF-8
// of the program's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ini {

enum class Encoding { Cp932, Utf8 };

// A file saved by a UTF-8 editor is UTF-8; any other, plain ASCII included, is CP932.
Encoding DetectEncoding(std::string_view text);

// The longest prefix of text made of whole characters within limit bytes.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit, Encoding encoding);

// Stored bytes as UTF-8; a byte that does not convert reads as U+FFFD.
std::string Decode(std::string_view raw, Encoding encoding);

// UTF-8 text as stored, or nullopt when it would not read back unchanged.
std::optional<std::string> Encode(std::string_view text, Encoding encoding);

}
