#include "zip/wide/Utf7.h"

#include <array>

#include "zip/wide/WideErrors.h"

namespace zip {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kDirect[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?";
constexpr char kOptional[] = "!\"#$%&*;<=>@[]^_`{|}";
constexpr char kWhiteSpace[] = "\t\r\n ";

struct Tables {
  std::array<signed char, 128> value{};  // base64 value, -1 outside the alphabet
  std::array<bool, 128> encode{};        // must go into a base64 run
  Tables() {
    value.fill(-1);
    encode.fill(true);
    for (int i = 0; kBase64[i]; ++i) value[static_cast<unsigned char>(kBase64[i])] = static_cast<signed char>(i);
    for (const char* set : {kDirect, kOptional, kWhiteSpace})
      for (const char* c = set; *c; ++c) encode[static_cast<unsigned char>(*c)] = false;
  }
};

const Tables& TablesOnce() {
  static const Tables tables;  // built on first use, thread-safe
  return tables;
}

bool MustEncode(char16_t c) { return c > 127 || TablesOnce().encode[c]; }
bool IsBase64(char16_t c) { return c < 128 && TablesOnce().value[c] >= 0; }

}  // namespace

std::string WideStringToUTF7(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  std::uint32_t bits = 0;
  int bitCount = 0;
  bool inRun = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const bool atEnd = i == text.size();
    const char16_t c = atEnd ? 0 : text[i];
    if (!atEnd && MustEncode(c)) {
      if (!inRun) {
        out += '+';
        if (c == u'+') {
          out += '-';
          continue;
        }
        inRun = true;
      }
      bits = (bits << 16) | c;
      bitCount += 16;
      while (bitCount >= 6) {
        bitCount -= 6;
        out += kBase64[(bits >> bitCount) & 0x3F];
      }
      bits &= (1u << bitCount) - 1;
      continue;
    }
    if (inRun) {
      if (bitCount > 0) out += kBase64[(bits << (6 - bitCount)) & 0x3F];
      bits = 0;
      bitCount = 0;
      inRun = false;
      if (!atEnd && (IsBase64(c) || c == u'-')) out += '-';
    }
    if (!atEnd) out += static_cast<char>(c);
  }
  return out;
}

WideString UTF7ToWideString(std::string_view utf7) {
  WideString out;
  out.reserve(utf7.size());
  bool invalid = false;
  std::size_t i = 0;
  while (i < utf7.size()) {
    const unsigned char b = static_cast<unsigned char>(utf7[i++]);
    if (b != '+') {
      if (b >= 0x80) invalid = true;
      out += static_cast<char16_t>(b);
      continue;
    }
    // A run: base64 characters, each worth 6 bits, 16 bits to a character.
    std::uint32_t bits = 0;
    int bitCount = 0;
    bool produced = false;
    while (i < utf7.size() && IsBase64(static_cast<unsigned char>(utf7[i]))) {
      bits = (bits << 6) | static_cast<std::uint32_t>(TablesOnce().value[static_cast<unsigned char>(utf7[i++])]);
      bitCount += 6;
      if (bitCount >= 16) {
        bitCount -= 16;
        out += static_cast<char16_t>((bits >> bitCount) & 0xFFFF);
        bits &= (1u << bitCount) - 1;
        produced = true;
      }
    }
    const bool dash = i < utf7.size() && utf7[i] == '-';
    if (dash) ++i;
    if (!produced) {
      if (dash && bitCount == 0) out += u'+';  // "+-" stands for "+"
      else invalid = true;
    }
    if (bits != 0) invalid = true;
  }
  if (invalid) throw EUniGeneralError("Invalid UTF7");
  return out;
}

}  // namespace zip
