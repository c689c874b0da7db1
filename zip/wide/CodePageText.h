#pragma once
// 8-bit texts in a chosen code page. 0 (and 3, the thread's code page) is
// the library's ANSI code page, Windows-1252; 1 is its OEM code page, 850;
// 65000 is UTF-7 and 65001 UTF-8; every other Windows code page number goes
// through the C library's iconv. A code page that iconv does not know gives
// an empty text, as the platform's conversion gives nothing for it.
#include <cstdint>
#include <string>
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

constexpr std::uint32_t CP_ACP = 0;
constexpr std::uint32_t CP_OEMCP = 1;
constexpr std::uint32_t CP_THREAD_ACP = 3;
constexpr std::uint32_t CP_UTF7 = 65000;
constexpr std::uint32_t CP_UTF8 = 65001;

// Bytes that are no character of the code page become U+FFFD (UTF-7 raises
// "Invalid UTF7" instead).
WideString StringToWideStringEx(std::string_view bytes, std::uint32_t codePage);
// Characters the code page cannot hold become '?'.
ByteString WideStringToStringEx(std::u16string_view text, std::uint32_t codePage);

// UTF-16 little-endian code units; an odd last byte is dropped.
WideString UCS2ToWideString(std::string_view bytes);
ByteString WideStringToUCS2(std::u16string_view text);

// True when the ANSI code page holds the character (every character).
bool IsWideCharMappableToAnsi(char16_t c);
bool IsWideStringMappableToAnsi(std::u16string_view text);

}  // namespace zip
