#pragma once
// Null-terminated wide texts, for code that hands UTF-16 buffers around.
// Buffers from WStrAlloc carry their size in front of the characters and
// are freed with WStrDispose. Like their 8-bit models these functions trust
// the caller about room and termination; the "L" forms bound what they copy.
#include <cstddef>

#include "zip/ZipTypes.h"

namespace zip {

class TUniStringList;

// Room for `size` characters (a terminator included).
char16_t* WStrAlloc(std::size_t size);
// How many characters a WStrAlloc buffer holds.
std::size_t WStrBufSize(const char16_t* p);
// A WStrAlloc copy; nullptr for nullptr.
char16_t* WStrNew(const char16_t* p);
// Frees a WStrAlloc buffer; nullptr is ignored.
void WStrDispose(char16_t* p);

std::size_t WStrLen(const char16_t* p);
// The address of the terminator.
char16_t* WStrEnd(char16_t* p);
const char16_t* WStrEnd(const char16_t* p);
// Copies `count` characters; the two may overlap.
char16_t* WStrMove(char16_t* dest, const char16_t* source, std::size_t count);
char16_t* WStrCopy(char16_t* dest, const char16_t* source);
// At most `maxLen` characters, then a terminator.
char16_t* WStrLCopy(char16_t* dest, const char16_t* source, std::size_t maxLen);
char16_t* WStrPCopy(char16_t* dest, const WideString& source);
char16_t* WStrPLCopy(char16_t* dest, const WideString& source, std::size_t maxLen);
// Copies and returns the address of the new terminator.
char16_t* WStrECopy(char16_t* dest, const char16_t* source);
char16_t* WStrCat(char16_t* dest, const char16_t* source);
// Appends so that the text holds at most `maxLen` characters.
char16_t* WStrLCat(char16_t* dest, const char16_t* source, std::size_t maxLen);
// The first `c`; with c = 0 the terminator; nullptr when absent.
const char16_t* WStrScan(const char16_t* p, char16_t c);
// The last `c`; with c = 0 the terminator; nullptr when absent.
const char16_t* WStrRScan(const char16_t* p, char16_t c);
// The first occurrence of `sub`; nullptr when either is nullptr or empty.
const char16_t* WStrPos(const char16_t* p, const char16_t* sub);
// Below 0, 0 or above 0 (see CompareWideText); the "L" forms compare at most
// `maxLen` characters of each text, the "I" forms ignore case.
int WStrComp(const char16_t* a, const char16_t* b);
int WStrIComp(const char16_t* a, const char16_t* b);
int WStrLComp(const char16_t* a, const char16_t* b, std::size_t maxLen);
int WStrLIComp(const char16_t* a, const char16_t* b, std::size_t maxLen);
// In place.
char16_t* WStrLower(char16_t* p);
char16_t* WStrUpper(char16_t* p);
// Every character's two bytes swapped, up to the terminator, in place.
void StrSwapByteOrder(char16_t* p);
WideString WStrPas(const char16_t* p);

// The list's text (every item and CR LF) as a WStrAlloc buffer.
char16_t* GetTextW(const TUniStringList& list);
void SetTextW(TUniStringList& list, const char16_t* text);

}  // namespace zip
