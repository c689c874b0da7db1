#include "printerlink/thread/ReplyScan.h"

#include <cctype>
#include <charconv>

#include "platform/NumberText.h"
#include "printerlink/HexText.h"

namespace printerthread {
namespace {

// The blanks the printer's scanf skips.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

}  // namespace

std::optional<std::int32_t> ScanDecimal(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  std::size_t end = pos;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
  const std::size_t digits = end;
  while (end < text.size() && IsDigit(text[end])) ++end;
  if (end == digits) return std::nullopt;
  auto value = platform::ParseDecimal(text.substr(pos, end - pos));
  if (!value) return std::nullopt;
  pos = end;
  return value;
}

std::optional<double> ScanFraction(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  std::size_t start = pos;
  // from_chars takes no '+'; a '+' still needs a number behind it.
  if (start < text.size() && text[start] == '+') {
    ++start;
    if (start < text.size() && text[start] == '-') return std::nullopt;
  }
  double value = 0;
  auto [stop, error] = std::from_chars(text.data() + start, text.data() + text.size(), value,
                                       std::chars_format::general);
  if (error != std::errc()) return std::nullopt;
  pos = static_cast<std::size_t>(stop - text.data());
  return value;
}

std::optional<std::uint32_t> ScanHexWord(std::string_view text) { return printerlink::ParseHex32(text); }

std::optional<std::uint32_t> ScanHex(std::string_view text, std::size_t& pos) {
  SkipBlanks(text, pos);
  std::size_t end = pos;
  while (end < text.size() && end - pos < 8 && std::isxdigit(static_cast<unsigned char>(text[end]))) ++end;
  if (end == pos) return std::nullopt;
  auto value = printerlink::ParseHex32(text.substr(pos, end - pos));
  if (!value) return std::nullopt;
  pos = end;
  return value;
}

std::vector<std::string> ScanWords(std::string_view text, std::size_t limit) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (words.size() < limit) {
    SkipBlanks(text, pos);
    if (pos >= text.size()) break;
    std::size_t end = pos;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    words.emplace_back(text.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

std::string FirstLine(std::string_view text) {
  return std::string(text.substr(0, text.find_first_of("\r\n")));
}

}  // namespace printerthread
