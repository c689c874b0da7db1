#pragma once
// The emulator's end of the line: bytes in and out of the pseudo-terminal's
// master side, optionally paced at a line rate, with the PC's XON/XOFF
// honoured while software flow control is on. Every wait ends when the
// emulator stops (StopRequested is thrown to unwind the protocol code).
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string_view>

namespace printeremu {

struct StopRequested {};
// Thrown where a hang-up fault strikes: the line is dead from there on.
struct LineDead {};

class Channel {
 public:
  // `wakeFd` becomes readable when the emulator stops. `pacedBaud` 0 runs as
  // fast as the pseudo-terminal goes; otherwise each character takes the
  // time of ten bits (start, eight data, stop) in each direction.
  Channel(int masterFd, int wakeFd, unsigned pacedBaud);
  // The bits a paced character takes: 10 for 8N1, 11 with a parity bit (8E1).
  void SetCharacterBits(int bits);

  // The next byte; nothing after `timeoutMs` (negative: no limit).
  std::optional<std::uint8_t> Read(int timeoutMs);
  // Sends the bytes, paced, waiting while the PC holds the line with XOFF.
  void Write(std::string_view bytes);
  void Write(std::uint8_t byte) { Write(std::string_view(reinterpret_cast<const char*>(&byte), 1)); }
  // Pauses without losing what arrives meanwhile.
  void Sleep(int ms);
  // XON/XOFF from the PC pause output and are not handed out as data.
  void SetFlowControl(bool on) { flowControl_ = on; }
  // Input is dropped (as garbled characters would be) while this says no.
  void SetInputCheck(std::function<bool(std::size_t)> check) { inputCheck_ = std::move(check); }
  void DiscardInput() { input_.clear(); }

 private:
  using Clock = std::chrono::steady_clock;
  // Moves what has arrived into input_; waits at most timeoutMs for it.
  void Pump(int timeoutMs);
  void SleepUntil(Clock::time_point when);

  int master_;
  int wake_;
  unsigned pacedBaud_;
  Clock::duration charTime_{};
  Clock::time_point inFree_{};
  Clock::time_point outFree_{};
  bool flowControl_ = true;
  bool heldByPc_ = false;
  std::function<bool(std::size_t)> inputCheck_;
  std::deque<std::uint8_t> input_;
};

}  // namespace printeremu
