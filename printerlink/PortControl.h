#pragma once
// Opening, setting up and closing the printer port.
#include <cstdint>

namespace printerlink {

// The printer's command line: 115200 baud, 8N1, XON/XOFF.
inline constexpr std::uint32_t kLinkBaud = 115200;

// Opens port n (1..256) without sharing and purges it; sets ComPortNumber.
// The handle, or -1 (ComPortNumber then stays as it was).
int ComPortOpen(unsigned n);

// Closes the port behind *handle. The variable holds -1 afterwards whatever
// the system reported, and ComPortNumber is -1: the descriptor is gone in
// either case, and keeping a stale handle would reach a reused one.
// 0 closed (or nothing to close), -1 the system reported a failure or the
// handle named no open port.
int ComPortClose(int* handle);

// 8 data bits, 1 stop bit, `baud`; no parity with XON/XOFF for the printer's
// commands, even parity without flow control (evenParity) for the
// controller's boot loader. 0, or -1 no such port, -3 the settings cannot be
// read, -4 they cannot be applied, -5 line errors cannot be cleared.
int ComPortSetup(int handle, std::uint32_t baud, bool evenParity);

}  // namespace printerlink
