#pragma once
// The characters a dynamic date or time layer can print, as the printer's
// layer description lists them: each once, in the order first met, each
// followed by one blank ("0 1 2 "). The blank itself is never a member.
#include <cstddef>
#include <string>

#include "printdata/LayerObject.h"

namespace printdata {

// The most characters a description holds (200 bytes of set text).
inline constexpr std::size_t kMaxCharsetChars = 100;
// Names contribute at most this many characters each.
inline constexpr std::size_t kCharsetNameLimit = 20;

// Appends c and a blank unless c is a blank or among the first 200 bytes
// of the set already. Bytes compare exactly (case matters).
void AddCharsetChar(std::string& set, char c);

// Over the effective date code (see FormatCode.h): digits for the number
// placeholders (B0 only 1..7), the letters of the weekday names for B1 and
// of the month names for C3, every other byte itself.
std::string DateCharset(const LayerObject& layer);
// Over the effective time code: digits for the number placeholders, the
// letters of the AM and PM texts for E0, every other byte itself.
std::string TimeCharset(const LayerObject& layer);

}  // namespace printdata
