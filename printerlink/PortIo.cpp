#include "printerlink/PortIo.h"

#include <chrono>

#include "printerlink/ControlBytes.h"
#include "printerlink/PortHandles.h"

namespace printerlink {
namespace {

// Port I/O waits in real time even when a test runs the program's own
// pauses on a fake clock: the bytes come from a real device.
using Clock = std::chrono::steady_clock;

}  // namespace

bool ComPurge(int handle) {
  platform::SerialTransport* port = PortFor(handle);
  return port && port->Purge();
}

int ComReadByte(int handle, std::uint8_t* byte, std::uint32_t t) {
  platform::SerialTransport* port = PortFor(handle);
  if (!port || !port->ClearErrors()) return -1;
  switch (port->ReadByte(*byte, t)) {
    case platform::ReadOutcome::Byte: return 1;
    case platform::ReadOutcome::TimedOut: return -4;
    case platform::ReadOutcome::Failed: break;
  }
  return -3;
}

int ComReadUntilEtx(int handle, std::string& text, std::uint32_t t, std::size_t capacity) {
  text.clear();
  for (;;) {
    std::uint8_t b;
    if (ComReadByte(handle, &b, t) != 1) return -1;
    if (b == kEtx) return 0;
    if (text.size() + 1 >= capacity) return -2;
    text.push_back(static_cast<char>(b));
  }
}

int ComReadReply(int handle, std::string& reply, std::uint32_t t, std::size_t capacity) {
  reply.clear();
  std::uint8_t b = 0;
  for (std::size_t skipped = 0;; ++skipped) {
    if (skipped > kMaxSkippedBeforeStx) return -1;
    if (ComReadByte(handle, &b, t) != 1) return -1;
    if (b == kStx) break;
  }
  switch (ComReadUntilEtx(handle, reply, t, capacity)) {
    case 0: return 0;
    case -2: return -3;
    default: return -2;
  }
}

int ComWriteByte(int handle, std::uint8_t byte, std::uint32_t t) {
  platform::SerialTransport* port = PortFor(handle);
  if (!port || !port->ClearErrors()) return -1;
  long n = port->Write(&byte, 1, t);
  if (n < 0) return -3;
  if (n == 0) return -4;
  port->Flush(t);
  return 1;
}

int ComWriteBlock(int handle, const void* bytes, std::size_t count, std::uint32_t t) {
  if (count == 0) return 0;
  platform::SerialTransport* port = PortFor(handle);
  if (!port || !port->ClearErrors()) return -1;
  auto start = Clock::now();
  auto limit = std::chrono::milliseconds(t);
  auto p = static_cast<const std::uint8_t*>(bytes);
  std::size_t done = 0;
  int result = static_cast<int>(count);
  while (done < count) {
    auto spent = Clock::now() - start;
    auto left = spent < limit ? std::chrono::duration_cast<std::chrono::milliseconds>(limit - spent).count() : 0;
    long n = port->Write(p + done, count - done, static_cast<std::uint32_t>(left));
    if (n < 0) {
      result = -3;
      break;
    }
    if (n == 0) {
      if (Clock::now() - start > limit) {
        result = -4;
        break;
      }
      continue;
    }
    done += static_cast<std::size_t>(n);
    if (done < count) port->Flush(t);
  }
  port->Flush(t);
  return result;
}

}  // namespace printerlink
