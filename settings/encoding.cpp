#include "settings/encoding.h"

#include <algorithm>
#include <cerrno>

#include <iconv.h>

namespace ini {

namespace {

    constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

    // Length of the well-formed UTF-8 sequence at text[i], or 0 when it is malformed: overlong,
    // a surrogate, beyond U+10FFFF or cut short.
    std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
    {
        const auto byte = [&](std::size_t k) -> unsigned {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
        };
        const unsigned lead = byte(0);
        if (lead < 0x80)
            return 1;
        std::size_t length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : low;
            high = lead == 0xED ? 0x9F : high;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : low;
            high = lead == 0xF4 ? 0x8F : high;
        } else
            return 0;
        if (byte(1) < low || byte(1) > high)
            return 0;
        for (std::size_t k = 2; k < length; ++k) {
            if (byte(k) < 0x80 || byte(k) > 0xBF)
                return 0;
        }
        return length;
    }

    bool IsAscii(std::string_view text)
    {
        return std::all_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    bool IsValidUtf8(std::string_view text)
    {
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length == 0)
                return false;
            i += length;
        }
        return true;
    }

    class Converter {
    public:
        Converter(const char* to, const char* from)
            : descriptor_(iconv_open(to, from))
        {
        }
        ~Converter()
        {
            if (ok())
                iconv_close(descriptor_);
        }
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;

        bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

        // Converts text; a byte that cannot be converted stands as replacement, or ends the
        // conversion with nullopt when there is none.
        std::optional<std::string> operator()(
            std::string_view text, std::optional<std::string_view> replacement) const
        {
            if (!ok())
                return std::nullopt;
            std::string out;
            char* in = const_cast<char*>(text.data());
            std::size_t inLeft = text.size();
            char buffer[4096];
            while (inLeft > 0) {
                char* outNext = buffer;
                std::size_t outLeft = sizeof buffer;
                const std::size_t result = iconv(descriptor_, &in, &inLeft, &outNext, &outLeft);
                const bool stuck = result == static_cast<std::size_t>(-1) && errno != E2BIG;
                out.append(buffer, static_cast<std::size_t>(outNext - buffer));
                if (!stuck)
                    continue;
                if (!replacement)
                    return std::nullopt;
                out += *replacement;
                ++in;
                --inLeft;
                iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
            }
            return out;
        }

    private:
        iconv_t descriptor_;
    };

    // The character of the well-formed UTF-8 sequence of length bytes at text[i].
    char32_t CodePointAt(std::string_view text, std::size_t i, std::size_t length)
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 1)
            return lead;
        char32_t c = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        return c;
    }

    void AppendUtf8(std::string& out, char32_t c)
    {
        const auto put = [&out](unsigned byte) { out += static_cast<char>(byte); };
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }

    constexpr char32_t kReplacement = 0xFFFD;

    // Malformed bytes each as U+FFFD, so that a UTF-8 file with junk in it reads as UTF-8.
    std::string WellFormedUtf8(std::string_view text)
    {
        std::string out;
        out.reserve(text.size());
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = Utf8SequenceLength(text, i);
            if (length == 0)
                out += kReplacementCharacter;
            else
                out.append(text.substr(i, length));
            i += std::max<std::size_t>(length, 1);
        }
        return out;
    }

    bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
    bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

    FileText FromUtf16(Bom bom, std::string_view bytes)
    {
        const auto unit = [&](std::size_t i) -> char32_t {
            const auto first = static_cast<unsigned char>(bytes[i]);
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            return bom == Bom::Utf16Be ? (first << 8) | second : (second << 8) | first;
        };
        // 8-bit text pairs its bytes into characters as well ("[M" is U+4D5B), but it holds no
        // zero byte, which every ASCII character has in UTF-16 ("[" is 5B 00).
        const bool utf16 = bytes.empty() || bytes.find('\0') != std::string_view::npos;
        FileText file { bom, Encoding::Utf8, {}, utf16 && bytes.size() % 2 == 0 };
        const std::size_t units = bytes.size() / 2;
        for (std::size_t n = 0; n < units; ++n) {
            char32_t c = unit(2 * n);
            if (IsHighSurrogate(c) && n + 1 < units && IsLowSurrogate(unit(2 * n + 2)))
                c = 0x10000 + ((c - 0xD800) << 10) + (unit(2 * ++n) - 0xDC00);
            if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
                c = kReplacement;
                file.whole = false;
            }
            AppendUtf8(file.text, c);
        }
        if (bytes.size() % 2 != 0)
            AppendUtf8(file.text, kReplacement);
        return file;
    }

    std::string ToUtf16(Bom bom, std::string_view text)
    {
        std::string out;
        out.reserve(text.size() * 2);
        const auto put = [&](char32_t unit) {
            const auto high = static_cast<char>(unit >> 8);
            const auto low = static_cast<char>(unit & 0xFF);
            out += bom == Bom::Utf16Be ? high : low;
            out += bom == Bom::Utf16Be ? low : high;
        };
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = Utf8SequenceLength(text, i);
            const char32_t c = length == 0 ? kReplacement : CodePointAt(text, i, length);
            i += std::max<std::size_t>(length, 1);
            if (c < 0x10000) {
                put(c);
            } else {
                put(0xD800 + ((c - 0x10000) >> 10));
                put(0xDC00 + ((c - 0x10000) & 0x3FF));
            }
        }
        return out;
    }

    struct MarkBytes {
        Bom bom;
        std::string_view bytes;
    };

    constexpr MarkBytes kMarks[] = {
        { Bom::Utf8, "\xEF\xBB\xBF" },
        { Bom::Utf16Le, "\xFF\xFE" },
        { Bom::Utf16Be, "\xFE\xFF" },
    };

    std::string_view MarkOf(Bom bom)
    {
        for (const auto& mark : kMarks) {
            if (mark.bom == bom)
                return mark.bytes;
        }
        return {};
    }

    // Bytes of the character at text[i] as stored on disk.
    std::size_t CharacterLength(std::string_view text, std::size_t i, Encoding encoding)
    {
        if (encoding == Encoding::Utf8)
            return std::max<std::size_t>(Utf8SequenceLength(text, i), 1);
        const auto lead = static_cast<unsigned char>(text[i]);
        return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
    }

}

// Many UTF-8 texts ("根音") are also valid CP932, so UTF-8 is tried first.
Encoding DetectEncoding(std::string_view text)
{
    return !IsAscii(text) && IsValidUtf8(text) ? Encoding::Utf8 : Encoding::Cp932;
}

std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit, Encoding encoding)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharacterLength(text, end, encoding);
        if (next > limit)
            break;
        end = std::min(next, text.size());
    }
    return text.substr(0, end);
}

// Lenient, so that even binary junk can be matched against names. ASCII reads the same in
// both encodings and skips iconv, which most names and values are.
std::string Decode(std::string_view raw, Encoding encoding)
{
    if (IsAscii(raw))
        return std::string(raw);
    if (encoding == Encoding::Utf8)
        return WellFormedUtf8(raw);
    return Converter("UTF-8", "CP932")(raw, kReplacementCharacter).value_or(std::string());
}

// Strict: nullopt unless the text comes back unchanged, which also refuses characters that
// CP932 only approximates ("¥" would be stored as '\').
std::optional<std::string> Encode(std::string_view text, Encoding encoding)
{
    if (!IsValidUtf8(text))
        return std::nullopt;
    if (encoding == Encoding::Utf8 || IsAscii(text))
        return std::string(text);
    auto encoded = Converter("CP932", "UTF-8")(text, std::nullopt);
    if (!encoded || Converter("UTF-8", "CP932")(*encoded, std::nullopt) != text)
        return std::nullopt;
    return encoded;
}

FileText ReadFileText(std::string_view bytes)
{
    for (const auto& mark : kMarks) {
        if (bytes.substr(0, mark.bytes.size()) != mark.bytes)
            continue;
        const std::string_view rest = bytes.substr(mark.bytes.size());
        if (mark.bom == Bom::Utf8)
            return { mark.bom, Encoding::Utf8, std::string(rest), IsValidUtf8(rest) };
        return FromUtf16(mark.bom, rest);
    }
    return { Bom::None, DetectEncoding(bytes), std::string(bytes), true };
}

std::string FileBytes(Bom bom, std::string_view text)
{
    const bool utf16 = bom == Bom::Utf16Le || bom == Bom::Utf16Be;
    return std::string(MarkOf(bom)) + (utf16 ? ToUtf16(bom, text) : std::string(text));
}

}
