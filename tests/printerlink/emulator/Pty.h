#pragma once
// A pseudo-terminal pair: the emulator speaks on the master side, the link
// opens the slave's path like a real serial port.
#include <atomic>
#include <string>

#include "platform/Result.h"
#include "platform/SerialTransport.h"

namespace printeremu {

class Pty {
 public:
  Pty() = default;
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  platform::Status Open();
  // Closes both ends: whoever still has the slave open gets a hang-up, as a
  // serial port whose USB adapter was pulled out.
  void Close();
  int Master() const { return master_; }
  const std::string& SlavePath() const { return slavePath_; }
  // The line settings the slave's user has set (what a real line would carry).
  platform::LineFraming SlaveFraming() const;

 private:
  // Atomic: the emulator's thread may close the line (a hang-up) while a
  // test asks for the slave's framing.
  std::atomic<int> master_{-1};
  // Held open so that the master never sees a hang-up between two users of
  // the slave, as a real line stays connected when the PC closes its port.
  std::atomic<int> slave_{-1};
  std::string slavePath_;
};

}  // namespace printeremu
