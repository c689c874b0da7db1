#include "Pty.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/TermiosFraming.h"

namespace printeremu {

Pty::~Pty() { Close(); }

void Pty::Close() {
  if (int fd = slave_.exchange(-1); fd >= 0) ::close(fd);
  if (int fd = master_.exchange(-1); fd >= 0) ::close(fd);
}

platform::Status Pty::Open() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) return platform::Status::Fail(std::string("posix_openpt: ") + std::strerror(errno));
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
    return platform::Status::Fail(std::string("unlockpt: ") + std::strerror(errno));
  char name[128];
  if (::ptsname_r(master_, name, sizeof name) != 0) return platform::Status::Fail("ptsname failed");
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave_ < 0) return platform::Status::Fail(std::string("cannot open ") + name);
  int flags = ::fcntl(master_, F_GETFL);
  ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  return platform::Status::Ok();
}

platform::LineFraming Pty::SlaveFraming() const {
  termios t{};
  ::tcgetattr(slave_, &t);
  // The kernel drops the parity bit from a pseudo-terminal's settings; the
  // parity check flag, which the link sets together with parity, stays.
  if (t.c_iflag & INPCK) t.c_cflag |= PARENB;
  return platform::FramingOf(t);
}

}  // namespace printeremu
