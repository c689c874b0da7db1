#pragma once
// The one process-wide printer port and its lock. The lock serialises every
// command exchange, file transfer, open and close; the link functions never
// take it themselves, their callers do.
#include <atomic>

namespace printerlink {

inline constexpr int kNoPort = -1;

// Handle of the open port; kNoPort when none is open. Changed only under the
// port lock; every link function takes it as its first argument.
extern int ComPortHandle;
// Number 1..256 of the open port, kNoPort when none is open. The PC settings
// read it without the lock to show the port in use.
extern std::atomic<int> ComPortNumber;

// Creates the port lock. It cannot fail here; kept so that start-up reads as
// everywhere else.
void ComLockCreate();
void ComLock();
void ComUnlock();
// Takes the lock only when it is free at once (for the GUI thread, which
// must never wait on it).
bool ComTryLock();
// Whether the calling thread holds the lock: a step that would wait for the
// GUI thread must not run under it.
bool ComLockHeldHere();

// Holds the port lock for a scope.
class ComLockGuard {
 public:
  ComLockGuard() { ComLock(); }
  ~ComLockGuard() { ComUnlock(); }
  ComLockGuard(const ComLockGuard&) = delete;
  ComLockGuard& operator=(const ComLockGuard&) = delete;
};

}  // namespace printerlink
