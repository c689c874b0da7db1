#pragma once
// Reading the printer's replies the way its protocol is written ("%d %d",
// "%08X", "%f", "%s"): each conversion skips blanks first, the text after
// the last conversion is ignored, and a reply holds a value only when every
// conversion succeeds. No locale is involved: '.' is the decimal point.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace printerthread {

// One decimal integer like "%d" from `pos` on (advanced past it); nothing
// when there is none or it does not fit 32 bits.
std::optional<std::int32_t> ScanDecimal(std::string_view text, std::size_t& pos);
// One decimal fraction like "%f" from `pos` on.
std::optional<double> ScanFraction(std::string_view text, std::size_t& pos);

// `N` integers ("%d %d ..."); nothing unless all N convert.
template <std::size_t N>
std::optional<std::array<int, N>> ScanIntegers(std::string_view text) {
  std::array<int, N> values{};
  std::size_t pos = 0;
  for (auto& v : values) {
    auto d = ScanDecimal(text, pos);
    if (!d) return std::nullopt;
    v = *d;
  }
  return values;
}

template <std::size_t N>
std::optional<std::array<double, N>> ScanFractions(std::string_view text) {
  std::array<double, N> values{};
  std::size_t pos = 0;
  for (auto& v : values) {
    auto d = ScanFraction(text, pos);
    if (!d) return std::nullopt;
    v = *d;
  }
  return values;
}

// One hexadecimal word ("%08X").
std::optional<std::uint32_t> ScanHexWord(std::string_view text);
// The same from `pos` on (advanced past its one to eight digits).
std::optional<std::uint32_t> ScanHex(std::string_view text, std::size_t& pos);

// The blank-separated words of `text` ("%s %s ..."), at most `limit`.
std::vector<std::string> ScanWords(std::string_view text, std::size_t limit);

// The text up to the first carriage return or line feed.
std::string FirstLine(std::string_view text);

}  // namespace printerthread
