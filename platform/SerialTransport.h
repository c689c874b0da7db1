#pragma once
// A byte line to a device (a serial port here; another platform or a test
// can supply its own). The printer link above it only sees this interface:
// per-call time limits, purge, flush and the line framing.
#include <cstddef>
#include <cstdint>

namespace platform {

enum class Parity { None, Even, Odd };

// How characters are framed on the line.
struct LineFraming {
  std::uint32_t baud = 115200;
  int dataBits = 8;
  Parity parity = Parity::None;
  int stopBits = 1;
  bool xonXoff = true;  // software flow control in both directions
};

enum class ReadOutcome { Byte, TimedOut, Failed };

enum class ConfigureOutcome { Done, CannotRead, CannotApply };

class SerialTransport {
 public:
  virtual ~SerialTransport() = default;

  // Reads the current line settings and replaces them by `framing` in raw
  // mode (no echo, no line editing, no character translation).
  virtual ConfigureOutcome Configure(const LineFraming& framing) = 0;
  // Drops every byte not yet sent and every byte received but not yet read.
  virtual bool Purge() = 0;
  // Clears pending line errors so that the next transfer can go on.
  virtual bool ClearErrors() = 0;
  // Waits at most `timeoutMs` for one byte. Failed at once when the device
  // is gone (hung up, unplugged) or reports an error.
  virtual ReadOutcome ReadByte(std::uint8_t& byte, std::uint32_t timeoutMs) = 0;
  // Writes what the line takes within `timeoutMs`; the count written, or -1
  // when the device reported an error.
  virtual long Write(const std::uint8_t* bytes, std::size_t count, std::uint32_t timeoutMs) = 0;
  // Waits at most `timeoutMs` until the written bytes have left.
  virtual bool Flush(std::uint32_t timeoutMs) = 0;
  // Releases the device. The transport is unusable afterwards whatever the
  // result; false reports that the system signalled an error while closing.
  virtual bool Close() = 0;
  // From any thread, without the caller's port lock: a wait in progress ends
  // at once and every later read, write and flush fails, so that a shutdown
  // never waits for a hung device. A transport whose calls never wait needs
  // nothing here.
  virtual void Cancel() {}
};

}  // namespace platform
