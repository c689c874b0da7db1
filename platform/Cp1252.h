#pragma once
// Windows-1252, the code page of every text the program stores or sends.
// Texts stay bytes inside the program; these convert at its edges.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The character of one byte. The five bytes that Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to themselves so that every
// byte string survives a round trip.
char32_t Cp1252ToUnicode(std::uint8_t byte);

// The byte of one character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t ch);

// Appends the UTF-8 encoding of one character.
void AppendUtf8(std::string& out, char32_t ch);

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters the code page cannot hold become `replacement`.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');

}  // namespace platform
