// The boot-loader frames against the emulator's AN3155 boot loader (itself
// checked against stm32flash in BootLoaderTest.cpp).
#include <gtest/gtest.h>

#include <algorithm>

#include "LinkRig.h"
#include "printerlink/BootLoaderFrames.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;

namespace {

// A short limit: every answer of the emulator comes at once, and the
// silent cases need not wait long.
constexpr std::uint32_t kT = 300;

// The emulator in its boot loader and the port in the boot loader's framing.
EmulatorOptions BootOptions() {
  EmulatorOptions options;
  options.startInBootLoader = true;
  options.checkFraming = true;
  return options;
}

class BootFrames : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, true), 0); }
  LinkRig rig{BootOptions()};
};

std::vector<std::uint8_t> Block(unsigned seed) {
  std::string bytes = linktest::TestBytes(kBootBlockSize, seed);
  return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST_F(BootFrames, SyncGetAndGetIdDescribeTheController) {
  rig.printer.AddBootFault({0x7F, 0, BootFaultKind::Nack});
  EXPECT_EQ(BootSync(ComPortHandle, kT), -3);
  EXPECT_EQ(BootSync(ComPortHandle, kT), 0);
  std::uint8_t version = 0;
  std::vector<std::uint8_t> commands;
  ASSERT_EQ(BootGetCommands(ComPortHandle, &version, commands, kT), 0);
  EXPECT_EQ(version, 0x31);
  for (std::uint8_t c : {0x11, 0x21, 0x31, 0x44})
    EXPECT_NE(std::find(commands.begin(), commands.end(), c), commands.end()) << int(c);
  std::uint16_t id = 0;
  ASSERT_EQ(BootGetId(ComPortHandle, &id, kT), 0);
  EXPECT_EQ(id, 0x413);
  rig.printer.AddBootFault({0x02, 0, BootFaultKind::WrongId});
  ASSERT_EQ(BootGetId(ComPortHandle, &id, kT), 0);
  EXPECT_EQ(id, 0x419);
}

TEST_F(BootFrames, EraseWriteReadBackAndGo) {
  rig.printer.SetFlash(std::vector<std::uint8_t>(0x100000, 0x00));
  ASSERT_EQ(BootSync(ComPortHandle, kT), 0);
  ASSERT_EQ(BootEraseAll(ComPortHandle, kT), 0);
  auto flash = rig.printer.Flash();
  EXPECT_TRUE(std::all_of(flash.begin(), flash.end(), [](std::uint8_t b) { return b == 0xFF; }));
  // The last block of the flash, with XON, XOFF and every other byte value.
  const auto block = Block(5);
  const std::uint32_t last = kBootFlashBase + 0x100000 - kBootBlockSize;
  ASSERT_EQ(BootWriteBlock(ComPortHandle, last, block.data(), kT), 0);
  std::vector<std::uint8_t> back(kBootBlockSize);
  ASSERT_EQ(BootReadBlock(ComPortHandle, last, back.data(), kT), 0);
  EXPECT_EQ(back, block);
  flash = rig.printer.Flash();
  EXPECT_TRUE(std::equal(block.begin(), block.end(), flash.end() - kBootBlockSize));
  // A corrupted read shows as a difference, not as a failed frame.
  rig.printer.AddBootFault({0x11, 2, BootFaultKind::Corrupt});
  ASSERT_EQ(BootReadBlock(ComPortHandle, last, back.data(), kT), 0);
  EXPECT_NE(back, block);
  ASSERT_EQ(BootGo(ComPortHandle, kT), 0);
  EXPECT_TRUE(PrinterEmulator::WaitUntil([&] { return !rig.printer.InBootLoader(); }));
  EXPECT_EQ(rig.Entries(EntryKind::Garbled).size(), 0u);
}

// Each refused or unanswered acknowledgement gives its frame's own code.
TEST_F(BootFrames, EachFailedAcknowledgementHasItsCode) {
  ASSERT_EQ(BootSync(ComPortHandle, kT), 0);
  const auto block = Block(2);
  struct Case {
    BootFault fault;
    int expected;
    std::function<int()> frame;
  };
  const std::vector<Case> cases = {
      {{0x44, 0, BootFaultKind::Nack}, -3, [] { return BootEraseAll(ComPortHandle, kT); }},
      {{0x44, 1, BootFaultKind::Nack}, -7, [] { return BootEraseAll(ComPortHandle, kT); }},
      {{0x44, 1, BootFaultKind::Silence}, -6, [] { return BootEraseAll(ComPortHandle, kT); }},
      {{0x31, 0, BootFaultKind::Nack}, -3, [&] { return BootWriteBlock(ComPortHandle, kBootFlashBase, block.data(), kT); }},
      {{0x31, 1, BootFaultKind::Silence}, -6, [&] { return BootWriteBlock(ComPortHandle, kBootFlashBase, block.data(), kT); }},
      {{0x31, 2, BootFaultKind::Nack}, -11, [&] { return BootWriteBlock(ComPortHandle, kBootFlashBase, block.data(), kT); }},
      {{0x31, 2, BootFaultKind::Silence}, -10, [&] { return BootWriteBlock(ComPortHandle, kBootFlashBase, block.data(), kT); }},
      {{0x02, 1, BootFaultKind::Nack}, -7, [] { std::uint16_t id; return BootGetId(ComPortHandle, &id, kT); }},
      {{0x21, 1, BootFaultKind::Nack}, -7, [] { return BootGo(ComPortHandle, kT); }},
      {{0x21, 0, BootFaultKind::Silence}, -2, [] { return BootGo(ComPortHandle, kT); }},
  };
  for (const auto& c : cases) {
    rig.printer.AddBootFault(c.fault);
    EXPECT_EQ(c.frame(), c.expected) << "command " << int(c.fault.command) << " ack " << c.fault.ack;
  }
  // The boot loader is still in step: the next frames succeed.
  EXPECT_EQ(BootWriteBlock(ComPortHandle, kBootFlashBase + 0x100, block.data(), kT), 0);
  EXPECT_EQ(BootGo(ComPortHandle, kT), 0);
}

// A line that hangs up fails the frame at once with its own code, however
// long the frame would wait for an answer.
TEST_F(BootFrames, AHungUpLineFailsAtOnce) {
  ASSERT_EQ(BootSync(ComPortHandle, kT), 0);
  rig.printer.AddBootFault({0x44, 1, BootFaultKind::HangUp});
  EXPECT_EQ(BootEraseAll(ComPortHandle, 40000), kBootLineLost);
  EXPECT_TRUE(rig.printer.Unplugged());
  const auto block = Block(3);
  EXPECT_EQ(BootWriteBlock(ComPortHandle, kBootFlashBase, block.data(), 40000), kBootLineLost);
  EXPECT_EQ(BootSync(ComPortHandle, 40000), kBootLineLost);
}
