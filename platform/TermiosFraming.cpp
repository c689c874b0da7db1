#include "platform/TermiosFraming.h"

#include <string>

namespace platform {
namespace {

struct SpeedEntry {
  std::uint32_t baud;
  speed_t code;
};

constexpr SpeedEntry kSpeeds[] = {
    {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
    {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
    {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedCode(std::uint32_t baud, speed_t& code) {
  for (const auto& s : kSpeeds)
    if (s.baud == baud) {
      code = s.code;
      return true;
    }
  return false;
}

}  // namespace

Status ApplyFraming(termios& t, const LineFraming& f) {
  speed_t speed;
  if (!SpeedCode(f.baud, speed)) return Status::Fail("no line setting for " + std::to_string(f.baud) + " baud");
  tcflag_t size;
  switch (f.dataBits) {
    case 5: size = CS5; break;
    case 6: size = CS6; break;
    case 7: size = CS7; break;
    case 8: size = CS8; break;
    default: return Status::Fail("no line setting for " + std::to_string(f.dataBits) + " data bits");
  }
  if (f.stopBits != 1 && f.stopBits != 2) return Status::Fail("stop bits must be 1 or 2");

  // Binary bytes pass untouched: no break or CR/LF handling, no stripping.
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | IGNPAR | INPCK);
  if (f.parity != Parity::None) t.c_iflag |= INPCK;
  if (f.xonXoff) t.c_iflag |= IXON | IXOFF;
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL);
  t.c_cflag |= size | CREAD | CLOCAL;
  if (f.parity != Parity::None) t.c_cflag |= PARENB;
  if (f.parity == Parity::Odd) t.c_cflag |= PARODD;
  if (f.stopBits == 2) t.c_cflag |= CSTOPB;
  // Reads never block in the driver: the port waits with poll() for its own
  // per-call time limits.
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  t.c_cc[VSTART] = 0x11;
  t.c_cc[VSTOP] = 0x13;
  if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0)
    return Status::Fail("the system refused " + std::to_string(f.baud) + " baud");
  return Status::Ok();
}

LineFraming FramingOf(const termios& t) {
  LineFraming f;
  f.baud = 0;
  speed_t speed = cfgetospeed(&t);
  for (const auto& s : kSpeeds)
    if (s.code == speed) f.baud = s.baud;
  switch (t.c_cflag & CSIZE) {
    case CS5: f.dataBits = 5; break;
    case CS6: f.dataBits = 6; break;
    case CS7: f.dataBits = 7; break;
    default: f.dataBits = 8; break;
  }
  f.parity = !(t.c_cflag & PARENB) ? Parity::None : (t.c_cflag & PARODD) ? Parity::Odd : Parity::Even;
  f.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
  f.xonXoff = (t.c_iflag & IXON) && (t.c_iflag & IXOFF);
  return f;
}

}  // namespace platform
