#include "printerlink/PortControl.h"

#include "platform/PortRegistry.h"
#include "platform/SerialPort.h"
#include "printerlink/PortHandles.h"
#include "printerlink/PortSearch.h"
#include "printerlink/PortState.h"

namespace printerlink {

int ComPortOpen(unsigned n) {
  if (n < 1 || n > kHighestPort) return -1;
  auto entry = platform::FindPort(platform::Ports().List(), n);
  if (!entry) return -1;
  auto opened = platform::SerialPort::Open(entry->device);
  if (!opened) return -1;
  std::unique_ptr<platform::SerialTransport> port = std::move(opened.value());
  port->Purge();
  int handle = AttachPort(std::move(port));
  ComPortNumber = static_cast<int>(n);
  return handle;
}

int ComPortClose(int* handle) {
  if (*handle == kNoPort) {
    ComPortNumber = kNoPort;
    return 0;
  }
  auto port = DetachPort(*handle);
  *handle = kNoPort;
  ComPortNumber = kNoPort;
  if (!port) return -1;
  port->Purge();
  return port->Close() ? 0 : -1;
}

int ComPortSetup(int handle, std::uint32_t baud, bool evenParity) {
  platform::SerialTransport* port = PortFor(handle);
  if (!port) return -1;
  // Queue sizes and time limits are per call on this platform (steps -1 and
  // -2 of the Windows set-up have nothing to do here).
  platform::LineFraming framing;
  framing.baud = baud;
  framing.dataBits = 8;
  framing.stopBits = 1;
  framing.parity = evenParity ? platform::Parity::Even : platform::Parity::None;
  framing.xonXoff = !evenParity;
  switch (port->Configure(framing)) {
    case platform::ConfigureOutcome::CannotRead: return -3;
    case platform::ConfigureOutcome::CannotApply: return -4;
    case platform::ConfigureOutcome::Done: break;
  }
  if (!port->ClearErrors()) return -5;
  return 0;
}

}  // namespace printerlink
