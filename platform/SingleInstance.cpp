#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

InstanceLockResult SingleInstanceLock::Acquire(const std::string& name, const std::string& dir) {
  Release();
  const std::string path = dir + "/" + name + ".lock";
  // Another user's lock file may be read-only to us; a lock on a read-only
  // descriptor excludes just the same.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return InstanceLockResult::Unavailable;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
    if (errno == EINTR) continue;
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return taken ? InstanceLockResult::AlreadyRunning : InstanceLockResult::Unavailable;
  }
  fd_ = fd;
  return InstanceLockResult::Acquired;
}

void SingleInstanceLock::Release() {
  if (fd_ < 0) return;
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace platform
