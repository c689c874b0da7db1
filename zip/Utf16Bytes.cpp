#include "zip/Utf16Bytes.h"

#include <utility>

namespace zip {

WideString Utf16BytesToWide(std::string_view bytes, bool bigEndian) {
  WideString text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned lo = static_cast<unsigned char>(bytes[2 * i]), hi = static_cast<unsigned char>(bytes[2 * i + 1]);
    if (bigEndian) std::swap(lo, hi);
    text[i] = static_cast<char16_t>(lo | (hi << 8));
  }
  return text;
}

ByteString WideToUtf16Bytes(std::u16string_view text, bool bigEndian) {
  ByteString bytes;
  bytes.reserve(2 * text.size());
  for (char16_t c : text) {
    char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    if (bigEndian) std::swap(lo, hi);
    bytes += lo;
    bytes += hi;
  }
  return bytes;
}

}  // namespace zip
