#pragma once
// The print-text file (j23) as lines: version 9 is written, versions 6 to 9
// are read. Version 9 holds the two horizontal layouts and the vertical one;
// versions 6 to 8 hold one horizontal layout in whole millimetres, and
// version 6 has no character spacing.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Result.h"
#include "printdata/PrintText.h"

namespace printdata {

inline constexpr std::uint32_t kOldestReadableVersion = 6;
// Graphics the editor can make are 1 to 1000 dots in either direction; a
// file outside that is damaged.
inline constexpr std::int32_t kMaxGraphicSize = 1000;

// The lines of the version 9 file. A layer that is not a graphic gets the
// graphic size 12 x 24 in `text` itself on the way (its pixels stay), which
// is what the file then holds. Fails, before any file is touched, on a
// graphic size outside 1 to 1000 or on a line break inside a one-line field.
platform::Result<std::vector<std::string>> PrintTextToLines(PrintText& text);

// The body readers: `first` is the index of the line after the version
// line. Fields are filled as they are read, so after a failure those read
// before the failing line keep their new values and the rest stay as they
// were. The version field is left at 9. No beep: the caller reports.
platform::Status PrintTextLoadV6(const std::vector<std::string>& lines, std::size_t first, PrintText& text);
platform::Status PrintTextLoadV7(const std::vector<std::string>& lines, std::size_t first, PrintText& text);
platform::Status PrintTextLoadV9(const std::vector<std::string>& lines, std::size_t first, PrintText& text);

// Reads the version line and the body of the matching version.
platform::Status PrintTextFromLines(const std::vector<std::string>& lines, PrintText& text);

}  // namespace printdata
