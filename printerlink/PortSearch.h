#pragma once
// Port numbers, kinds and the search for the next port of an enabled kind.
#include <string>

namespace printerlink {

inline constexpr unsigned kHighestPort = 256;

// The device behind port `n` ("" for n outside 1..256 or an unknown port).
std::string ComPortDescription(unsigned n);

// 0 none, 1 RS-232, 2 USB serial, 3 Bluetooth serial, 99 other.
int ComPortKind(unsigned n);

// The next port after `current` whose kind is enabled (1 and 2 by
// useRs232Usb, 3 by useBluetooth), wrapping from 256 to 1 and trying at
// most 256 candidates, so a search that failed on one port moves on to the
// next; 0 when none is found or both flags are 0.
unsigned ComPortFind(unsigned current, bool useRs232Usb, bool useBluetooth);

}  // namespace printerlink
