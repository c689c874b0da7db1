#include "platform/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/TermiosFraming.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

SerialPort::Wait SerialPort::WaitFor(short events, Clock::time_point deadline) const {
  for (;;) {
    pollfd p[2] = {{fd_, events, 0}, {cancelFd_, POLLIN, 0}};
    const int r = ::poll(p, 2, RemainingMs(deadline));
    if (r == 0) return Wait::TimedOut;
    if (r < 0) {
      if (errno == EINTR) continue;
      return Wait::Lost;
    }
    if (p[1].revents != 0) return Wait::Lost;
    // poll() reports these whatever was asked for, and keeps reporting them
    // at once: the device is gone (POLLHUP: hung up, unplugged; POLLERR,
    // POLLNVAL), and waiting on would only spin.
    if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return Wait::Lost;
    return Wait::Ready;
  }
}

Result<std::unique_ptr<SerialPort>> SerialPort::Open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Status::Fail("cannot open \"" + path + "\": " + std::strerror(errno));
  auto fail = [&](const char* what) {
    std::string message = std::string(what) + " \"" + path + "\"";
    ::close(fd);
    return Status::Fail(message);
  };
  if (!::isatty(fd)) return fail("not a serial device:");
  // No sharing: a second opener (this program or another that honours the
  // lock) is refused, and the terminal refuses further opens meanwhile.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail("port in use:");
  ::ioctl(fd, TIOCEXCL);
  struct stat st {};
  ::fstat(fd, &st);
  // Unix98 pseudo-terminal slaves have the majors 136..143.
  bool pseudoTerminal = major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
  const int cancelFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (cancelFd < 0) return fail("no event descriptor for");
  return std::unique_ptr<SerialPort>(new SerialPort(fd, cancelFd, pseudoTerminal));
}

SerialPort::~SerialPort() {
  if (fd_ >= 0) Close();
  ::close(cancelFd_);
}

ConfigureOutcome SerialPort::Configure(const LineFraming& framing) {
  termios t{};
  if (fd_ < 0 || ::tcgetattr(fd_, &t) != 0) return ConfigureOutcome::CannotRead;
  if (!ApplyFraming(t, framing)) return ConfigureOutcome::CannotApply;
  if (::tcsetattr(fd_, TCSANOW, &t) != 0) return ConfigureOutcome::CannotApply;
  // tcsetattr succeeds when any one change took; check that all of them did.
  termios check{};
  if (::tcgetattr(fd_, &check) != 0) return ConfigureOutcome::CannotApply;
  LineFraming got = FramingOf(check);
  bool parityHeld = got.parity == framing.parity || pseudoTerminal_;
  if (got.baud != framing.baud || got.dataBits != framing.dataBits || !parityHeld ||
      got.stopBits != framing.stopBits || got.xonXoff != framing.xonXoff || (check.c_lflag & ICANON))
    return ConfigureOutcome::CannotApply;
  charTime_ = std::chrono::nanoseconds(1'000'000'000LL * (1 + framing.dataBits + framing.stopBits +
                                                         (framing.parity != Parity::None)) / framing.baud);
  // The modem control lines stay low: the printer does not use them.
  int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd_, TIOCMBIC, &lines);
  return ConfigureOutcome::Done;
}

bool SerialPort::Purge() {
  head_ = tail_ = 0;
  return fd_ >= 0 && ::tcflush(fd_, TCIOFLUSH) == 0;
}

bool SerialPort::ClearErrors() {
  // termios keeps no sticky error state that would block the next transfer.
  return fd_ >= 0;
}

ReadOutcome SerialPort::ReadByte(std::uint8_t& byte, std::uint32_t timeoutMs) {
  if (fd_ < 0 || cancelled_) return ReadOutcome::Failed;
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (bool waited = false; head_ == tail_; waited = true) {
    ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
    if (n > 0) {
      head_ = 0;
      tail_ = static_cast<std::size_t>(n);
      break;
    }
    if (n < 0 && errno == EINTR) continue;
    // On a raw line without a minimum count, read() gives 0 when no byte is
    // there yet, and a hung-up terminal gives 0 as well: only poll() tells
    // the two apart. EIO is a line whose far end has closed.
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return ReadOutcome::Failed;
    // Readiness that brings no byte does not extend the time limit.
    if (waited && Clock::now() >= deadline) return ReadOutcome::TimedOut;
    switch (WaitFor(POLLIN, deadline)) {
      case Wait::Ready: break;
      case Wait::TimedOut: return ReadOutcome::TimedOut;
      case Wait::Lost: return ReadOutcome::Failed;
    }
  }
  byte = buffer_[head_++];
  return ReadOutcome::Byte;
}

long SerialPort::Write(const std::uint8_t* bytes, std::size_t count, std::uint32_t timeoutMs) {
  if (fd_ < 0 || cancelled_) return -1;
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = ::write(fd_, bytes + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return done > 0 ? static_cast<long>(done) : -1;
    // The line is stopped (XOFF) or its queue is full: wait for room.
    const Wait wait = WaitFor(POLLOUT, deadline);
    if (wait == Wait::TimedOut) break;
    if (wait == Wait::Lost) return done > 0 ? static_cast<long>(done) : -1;
  }
  return static_cast<long>(done);
}

bool SerialPort::Flush(std::uint32_t timeoutMs) {
  if (fd_ < 0 || cancelled_) return false;
  // A pseudo-terminal has no transmitter: what is written lies in the
  // reader's queue already.
  if (pseudoTerminal_) return true;
  // tcdrain would wait without limit while the printer holds the line with
  // XOFF, so the queue is watched with a time limit instead, sleeping about
  // as long as the queued characters take on the line.
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) return false;
    if (queued <= 0) return true;
    if (Clock::now() >= deadline || cancelled_) return false;
    auto wait = charTime_ * queued;
    wait = std::clamp<Clock::duration>(wait, std::chrono::microseconds(50), std::chrono::milliseconds(2));
    std::this_thread::sleep_for(wait);
  }
}

bool SerialPort::Close() {
  if (fd_ < 0) return true;
  int fd = fd_;
  fd_ = -1;
  head_ = tail_ = 0;
  ::ioctl(fd, TIOCNXCL);
  // What is still queued for the line is dropped: close() would otherwise
  // wait for it to drain (up to the driver's closing wait of 30 s) while the
  // printer holds the line with XOFF or the line stands still.
  ::tcflush(fd, TCOFLUSH);
  // The descriptor is gone after close() whatever it reports.
  return ::close(fd) == 0;
}

void SerialPort::Cancel() {
  cancelled_ = true;
  const std::uint64_t one = 1;
  (void)!::write(cancelFd_, &one, sizeof one);
}

}  // namespace platform
