#pragma once
// Numbers in protocol text, read without the locale the way the printer's
// scanf reads them (platform/NumberText.h writes them).
#include <cstdint>
#include <optional>
#include <string_view>

namespace printerlink {

// Reads like "%08X": blanks skipped, then one to eight hexadecimal digits;
// what follows them is ignored.
std::optional<std::uint32_t> ParseHex32(std::string_view text);

// Reads like "%u" without a sign: blanks skipped, then decimal digits; what
// follows them is ignored. Values beyond 32 bits give nothing.
std::optional<std::uint32_t> ParseUnsigned(std::string_view text);

// True when `text` begins with `prefix` (the printer's refusals are matched
// by their beginning: "Fehler 2" also matches "Fehler 23").
inline bool BeginsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A reply that begins with the six letters "Fehler" is a refusal.
inline bool IsRefusal(std::string_view reply) { return BeginsWith(reply, "Fehler"); }

// The refusals after which a transfer sends the same command again: "Fehler 2"
// and "Fehler Syntax".
inline bool AsksForCommandAgain(std::string_view reply) {
  return BeginsWith(reply, "Fehler 2") || BeginsWith(reply, "Fehler Syntax");
}

}  // namespace printerlink
