// Blanks and letter case as the settings file knows them: ASCII only, since an ASCII byte is a
// whole character in UTF-8 and never a CP932 trail byte where these functions are used.
#pragma once

#include <algorithm>
#include <string_view>

namespace ini {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

}
