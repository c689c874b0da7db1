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

}  // namespace

int ComPortHandle = kNoPort;
std::atomic<int> ComPortNumber{kNoPort};

void ComLockCreate() { PortLock(); }
void ComLock() { PortLock().lock(); }
void ComUnlock() { PortLock().unlock(); }
bool ComTryLock() { return PortLock().try_lock(); }

}  // namespace printerlink
