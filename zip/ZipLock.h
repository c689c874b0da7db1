#pragma once
// The library's one process-wide lock around its batch work. Re-entrant for
// the thread that holds it.
#include <mutex>

namespace zip {

std::recursive_mutex& ZipLibraryLock();

class ZipLockGuard {
 public:
  ZipLockGuard() { ZipLibraryLock().lock(); }
  ~ZipLockGuard() { ZipLibraryLock().unlock(); }
  ZipLockGuard(const ZipLockGuard&) = delete;
  ZipLockGuard& operator=(const ZipLockGuard&) = delete;
};

}  // namespace zip
