// Libraries: printerlink platform
// The boot loader's frames on whatever the controller sends back, over a
// scripted line. The first byte's low seven bits pick the frame (Sync, Get,
// Get ID, Extended Erase, Write Memory, Read Memory, Go), its top bit
// whether the line goes away once the rest is used up or stays silent.
// Every frame ends with one of its own codes: never a time-out on a line
// that has gone, never "line lost" on one that has not; and what a frame
// returns as read is what came after its acknowledgements.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "fuzz/support/ScriptedLine.h"
#include "printerlink/BootLoaderFrames.h"
#include "printerlink/PortHandles.h"

namespace {

using namespace printerlink;
using fuzzsupport::ScriptedLine;

enum Frame { kSync, kGet, kGetId, kErase, kWrite, kRead, kGo, kFrames };

// The lowest code each frame can return (its last exchange's "other byte").
constexpr int kLowest[kFrames] = {-3, -8, -8, -8, -12, -13, -8};

bool Acks(const std::uint8_t* reply, std::size_t size, std::size_t count) {
  if (size < count) return false;
  for (std::size_t i = 0; i < count; ++i)
    if (reply[i] != kBootAck) return false;
  return true;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto frame = static_cast<Frame>((data[0] & 0x7F) % kFrames);
  const bool lost = (data[0] & 0x80) != 0;
  const std::uint8_t* reply = data + 1;
  const std::size_t n = size - 1;
  const int handle =
      AttachPort(std::make_unique<ScriptedLine>(reply, n, lost ? ScriptedLine::AtEnd::Lost : ScriptedLine::AtEnd::Silent));
  constexpr std::uint32_t t = 100;

  int r = 0;
  switch (frame) {
    case kSync:
      r = BootSync(handle, t);
      if (r == 0) Check(Acks(reply, n, 1));
      break;
    case kGet: {
      std::uint8_t version = 0;
      std::vector<std::uint8_t> commands;
      r = BootGetCommands(handle, &version, commands, t);
      if (r == 0) {
        Check(n >= 2 && commands.size() == reply[1] && n >= 4 + commands.size());
        Check(version == reply[2]);
        for (std::size_t i = 0; i < commands.size(); ++i) Check(commands[i] == reply[3 + i]);
      }
      break;
    }
    case kGetId: {
      std::uint16_t id = 0;
      r = BootGetId(handle, &id, t);
      if (r == 0) Check(n >= 5 && reply[1] == 1 && id == (reply[2] << 8 | reply[3]));
      break;
    }
    case kErase:
      r = BootEraseAll(handle, t);
      if (r == 0) Check(Acks(reply, n, 2));
      break;
    case kWrite: {
      std::array<std::uint8_t, kBootBlockSize> block;
      block.fill(0x5A);
      r = BootWriteBlock(handle, kBootFlashBase, block.data(), t);
      if (r == 0) Check(Acks(reply, n, 3));
      break;
    }
    case kRead: {
      std::array<std::uint8_t, kBootBlockSize> block{};
      r = BootReadBlock(handle, kBootFlashBase, block.data(), t);
      if (r == 0) {
        Check(Acks(reply, n, 3) && n >= 3 + kBootBlockSize);
        for (std::size_t i = 0; i < kBootBlockSize; ++i) Check(block[i] == reply[3 + i]);
      }
      break;
    }
    default:
      r = BootGo(handle, t);
      if (r == 0) Check(Acks(reply, n, 2));
      break;
  }
  DetachPort(handle);

  Check(r == 0 || r == kBootLineLost || (r < 0 && r >= kLowest[frame]));
  const bool get = frame == kGet || frame == kGetId;
  if (!lost) {
    // Every write goes through: only a silent or a wrong answer fails.
    Check(r != kBootLineLost && r != -1);
    if (!get) Check(r != -5);
    Check(r != -9);
  } else {
    // A line that has gone is never waited out.
    Check(r != -2 && r != -6 && r != -10 && r != -13);
    if (frame == kGet) Check(r != -5);
    // Get ID's -5 is a whole reply of the wrong length.
    if (frame == kGetId && r == -5) Check(n >= 2 && reply[1] != 1);
  }
  return 0;
}
