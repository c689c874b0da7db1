#pragma once
// The serial port of this platform: a terminal device driven through
// termios, opened exclusively, with non-blocking I/O and poll() for the
// per-call time limits. A hang-up (a USB adapter pulled out, the far end of
// a pseudo-terminal closed) or an error on the device fails the call at
// once.
#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "platform/Result.h"
#include "platform/SerialTransport.h"

namespace platform {

class SerialPort final : public SerialTransport {
 public:
  // Opens an existing terminal device for reading and writing. Fails for a
  // missing path, a file that is no terminal, or a port that another program
  // (or this one) holds already.
  static Result<std::unique_ptr<SerialPort>> Open(const std::string& path);
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  ConfigureOutcome Configure(const LineFraming& framing) override;
  bool Purge() override;
  bool ClearErrors() override;
  ReadOutcome ReadByte(std::uint8_t& byte, std::uint32_t timeoutMs) override;
  long Write(const std::uint8_t* bytes, std::size_t count, std::uint32_t timeoutMs) override;
  bool Flush(std::uint32_t timeoutMs) override;
  bool Close() override;
  void Cancel() override;

  int Descriptor() const { return fd_; }

 private:
  SerialPort(int fd, int cancelFd, bool pseudoTerminal)
      : fd_(fd), cancelFd_(cancelFd), pseudoTerminal_(pseudoTerminal) {}

  enum class Wait { Ready, TimedOut, Lost };
  // Waits for `events` on the device until the deadline.
  Wait WaitFor(short events, std::chrono::steady_clock::time_point deadline) const;

  int fd_;
  // Readable once Cancel ran: every wait watches it beside the device.
  int cancelFd_;
  std::atomic<bool> cancelled_{false};
  // A pseudo-terminal carries no parity: the kernel drops the parity bit
  // from its settings, so that part of a framing cannot be checked there.
  bool pseudoTerminal_;
  // How long one character takes on the line at the configured framing.
  std::chrono::steady_clock::duration charTime_ = std::chrono::microseconds(87);
  // Bytes read from the device but not yet handed out; Purge drops them.
  std::uint8_t buffer_[4096];
  std::size_t head_ = 0;
  std::size_t tail_ = 0;
};

}  // namespace platform
