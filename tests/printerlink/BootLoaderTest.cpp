#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "LinkRig.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::Ask;
using linktest::LinkRig;

namespace {

constexpr std::uint8_t kAck = 0x79;
constexpr std::uint8_t kNack = 0x1F;

// The printer moved to its firmware-loader level and into the boot loader.
void EnterBootLoader(LinkRig& rig) {
  EXPECT_EQ(Ask("RESET.BOOTLOADER"), "Fehler 1");  // not at level 70 yet
  EXPECT_EQ(Ask("STATUS 70 ZAMFI"), "");
  EXPECT_EQ(Ask("RESET.BOOTLOADER"), "");
  ASSERT_TRUE(PrinterEmulator::WaitUntil([&] { return rig.printer.InBootLoader(); }));
}

int Exchange(const std::vector<std::uint8_t>& bytes) {
  ComPurge(ComPortHandle);
  if (ComWriteBlock(ComPortHandle, bytes.data(), bytes.size(), 1000) != static_cast<int>(bytes.size())) return -1;
  std::uint8_t b = 0;
  if (ComReadByte(ComPortHandle, &b, 300) != 1) return -2;
  return b;
}

std::vector<std::uint8_t> AddressFrame(std::uint32_t a) {
  std::vector<std::uint8_t> f = {static_cast<std::uint8_t>(a >> 24), static_cast<std::uint8_t>(a >> 16),
                                 static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a)};
  f.push_back(f[0] ^ f[1] ^ f[2] ^ f[3]);
  return f;
}

int RunProgram(const std::string& command) {
  int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(BootLoader, Stm32flashWritesVerifiesAndStartsAnImage) {
  LinkRig rig;
  EnterBootLoader(rig);
  // The firmware installer closes the command framing; stm32flash opens the
  // same line (a pseudo-terminal carries no parity, hence 8n1).
  (void)ComPortClose(&ComPortHandle);
  std::string image = linktest::TestBytes(100000, 3);
  linktest::WriteFile(rig.Path("image.bin"), image);
  ASSERT_EQ(RunProgram("stm32flash -b 115200 -m 8n1 -w " + rig.Path("image.bin") + " -v -g 0x0 " +
                rig.printer.DevicePath()),
            0);
  auto flash = rig.printer.Flash();
  ASSERT_EQ(flash.size(), 0x100000u);
  EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
  EXPECT_TRUE(std::all_of(flash.begin() + image.size(), flash.end(), [](std::uint8_t b) { return b == 0xFF; }));
  auto boot = rig.Entries(EntryKind::Boot);
  EXPECT_NE(std::find(boot.begin(), boot.end(), "ERASE 0 1 2 3 4"), boot.end());
  EXPECT_EQ(boot.back(), "GO 08000000");
  // The new firmware answers commands again.
  EXPECT_FALSE(rig.printer.InBootLoader());
  ComPortHandle = ComPortOpen(linktest::kRigPort);
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, false), 0);
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
}

TEST(BootLoader, Stm32flashMassErase) {
  EmulatorOptions options;
  options.startInBootLoader = true;
  LinkRig rig(options, false);
  rig.printer.SetFlash(std::vector<std::uint8_t>(0x100000, 0));
  ASSERT_EQ(RunProgram("stm32flash -b 115200 -m 8n1 -o " + rig.printer.DevicePath()), 0);
  auto flash = rig.printer.Flash();
  EXPECT_TRUE(std::all_of(flash.begin(), flash.end(), [](std::uint8_t b) { return b == 0xFF; }));
  auto boot = rig.Entries(EntryKind::Boot);
  EXPECT_NE(std::find(boot.begin(), boot.end(), "ERASE MASS"), boot.end());
}

TEST(BootLoader, TheLinksBootFramingCarriesBinaryBytes) {
  EmulatorOptions options;
  options.checkFraming = true;
  LinkRig rig(options);
  EnterBootLoader(rig);
  // Still in the command framing, the boot loader hears nothing.
  EXPECT_EQ(Exchange({0x7F}), -2);
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, true), 0);
  rig.printer.AddBootFault({0x7F, 0, BootFaultKind::Nack});
  EXPECT_EQ(Exchange({0x7F}), kNack);
  EXPECT_EQ(Exchange({0x7F}), kAck);
  // Extended Erase, global mass erase.
  EXPECT_EQ(Exchange({0x44, 0xBB}), kAck);
  EXPECT_EQ(Exchange({0xFF, 0xFF, 0x00}), kAck);
  // One block with the flow-control bytes in it: without XON/XOFF they pass.
  std::vector<std::uint8_t> block(256);
  for (int i = 0; i < 256; ++i) block[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(Exchange({0x31, 0xCE}), kAck);
  EXPECT_EQ(Exchange(AddressFrame(0x08000100)), kAck);
  std::vector<std::uint8_t> data = {0xFF};
  std::uint8_t sum = 0xFF;
  for (auto b : block) {
    data.push_back(b);
    sum ^= b;
  }
  data.push_back(sum);
  EXPECT_EQ(Exchange(data), kAck);
  auto flash = rig.printer.Flash();
  EXPECT_TRUE(std::equal(block.begin(), block.end(), flash.begin() + 0x100));
  // A wrong checksum is refused; a silent acknowledgement never comes.
  data.back() ^= 1;
  EXPECT_EQ(Exchange({0x31, 0xCE}), kAck);
  EXPECT_EQ(Exchange(AddressFrame(0x08000200)), kAck);
  EXPECT_EQ(Exchange(data), kNack);
  rig.printer.AddBootFault({0x21, 1, BootFaultKind::Silence});
  EXPECT_EQ(Exchange({0x21, 0xDE}), kAck);
  EXPECT_EQ(Exchange(AddressFrame(0x08000000)), -2);
  // Go.
  EXPECT_EQ(Exchange({0x21, 0xDE}), kAck);
  EXPECT_EQ(Exchange(AddressFrame(0x08000000)), kAck);
  ASSERT_TRUE(PrinterEmulator::WaitUntil([&] { return !rig.printer.InBootLoader(); }));
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, false), 0);
  EXPECT_EQ(Ask("INFO.SYSTEM"), "23");
}
