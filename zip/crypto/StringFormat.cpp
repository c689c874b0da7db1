#include "zip/crypto/StringFormat.h"

#include <algorithm>
#include <cstring>

#include "zip/crypto/CipherMessages.h"
#include "zip/crypto/FormatText.h"

namespace zip {
namespace {

std::size_t Len(const char* p, std::int32_t length) {
  if (!p) return 0;
  if (length < 0) return std::strlen(p);
  return static_cast<std::size_t>(length);
}

// Position of c in the table, or -1.
int Find(std::string_view table, char c) {
  auto pos = table.find(c);
  return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int FindNoCase(std::string_view table, std::size_t count, char c) {
  auto up = [](char x) { return (x >= 'a' && x <= 'z') ? static_cast<char>(x - 32) : x; };
  for (std::size_t i = 0; i < count && i < table.size(); ++i)
    if (up(table[i]) == up(c)) return static_cast<int>(i);
  return -1;
}

bool AllInTable(std::string_view table, const char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (Find(table, p[i]) < 0) return false;
  return true;
}

constexpr std::string_view kHexSeparators = "()[]{},;:-_/\\*+\"'\t\n\r";
constexpr std::string_view kMimeSeparators = " $()[]{},;:-_\\*\"'\t\n\r";

}  // namespace

// ---- copy ----

const TStringFormat& TStringFormat::Instance() {
  static const TStringFormat instance;
  return instance;
}
std::string TStringFormat::ToStr(const char* text, std::int32_t length) const {
  return std::string(text ? text : "", Len(text, length));
}
std::string TStringFormat::StrTo(const char* binary, std::int32_t length) const {
  return std::string(binary ? binary : "", Len(binary, length));
}
std::string_view TStringFormat::Name() const { return _sFMT_COPY; }
int TStringFormat::Format() const { return fmtCOPY; }
bool TStringFormat::IsValid(const char*, std::int32_t, bool) const { return true; }

// ---- hexadecimal ----

const TStringFormat_HEX& TStringFormat_HEX::Instance() {
  static const TStringFormat_HEX instance;
  return instance;
}
std::string_view TStringFormat_HEX::CharTable() const {
  static const std::string table = std::string("0123456789ABCDEFX$ abcdefhHx") + std::string(kHexSeparators);
  return table;
}
std::string_view TStringFormat_HEX::Name() const { return _sFMT_HEX; }
int TStringFormat_HEX::Format() const { return fmtHEX; }

std::string TStringFormat_HEX::StrTo(const char* binary, std::int32_t length) const {
  std::size_t n = Len(binary, length);
  std::string_view t = CharTable();
  std::string out;
  out.reserve(n * 2);
  for (std::size_t i = 0; i < n; ++i) {
    auto b = static_cast<std::uint8_t>(binary[i]);
    out += t[b >> 4];
    out += t[b & 15];
  }
  return out;
}

std::string TStringFormat_HEX::ToStr(const char* text, std::int32_t length) const {
  std::size_t n = Len(text, length);
  std::string_view t = CharTable();
  std::string out;
  int high = -1;
  bool prefixSeen = false;
  for (std::size_t i = 0; i < n; ++i) {
    int v = FindNoCase(t, 18, text[i]);
    if (v < 0) continue;
    if (v >= 16) {
      // "0x1F" and "$1F" both mean 1F: the first prefix drops what came before.
      if (!prefixSeen) {
        prefixSeen = true;
        out.clear();
        high = -1;
      }
      continue;
    }
    if (high < 0) {
      high = v;
    } else {
      out += static_cast<char>(high << 4 | v);
      high = -1;
    }
  }
  return out;
}

bool TStringFormat_HEX::IsValid(const char* data, std::int32_t length, bool isText) const {
  if (!isText) return true;
  return AllInTable(CharTable(), data, Len(data, length));
}

const TStringFormat_HEXL& TStringFormat_HEXL::Instance() {
  static const TStringFormat_HEXL instance;
  return instance;
}
std::string_view TStringFormat_HEXL::CharTable() const {
  static const std::string table = std::string("0123456789abcdefX$ ABCDEFhHx") + std::string(kHexSeparators);
  return table;
}
std::string_view TStringFormat_HEXL::Name() const { return _sFMT_HEXL; }
int TStringFormat_HEXL::Format() const { return fmtHEXL; }

// ---- MIME Base 64 ----

const TStringFormat_MIME64& TStringFormat_MIME64::Instance() {
  static const TStringFormat_MIME64 instance;
  return instance;
}
std::string_view TStringFormat_MIME64::CharTable() const {
  static const std::string table =
      std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=") + std::string(kMimeSeparators);
  return table;
}
std::string_view TStringFormat_MIME64::Name() const { return _sFMT_MIME64; }
int TStringFormat_MIME64::Format() const { return fmtMIME64; }

std::string TStringFormat_MIME64::StrTo(const char* binary, std::int32_t length) const {
  std::size_t n = Len(binary, length);
  std::string_view t = CharTable();
  std::string out;
  out.reserve((n + 2) / 3 * 4);
  auto b = reinterpret_cast<const std::uint8_t*>(binary);
  for (std::size_t i = 0; i < n; i += 3) {
    std::uint32_t v = std::uint32_t(b[i]) << 16;
    if (i + 1 < n) v |= std::uint32_t(b[i + 1]) << 8;
    if (i + 2 < n) v |= b[i + 2];
    out += t[(v >> 18) & 63];
    out += t[(v >> 12) & 63];
    out += i + 1 < n ? t[(v >> 6) & 63] : '=';
    out += i + 2 < n ? t[v & 63] : '=';
  }
  return out;
}

std::string TStringFormat_MIME64::ToStr(const char* text, std::int32_t length) const {
  std::size_t n = Len(text, length);
  std::string_view t = CharTable();
  // Significant characters only; missing padding is supplied so that "YWI"
  // reads like "YWI=".
  std::string sig;
  for (std::size_t i = 0; i < n; ++i) {
    int v = Find(t, text[i]);
    if (v >= 0 && v <= 64) sig += text[i];
  }
  while (sig.size() % 4) sig += '=';
  std::string out;
  for (std::size_t i = 0; i < sig.size(); i += 4) {
    std::uint32_t v = 0;
    int pads = 0;
    for (int k = 0; k < 4; ++k) {
      int x = Find(t, sig[i + k]);
      if (x == 64) {
        ++pads;
        x = 0;
      }
      v = v << 6 | static_cast<std::uint32_t>(x);
    }
    char group[3] = {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
    out.append(group, static_cast<std::size_t>(std::max(0, 3 - pads)));
  }
  return out;
}

// ---- UU and XX ----

namespace {

constexpr int kUULineBytes = 45;

int CodeValue(std::string_view t, char c) {
  int v = Find(t, c);
  return v >= 0 && v < 64 ? v : -1;
}

}  // namespace

const TStringFormat_UU& TStringFormat_UU::Instance() {
  static const TStringFormat_UU instance;
  return instance;
}
std::string_view TStringFormat_UU::CharTable() const {
  static const std::string table = [] {
    std::string s = "`";
    for (char c = 0x21; c <= 0x5F; ++c) s += c;
    return s + " \t\n\r";
  }();
  return table;
}
std::string_view TStringFormat_UU::Name() const { return _sFMT_UU; }
int TStringFormat_UU::Format() const { return fmtUU; }

std::string TStringFormat_UU::StrTo(const char* binary, std::int32_t length) const {
  std::size_t n = Len(binary, length);
  std::string_view t = CharTable();
  auto b = reinterpret_cast<const std::uint8_t*>(binary);
  std::string out;
  for (std::size_t line = 0; line < n; line += kUULineBytes) {
    std::size_t count = std::min<std::size_t>(kUULineBytes, n - line);
    out += t[count];
    for (std::size_t i = 0; i < count; i += 3) {
      std::uint32_t v = std::uint32_t(b[line + i]) << 16;
      if (i + 1 < count) v |= std::uint32_t(b[line + i + 1]) << 8;
      if (i + 2 < count) v |= b[line + i + 2];
      for (int k = 3; k >= 0; --k) out += t[(v >> (6 * k)) & 63];
    }
  }
  return out;
}

std::string TStringFormat_UU::ToStr(const char* text, std::int32_t length) const {
  std::size_t n = Len(text, length);
  std::string_view t = CharTable();
  std::string out;
  std::size_t i = 0;
  auto skipSeparators = [&] {
    while (i < n && CodeValue(t, text[i]) < 0 && Find(t, text[i]) >= 0) ++i;
  };
  for (skipSeparators(); i < n; skipSeparators()) {
    int count = CodeValue(t, text[i++]);
    if (count < 0 || count > kUULineBytes) throw EStringFormat(FormatText(_sInvalidStringFormat, Name().data()));
    while (count > 0) {
      std::uint32_t v = 0;
      int got = 0;
      while (got < 4 && i < n) {
        int x = CodeValue(t, text[i++]);
        if (x < 0) continue;
        v = v << 6 | static_cast<std::uint32_t>(x);
        ++got;
      }
      v <<= 6 * (4 - got);
      char group[3] = {static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
      out.append(group, static_cast<std::size_t>(std::min(count, 3)));
      count -= 3;
    }
  }
  return out;
}

bool TStringFormat_UU::IsValid(const char* data, std::int32_t length, bool isText) const {
  if (!isText) return true;
  std::size_t n = Len(data, length);
  std::string_view t = CharTable();
  if (!AllInTable(t, data, n)) return false;
  std::size_t i = 0;
  auto skipSeparators = [&] {
    while (i < n && CodeValue(t, data[i]) < 0) ++i;
  };
  for (skipSeparators(); i < n; skipSeparators()) {
    int count = CodeValue(t, data[i++]);
    if (count > kUULineBytes) return false;
    // Exactly the characters StrTo writes: four per started group of three.
    int need = (count + 2) / 3 * 4;
    while (need > 0 && i < n) {
      if (CodeValue(t, data[i++]) >= 0) --need;
    }
    if (need > 0) return false;
  }
  return true;
}

const TStringFormat_XX& TStringFormat_XX::Instance() {
  static const TStringFormat_XX instance;
  return instance;
}
std::string_view TStringFormat_XX::CharTable() const {
  static const std::string table =
      "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz \"()[]'\t\n\r";
  return table;
}
std::string_view TStringFormat_XX::Name() const { return _sFMT_XX; }
int TStringFormat_XX::Format() const { return fmtXX; }

// ---- registry ----

namespace {

struct FormatRegistry {
  std::vector<TStringFormatClass> formats;
  int defaultFormat = fmtMIME64;
};

FormatRegistry& Registry() {
  static FormatRegistry registry = [] {
    FormatRegistry r;
    r.formats = {&TStringFormat::Instance(),       &TStringFormat_HEX::Instance(),
                 &TStringFormat_HEXL::Instance(),  &TStringFormat_MIME64::Instance(),
                 &TStringFormat_UU::Instance(),    &TStringFormat_XX::Instance()};
    return r;
  }();
  return registry;
}

TStringFormatClass Require(int identifier) {
  TStringFormatClass f = StringFormat(identifier);
  if (!f) throw EStringFormat(FormatText(_sStringFormatExists, identifier));
  return f;
}

}  // namespace

void RegisterStringFormats(const TStringFormatClass* classes, int lastIndex) {
  auto& formats = Registry().formats;
  for (int i = 0; i <= lastIndex; ++i) {
    TStringFormatClass c = classes[i];
    if (!c || c->Format() == -1) continue;
    auto it = std::find_if(formats.begin(), formats.end(), [&](auto f) { return f->Format() == c->Format(); });
    if (it != formats.end()) *it = c;
    else formats.push_back(c);
  }
}

TStringFormatClass StringFormat(int identifier) {
  if (identifier == fmtDEFAULT) identifier = Registry().defaultFormat;
  for (auto f : Registry().formats)
    if (f->Format() == identifier) return f;
  return nullptr;
}

int DefaultStringFormat() { return Registry().defaultFormat; }

void SetDefaultStringFormat(int identifier) {
  Registry().defaultFormat = fmtMIME64;
  if (identifier != fmtDEFAULT && StringFormat(identifier)) Registry().defaultFormat = identifier;
}

void GetStringFormats(std::vector<std::pair<std::string, TStringFormatClass>>& strings) {
  for (auto f : Registry().formats) strings.emplace_back(std::string(f->Name()), f);
}

std::string StrToFormat(const char* binary, std::int32_t length, int identifier) {
  if (!binary || identifier == fmtNONE) return {};
  TStringFormatClass f = Require(identifier);
  if (!f->IsValid(binary, length, false))
    throw EStringFormat(FormatText(_sInvalidFormatString, std::string(f->Name()).c_str()));
  return f->StrTo(binary, length);
}

std::string FormatToStr(const char* text, std::int32_t length, int identifier) {
  if (!text || identifier == fmtNONE) return {};
  TStringFormatClass f = Require(identifier);
  if (!f->IsValid(text, length, true))
    throw EStringFormat(FormatText(_sInvalidStringFormat, std::string(f->Name()).c_str()));
  return f->ToStr(text, length);
}

std::string ConvertFormat(const char* text, std::int32_t length, int fromIdentifier, int toIdentifier) {
  if (fromIdentifier == toIdentifier) return std::string(text ? text : "", Len(text, length));
  std::string binary = FormatToStr(text, length, fromIdentifier);
  return StrToFormat(binary.data(), static_cast<std::int32_t>(binary.size()), toIdentifier);
}

bool IsValidFormat(const char* text, std::int32_t length, int identifier) {
  if (!text || Len(text, length) == 0) return true;
  TStringFormatClass f = StringFormat(identifier);
  return f && f->IsValid(text, length, true);
}

bool IsValidString(const char* binary, std::int32_t length, int identifier) {
  if (!binary || Len(binary, length) == 0) return true;
  TStringFormatClass f = StringFormat(identifier);
  return f && f->IsValid(binary, length, false);
}

}  // namespace zip
