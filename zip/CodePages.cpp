#include "zip/CodePages.h"

#include <array>

#include "platform/Cp1252.h"

namespace zip {
namespace {

constexpr std::array<char16_t, 128> kCp850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

// Length of the well-formed sequence at `i`, or 0.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  auto cont = [&](std::size_t k, unsigned lo, unsigned hi) {
    return k < s.size() && at(k) >= lo && at(k) <= hi;
  };
  unsigned b = at(i);
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return cont(i + 1, 0x80, 0xBF) ? 2 : 0;
  if (b == 0xE0) return cont(i + 1, 0xA0, 0xBF) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
  if (b >= 0xE1 && b <= 0xEF) {
    // ED A0..BF would be a surrogate: not a character.
    unsigned hi = b == 0xED ? 0x9F : 0xBF;
    return cont(i + 1, 0x80, hi) && cont(i + 2, 0x80, 0xBF) ? 3 : 0;
  }
  if (b == 0xF0) return cont(i + 1, 0x90, 0xBF) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
  if (b >= 0xF1 && b <= 0xF3)
    return cont(i + 1, 0x80, 0xBF) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
  if (b == 0xF4) return cont(i + 1, 0x80, 0x8F) && cont(i + 2, 0x80, 0xBF) && cont(i + 3, 0x80, 0xBF) ? 4 : 0;
  return 0;
}

}  // namespace

int UnicodeToCp850(char16_t ch) {
  if (ch < 0x80) return ch;
  for (std::size_t i = 0; i < kCp850High.size(); ++i)
    if (kCp850High[i] == ch) return static_cast<int>(0x80 + i);
  return -1;
}

char16_t Cp850ToUnicode(unsigned char byte) {
  return byte < 0x80 ? static_cast<char16_t>(byte) : kCp850High[byte - 0x80];
}

namespace {

template <class ByteOf>
bool Encode(const WideString& text, ByteString& out, ByteOf byteOf) {
  out.clear();
  bool exact = true;
  for (char16_t c : text) {
    int b = byteOf(c);
    exact = exact && b >= 0;
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return exact;
}

}  // namespace

bool WideToAnsi(const WideString& text, ByteString& out) {
  return Encode(text, out, [](char16_t c) {
    int b = (c >= 0xD800 && c <= 0xDFFF) ? -1 : platform::UnicodeToCp1252(c);
    // The five unassigned bytes decode to themselves but are no characters
    // of the code page: they do not survive a round trip on Windows either.
    return (b >= 0x80 && b < 0xA0 && static_cast<char32_t>(b) == c) ? -1 : b;
  });
}

bool WideToOem(const WideString& text, ByteString& out) { return Encode(text, out, UnicodeToCp850); }

WideString AnsiToWide(std::string_view bytes) {
  WideString out;
  out.reserve(bytes.size());
  for (char b : bytes) out += static_cast<char16_t>(platform::Cp1252ToUnicode(static_cast<unsigned char>(b)));
  return out;
}

WideString OemToWide(std::string_view bytes) {
  WideString out;
  out.reserve(bytes.size());
  for (char b : bytes) out += Cp850ToUnicode(static_cast<unsigned char>(b));
  return out;
}

ByteString OemToAnsiBytes(std::string_view bytes, bool& allMapped) {
  ByteString out;
  allMapped = WideToAnsi(OemToWide(bytes), out);
  return out;
}

ByteString AnsiToOemBytes(std::string_view bytes, bool& allMapped) {
  ByteString out;
  allMapped = WideToOem(AnsiToWide(bytes), out);
  return out;
}

Utf8Kind TestUtf8(std::string_view bytes) {
  bool plain = true;
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t n = SequenceLength(bytes, i);
    if (n == 0) return Utf8Kind::Invalid;
    if (n > 1) plain = false;
    i += n;
  }
  return plain ? Utf8Kind::Plain : Utf8Kind::Valid;
}

WideString Utf8ToWide(std::string_view utf8) {
  WideString out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = SequenceLength(utf8, i);
    if (n == 0) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    auto b = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i + k])); };
    char32_t c = n == 1   ? b(0)
                 : n == 2 ? ((b(0) & 0x1F) << 6) | (b(1) & 0x3F)
                 : n == 3 ? ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F)
                          : ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += n;
  }
  return out;
}

std::string WideToUtf8(const WideString& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    platform::AppendUtf8(out, c);
  }
  return out;
}

std::string CutUtf8(const std::string& utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8;
  std::size_t end = maxBytes;
  // Step back over continuation bytes to the start of the cut character.
  while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
  return utf8.substr(0, end);
}

char16_t WideLowerChar(char16_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 32) : c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130) return u'i';
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? static_cast<char16_t>(c + 1) : c;
    if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    return (c & 1) ? c : static_cast<char16_t>(c + 1);
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 32);
  if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
  return c;
}

char16_t WideUpperChar(char16_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 32) : c;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 32);
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x131) return u'I';
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : static_cast<char16_t>(c - 1);
    if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x17F || c == 0x178) return c;
    return (c & 1) ? static_cast<char16_t>(c - 1) : c;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 32);
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
  return c;
}

WideString WideLowerCase(WideString text) {
  for (char16_t& c : text) c = WideLowerChar(c);
  return text;
}

WideString WideUpperCase(WideString text) {
  for (char16_t& c : text) c = WideUpperChar(c);
  return text;
}

}  // namespace zip
