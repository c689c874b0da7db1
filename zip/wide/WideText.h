#pragma once
// Text functions on wide strings. Quoting lives in zip/WideQuoting.h, case
// mapping (WideUpperCase, WideLowerCase) in zip/CodePages.h. Positions
// that the functions return or take are 1-based, 0 meaning none.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "zip/ZipTypes.h"

namespace zip {

// The last character, 0 for an empty text.
char16_t UniWideLastChar(std::u16string_view text);
// The address of the last character, nullptr for an empty text.
const char16_t* WideLastChar(const WideString& text);

// Position of `sub` in `text` without regard to case; 0 when absent or
// when `sub` is empty.
int WideTextPos(std::u16string_view sub, std::u16string_view text);

// The text begins with "{\rtf" or "{urtf", case ignored.
bool IsRTF(std::u16string_view text);

// True when `index` lies inside the text and its character is one of
// `delimiters`.
bool WideIsDelimiter(std::u16string_view delimiters, std::u16string_view text, int index);
// The last character of the text that is one of `delimiters`; a NUL
// character never counts.
int WideLastDelimiter(std::u16string_view delimiters, std::u16string_view text);

// Lists of texts each ended by `separator` (NUL by default), the list ended
// by an empty text, as the platform passes several names in one buffer.
// The list up to and including the ending empty text, every separator kept
// (the whole input when the list is not ended).
WideString ExtractStringArrayStr(std::u16string_view list, char16_t separator = 0);
// The text at `pos` up to the separator; `pos` moves behind the separator,
// or to the end when there is none.
WideString ExtractStringFromStringArray(std::u16string_view list, std::size_t& pos, char16_t separator = 0);
// Every text up to the first empty one.
std::vector<WideString> ExtractStringsFromStringArray(std::u16string_view list, char16_t separator = 0);

enum TUniTextLineBreakStyle : std::uint8_t { tlbsLF, tlbsCRLF, tlbsCR };
// Every LF, U+2028, CR and CR LF becomes the style's line break.
WideString UniAdjustLineBreaks(std::u16string_view text, TUniTextLineBreakStyle style = tlbsCRLF);
std::size_t UniAdjustLineBreaksLength(std::u16string_view text, TUniTextLineBreakStyle style = tlbsCRLF);

// Breaks a line into lines of about `width` characters at break characters
// outside single or double quotes, inserting `breakText`; a break text that
// is already there counts as a break. Nothing of the line is dropped.
WideString WideWrapText(std::u16string_view line, std::u16string_view breakText, std::u16string_view breakChars,
                        int width);
// CR LF, breaking at tab, space and "-".
WideString WideWrapText(std::u16string_view line, int width);

// Flags of Uni_WideStringReplace.
constexpr unsigned rfReplaceAll = 1;
constexpr unsigned rfIgnoreCase = 2;
// `text` with `oldPattern` replaced by `newPattern`: the first match, or
// every match with rfReplaceAll. With `wholeWord` only matches with a blank,
// a punctuation character or nothing on both sides count. An empty pattern
// is never found.
WideString Uni_WideStringReplace(std::u16string_view text, std::u16string_view oldPattern,
                                 std::u16string_view newPattern, unsigned flags, bool wholeWord = false);

}  // namespace zip
