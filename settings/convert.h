// The conversions by which a window reads its settings: a value that does not convert leaves the
// window's default in force.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ini {

// "True"/"false" in any case, or a number that is true unless zero: ToBoolean("-1") == true.
std::optional<bool> ToBoolean(std::string_view text) noexcept;

// A decimal number rounded half to even: ToLong("1234.5") == 1234; nullopt beyond 32 bits.
std::optional<std::int32_t> ToLong(std::string_view text) noexcept;

// As ToLong, within 16 bits: ToInteger("32768") == std::nullopt.
std::optional<std::int16_t> ToInteger(std::string_view text) noexcept;

}
