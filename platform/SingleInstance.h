#pragma once
// The program runs once per machine. The lock is an advisory lock on a file
// of the lock's name; the system drops it when the holding process ends, so
// a crashed copy never blocks the next start.
#include <string>

namespace platform {

enum class InstanceLockResult {
  Acquired,        // this process now holds the lock
  AlreadyRunning,  // another holder has it
  Unavailable,     // the lock file could not be opened; nothing is known
};

class SingleInstanceLock {
 public:
  SingleInstanceLock() = default;
  ~SingleInstanceLock() { Release(); }
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // Takes the lock `name` in `dir` (the machine-wide temporary folder unless
  // a test gives another). A second holder in the same process is refused
  // too.
  InstanceLockResult Acquire(const std::string& name, const std::string& dir = DefaultDir());
  void Release();
  bool Held() const { return fd_ >= 0; }

  static std::string DefaultDir() { return "/tmp"; }

 private:
  int fd_ = -1;
};

}  // namespace platform
