#pragma once
// Handles of open ports. A handle names one transport until it is closed;
// kNoPort (-1) is never a handle. Tests attach transports of their own to
// reach failures a real device cannot be made to show.
#include <memory>

#include "platform/SerialTransport.h"

namespace printerlink {

int AttachPort(std::unique_ptr<platform::SerialTransport> port);
// The transport behind `handle`, or nullptr.
platform::SerialTransport* PortFor(int handle);
// Takes the transport out of the table; nullptr for an unknown handle.
std::unique_ptr<platform::SerialTransport> DetachPort(int handle);
// Ends every wait on every open port at once and makes their later
// transfers fail. Needs no port lock: a shutdown calls it so that it never
// waits for a hung device while the lock's holder waits on the line.
void CancelAllPorts();

}  // namespace printerlink
