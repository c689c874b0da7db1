#include "printerlink/PortState.h"

#include <mutex>

namespace printerlink {
namespace {

// Recursive like the critical section it stands for: a holder may call code
// that takes it again (the firmware installation holds it around whole
// boot-loader exchanges).
std::recursive_mutex& PortLock() {
  static std::recursive_mutex lock;
  return lock;
}

// How often the calling thread holds the lock (it may take it again).
thread_local int t_held = 0;

}  // namespace

int ComPortHandle = kNoPort;
std::atomic<int> ComPortNumber{kNoPort};

void ComLockCreate() { PortLock(); }
void ComLock() {
  PortLock().lock();
  ++t_held;
}
void ComUnlock() {
  --t_held;
  PortLock().unlock();
}
bool ComTryLock() {
  if (!PortLock().try_lock()) return false;
  ++t_held;
  return true;
}
bool ComLockHeldHere() { return t_held > 0; }

}  // namespace printerlink
