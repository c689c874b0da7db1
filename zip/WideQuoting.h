#pragma once
// Quoted wide texts as the string lists write and read their delimited form:
// a quote character at each end and every inner quote character doubled.
#include <cstddef>
#include <string_view>

#include "zip/ZipTypes.h"

namespace zip {

// quote + text with every quote doubled + quote.
WideString WideQuotedStr(std::u16string_view text, char16_t quote);

// When text[pos] is the quote: the text up to the closing quote with doubled
// quotes made single, and pos moves behind the closing quote (to the end of
// the text when there is none). Otherwise "" and pos stays.
WideString WideExtractQuotedStr(std::u16string_view text, std::size_t& pos, char16_t quote);

// The unquoted text when `text` starts with a quoted part that is not empty;
// otherwise `text` unchanged.
WideString WideDequotedStr(std::u16string_view text, char16_t quote);

}  // namespace zip
