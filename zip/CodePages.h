#pragma once
// Fixed code pages of entry names, independent of the process locale: the
// "ANSI" code page is Windows-1252, the "OEM" code page is 850. Also the
// UTF-8 test and conversions, and the case mapping of names.
#include <string>
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

// The byte of a character in code page 850, or -1.
int UnicodeToCp850(char16_t ch);
char16_t Cp850ToUnicode(unsigned char byte);

// Converts to the code page; true when every character has a byte there (the
// name survives the round trip). Unmappable characters become '?'.
bool WideToAnsi(const WideString& text, ByteString& out);
bool WideToOem(const WideString& text, ByteString& out);
WideString AnsiToWide(std::string_view bytes);
WideString OemToWide(std::string_view bytes);
// OEM bytes re-coded as ANSI bytes; `allMapped` tells whether every byte had
// an ANSI twin (unmapped ones become '?').
ByteString OemToAnsiBytes(std::string_view bytes, bool& allMapped);
ByteString AnsiToOemBytes(std::string_view bytes, bool& allMapped);

enum class Utf8Kind { Plain, Valid, Invalid };
// Plain: every byte below 0x80 (also the empty string). Valid: well-formed
// UTF-8 throughout (no overlongs, no surrogates, nothing above U+10FFFF).
Utf8Kind TestUtf8(std::string_view bytes);

// Decodes UTF-8; malformed bytes become U+FFFD.
WideString Utf8ToWide(std::string_view utf8);
// Encodes UTF-16; unpaired surrogates become U+FFFD.
std::string WideToUtf8(const WideString& text);
// UTF-8 cut to at most `maxBytes`, never inside a character.
std::string CutUtf8(const std::string& utf8, std::size_t maxBytes);

// Case mapping of names: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic.
char16_t WideLowerChar(char16_t c);
char16_t WideUpperChar(char16_t c);
WideString WideLowerCase(WideString text);
WideString WideUpperCase(WideString text);

// Short conversions for the many places that hop between paths and names.
inline WideString W(std::string_view utf8) { return Utf8ToWide(utf8); }
inline std::string U8(const WideString& text) { return WideToUtf8(text); }

}  // namespace zip
