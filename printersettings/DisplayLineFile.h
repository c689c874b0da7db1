#pragma once
// The display unit's line files: in its mode 2 the printer shows each of the
// two lines from a 352-byte template the PC writes, "D0216F0.SYS" for line 1
// and "D0216F1.SYS" for line 2.
//
//   offset  size  content
//   0       2     content code of the line, 16-bit little-endian
//   2       1     1
//   3       1     behaviour code (low byte)
//   4       1     pause in 100 ms (low byte)
//   5       10    "AM" and zeros
//   15      10    "PM" and zeros
//   25      6     ": : : "
//   31      320   the line's template, ended by a zero byte
//   351     1     zero
//
// A template is a row of items: letters and placeholder bytes (0x80 and up)
// that the printer replaces by its values (time, date, counters, speed).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Result.h"

namespace printersettings {

inline constexpr std::size_t kDisplayLineFileSize = 352;
inline constexpr std::size_t kDisplayLineTemplateOffset = 31;
using DisplayLineFile = std::array<std::uint8_t, kDisplayLineFileSize>;

// "D0216F0.SYS" for line 0 (the display's first line), "D0216F1.SYS" for
// line 1.
const char* DisplayLineFileName(int line);

// The file of one line. Content codes 0 to 9 are single items, 10 to 14 the
// eight items in turn from a different start; the scrolling behaviours (1 to
// 4, 11 to 14) take the narrow items, the others (21 to 24, 31) the wide
// ones. Any other content or behaviour leaves the template empty.
DisplayLineFile BuildDisplayLineFile(int content, int behaviour, int pause);

// Writes both files into `folder` (ending in "/"). Both old files are
// removed first, so a file that cannot be written is missing rather than
// stale; each new one replaces its target whole.
platform::Status WriteDisplayLineFiles(const std::string& folder, int line1Content, int line2Content,
                                       int behaviour, int pause);

}  // namespace printersettings
