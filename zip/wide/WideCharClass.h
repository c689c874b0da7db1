#pragma once
// Character classes of single UTF-16 code units, from the C library's
// Unicode tables (its built-in C.UTF-8 locale), independent of the process
// locale. Surrogates belong to no class.
namespace zip {

bool IsWideCharUpper(char16_t c);
bool IsWideCharLower(char16_t c);
// '0' to '9' only.
bool IsWideCharDigit(char16_t c);
bool IsWideCharSpace(char16_t c);
// Punctuation and symbols: graphic characters that are neither letters nor
// digits.
bool IsWideCharPunct(char16_t c);
bool IsWideCharCntrl(char16_t c);
bool IsWideCharBlank(char16_t c);
bool IsWideCharXDigit(char16_t c);
bool IsWideCharAlpha(char16_t c);
bool IsWideCharAlphaNumeric(char16_t c);

}  // namespace zip
