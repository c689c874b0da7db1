#include "zip/wide/WideCStrings.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "zip/CodePages.h"
#include "zip/UniStringList.h"
#include "zip/WideCompare.h"

namespace zip {
namespace {

// The header in front of the characters: the allocation's size in bytes.
constexpr std::size_t kHeader = sizeof(std::uint32_t);

std::u16string_view Limited(const char16_t* p, std::size_t maxLen) {
  std::size_t n = 0;
  while (n < maxLen && p[n]) ++n;
  return std::u16string_view(p, n);
}

}  // namespace

char16_t* WStrAlloc(std::size_t size) {
  const std::size_t bytes = size * sizeof(char16_t) + kHeader;
  if (bytes > UINT32_MAX) throw std::bad_alloc();
  auto* block = static_cast<unsigned char*>(std::malloc(bytes));
  if (!block) throw std::bad_alloc();
  const std::uint32_t stored = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &stored, kHeader);
  return reinterpret_cast<char16_t*>(block + kHeader);
}

std::size_t WStrBufSize(const char16_t* p) {
  std::uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<const unsigned char*>(p) - kHeader, kHeader);
  return (bytes - kHeader) / sizeof(char16_t);
}

char16_t* WStrNew(const char16_t* p) {
  if (!p) return nullptr;
  const std::size_t n = WStrLen(p) + 1;
  return WStrMove(WStrAlloc(n), p, n);
}

void WStrDispose(char16_t* p) {
  if (p) std::free(reinterpret_cast<unsigned char*>(p) - kHeader);
}

std::size_t WStrLen(const char16_t* p) { return std::char_traits<char16_t>::length(p); }

char16_t* WStrEnd(char16_t* p) { return p + WStrLen(p); }
const char16_t* WStrEnd(const char16_t* p) { return p + WStrLen(p); }

char16_t* WStrMove(char16_t* dest, const char16_t* source, std::size_t count) {
  std::memmove(dest, source, count * sizeof(char16_t));
  return dest;
}

char16_t* WStrCopy(char16_t* dest, const char16_t* source) { return WStrMove(dest, source, WStrLen(source) + 1); }

char16_t* WStrLCopy(char16_t* dest, const char16_t* source, std::size_t maxLen) {
  std::u16string_view s = Limited(source, maxLen);
  WStrMove(dest, s.data(), s.size());
  dest[s.size()] = 0;
  return dest;
}

char16_t* WStrPCopy(char16_t* dest, const WideString& source) {
  return WStrMove(dest, source.c_str(), source.size() + 1);
}

char16_t* WStrPLCopy(char16_t* dest, const WideString& source, std::size_t maxLen) {
  return WStrLCopy(dest, source.c_str(), maxLen);
}

char16_t* WStrECopy(char16_t* dest, const char16_t* source) {
  const std::size_t n = WStrLen(source);
  WStrMove(dest, source, n + 1);
  return dest + n;
}

char16_t* WStrCat(char16_t* dest, const char16_t* source) {
  WStrCopy(WStrEnd(dest), source);
  return dest;
}

char16_t* WStrLCat(char16_t* dest, const char16_t* source, std::size_t maxLen) {
  const std::size_t length = WStrLen(dest);
  // A text already at or above the limit takes nothing more.
  if (length < maxLen) WStrLCopy(dest + length, source, maxLen - length);
  return dest;
}

const char16_t* WStrScan(const char16_t* p, char16_t c) {
  for (;; ++p) {
    if (*p == c) return p;
    if (*p == 0) return nullptr;
  }
}

const char16_t* WStrRScan(const char16_t* p, char16_t c) {
  const char16_t* found = nullptr;
  for (;; ++p) {
    if (*p == c) found = p;
    if (*p == 0) return found;
  }
}

const char16_t* WStrPos(const char16_t* p, const char16_t* sub) {
  if (!p || !sub || !*p || !*sub) return nullptr;
  std::u16string_view text(p), pattern(sub);
  auto at = text.find(pattern);
  return at == std::u16string_view::npos ? nullptr : p + at;
}

int WStrComp(const char16_t* a, const char16_t* b) { return CompareWideText(a, b, false); }
int WStrIComp(const char16_t* a, const char16_t* b) { return CompareWideText(a, b, true); }
int WStrLComp(const char16_t* a, const char16_t* b, std::size_t maxLen) {
  return CompareWideText(Limited(a, maxLen), Limited(b, maxLen), false);
}
int WStrLIComp(const char16_t* a, const char16_t* b, std::size_t maxLen) {
  return CompareWideText(Limited(a, maxLen), Limited(b, maxLen), true);
}

char16_t* WStrLower(char16_t* p) {
  for (char16_t* q = p; *q; ++q) *q = WideLowerChar(*q);
  return p;
}

char16_t* WStrUpper(char16_t* p) {
  for (char16_t* q = p; *q; ++q) *q = WideUpperChar(*q);
  return p;
}

void StrSwapByteOrder(char16_t* p) {
  for (; *p; ++p) *p = static_cast<char16_t>((*p >> 8) | (*p << 8));
}

WideString WStrPas(const char16_t* p) { return p ? WideString(p) : WideString(); }

char16_t* GetTextW(const TUniStringList& list) {
  const WideString text = list.GetTextStr();
  char16_t* buffer = WStrAlloc(text.size() + 1);
  return WStrPCopy(buffer, text);
}

void SetTextW(TUniStringList& list, const char16_t* text) { list.SetTextStr(WStrPas(text)); }

}  // namespace zip
