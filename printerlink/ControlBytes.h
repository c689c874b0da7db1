#pragma once
// Control bytes of the printer link.
#include <cstdint>

namespace printerlink {

inline constexpr std::uint8_t kStx = 0x02;   // opens a reply
inline constexpr std::uint8_t kEtx = 0x03;   // closes a reply
inline constexpr std::uint8_t kEot = 0x04;   // follows a failed file download
inline constexpr std::uint8_t kCr = 0x0D;    // ends a command line
inline constexpr std::uint8_t kXon = 0x11;   // software flow control: go on
inline constexpr std::uint8_t kXoff = 0x13;  // software flow control: stop

}  // namespace printerlink
