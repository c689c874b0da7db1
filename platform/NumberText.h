#pragma once
// Numbers in the program's files and on the printer link, read and written
// independent of the locale. A text is a number only as a whole.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// An optional '+' or '-' and decimal digits, within 32 bits; nothing else.
std::optional<std::int32_t> ParseDecimal(std::string_view text);
// Hexadecimal digits (either case) of a value within 32 bits.
std::optional<std::uint32_t> ParseHex(std::string_view text);
// Eight upper-case hexadecimal digits ("%08X"): version lines, checksums.
std::string Hex8(std::uint32_t value);
// A fraction with `decimals` digits after a '.' ("%.2f"), rounded to
// nearest, whatever the process's locale says the separator is.
std::string FixedText(double value, int decimals);

}  // namespace platform
