#include "zip/WideQuoting.h"

namespace zip {

WideString WideQuotedStr(std::u16string_view text, char16_t quote) {
  WideString out;
  out.reserve(text.size() + 2);
  out += quote;
  for (char16_t c : text) {
    out += c;
    if (c == quote) out += quote;
  }
  out += quote;
  return out;
}

WideString WideExtractQuotedStr(std::u16string_view text, std::size_t& pos, char16_t quote) {
  if (pos >= text.size() || text[pos] != quote) return WideString();
  WideString out;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == quote) {
      if (pos + 1 < text.size() && text[pos + 1] == quote) {
        out += quote;
        pos += 2;
        continue;
      }
      ++pos;  // behind the closing quote
      return out;
    }
    out += text[pos++];
  }
  return out;  // no closing quote: the rest of the text
}

WideString WideDequotedStr(std::u16string_view text, char16_t quote) {
  std::size_t pos = 0;
  WideString inner = WideExtractQuotedStr(text, pos, quote);
  return inner.empty() ? WideString(text) : inner;
}

}  // namespace zip
