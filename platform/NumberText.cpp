#include "platform/NumberText.h"

#include <charconv>
#include <cstdio>

namespace platform {
namespace {

template <class T>
std::optional<T> ParseWhole(std::string_view text, int base) {
  T value{};
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  // from_chars takes '-' but not '+'; a '+' must still be followed by a digit.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') return std::nullopt;
  }
  return ParseWhole<std::int32_t>(text, 10);
}

std::optional<std::uint32_t> ParseHex(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
  return ParseWhole<std::uint32_t>(text, 16);
}

std::string FixedText(double value, int decimals) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "?";
  return std::string(buffer, end);
}

std::string Hex8(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(value));
  return buffer;
}

}  // namespace platform
