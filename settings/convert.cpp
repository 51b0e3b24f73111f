#include "settings/convert.h"

#include "settings/ascii.h"

#include <algorithm>
#include <limits>

namespace ini {

namespace {

    struct Decimal {
        bool negative = false;
        bool zero = true;
        // The rounded magnitude, nullopt when too large for any caller.
        std::optional<std::uint64_t> rounded;
    };

    bool AllDigits(std::string_view text)
    {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    // "[blanks][+|-]digits[.digits][blanks]" with at least one digit, rounded half to even:
    // "2.5" -> 2, "3.5" -> 4, "2.51" -> 3.
    std::optional<Decimal> ParseDecimal(std::string_view text)
    {
        text = Trim(text);
        Decimal decimal;
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            decimal.negative = text.front() == '-';
            text.remove_prefix(1);
        }
        const std::size_t dot = text.find('.');
        const std::string_view whole = text.substr(0, dot);
        const std::string_view fraction
            = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
        if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction))
            return std::nullopt;
        decimal.zero = whole.find_first_not_of('0') == std::string_view::npos
            && fraction.find_first_not_of('0') == std::string_view::npos;
        constexpr std::uint64_t limit = 1'000'000'000'000'000'000;
        std::uint64_t magnitude = 0;
        for (const char digit : whole) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
            if (magnitude > limit)
                return decimal;
        }
        if (!fraction.empty()) {
            const bool aboveHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
            if (fraction[0] > '5' || (fraction[0] == '5' && (aboveHalf || magnitude % 2 == 1)))
                ++magnitude;
        }
        decimal.rounded = magnitude;
        return decimal;
    }

    template <typename Whole> std::optional<Whole> ToWhole(std::string_view text)
    {
        const auto decimal = ParseDecimal(text);
        if (!decimal || !decimal->rounded)
            return std::nullopt;
        const auto magnitude = static_cast<std::int64_t>(*decimal->rounded);
        const std::int64_t value = decimal->negative ? -magnitude : magnitude;
        if (value < std::numeric_limits<Whole>::min() || value > std::numeric_limits<Whole>::max())
            return std::nullopt;
        return static_cast<Whole>(value);
    }

}

std::optional<bool> ToBoolean(std::string_view text) noexcept
{
    const std::string_view word = Trim(text);
    if (EqualsIgnoringAsciiCase(word, "true"))
        return true;
    if (EqualsIgnoringAsciiCase(word, "false"))
        return false;
    if (const auto decimal = ParseDecimal(text))
        return !decimal->zero;
    return std::nullopt;
}

std::optional<std::int32_t> ToLong(std::string_view text) noexcept
{
    return ToWhole<std::int32_t>(text);
}

std::optional<std::int16_t> ToInteger(std::string_view text) noexcept
{
    return ToWhole<std::int16_t>(text);
}

}
