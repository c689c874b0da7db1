#include "printerlink/HexText.h"

namespace printerlink {
namespace {

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
  return i;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::uint32_t> ParseHex32(std::string_view text) {
  std::size_t i = SkipBlanks(text);
  std::uint32_t value = 0;
  int digits = 0;
  for (; i < text.size() && digits < 8; ++i, ++digits) {
    int d = HexDigit(text[i]);
    if (d < 0) break;
    value = value << 4 | static_cast<std::uint32_t>(d);
  }
  if (digits == 0) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
  std::size_t i = SkipBlanks(text);
  std::uint64_t value = 0;
  std::size_t start = i;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (i == start) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace printerlink
