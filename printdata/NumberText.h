#pragma once
// Numbers in the print-data files, independent of the locale: a line is a
// number only as a whole.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace printdata {

// An optional '+' or '-' and decimal digits, within 32 bits; nothing else.
std::optional<std::int32_t> ParseDecimal(std::string_view text);
// Hexadecimal digits (either case) of a value within 32 bits.
std::optional<std::uint32_t> ParseHex(std::string_view text);
// The version line: eight upper-case hexadecimal digits ("00000009").
std::string FormatVersion(std::uint32_t version);

}  // namespace printdata
