// The encodings a settings file may be in, and the conversions between them and the UTF-8 of
// the program's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ini {

// The 8-bit encodings the profile text is read in.
enum class Encoding { Cp932, Utf8 };

// A file saved by a UTF-8 editor is UTF-8; any other, plain ASCII included, is CP932.
Encoding DetectEncoding(std::string_view text);

// The longest prefix of text made of whole characters within limit bytes.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit, Encoding encoding);

// Stored bytes as UTF-8; a byte that does not convert reads as U+FFFD.
std::string Decode(std::string_view raw, Encoding encoding);

// UTF-8 text as stored, or nullopt when it would not read back unchanged.
std::optional<std::string> Encode(std::string_view text, Encoding encoding);

// The byte-order mark a file begins with, which an editor's "UTF-8" or "Unicode" may write.
enum class Bom { None, Utf8, Utf16Le, Utf16Be };

// A file's bytes as the profile text: after its byte-order mark, a UTF-16 file's text as UTF-8.
struct FileText {
    Bom bom = Bom::None;
    Encoding encoding = Encoding::Cp932;
    std::string text;
    // False when the bytes are not whole in the encoding the mark names, so that a write would
    // not give them back or would mix two encodings: UTF-16 cut short or holding a lone surrogate
    // (read as U+FFFD), 8-bit text behind a UTF-16 mark, bytes that are no UTF-8 behind its mark.
    bool whole = true;
};

FileText ReadFileText(std::string_view bytes);

// The bytes of a file with the byte-order mark bom holding text, which for UTF-16 is UTF-8.
std::string FileBytes(Bom bom, std::string_view text);

}
