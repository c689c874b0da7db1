// The firmware installation in the printer thread against the emulator's
// STM32 boot loader.
#include <gtest/gtest.h>

#include <algorithm>

#include "FirmwareRig.h"
#include "printerlink/PortState.h"
#include "support/TempDir.h"

using namespace threadtest;
using namespace printerthread;
using printeremu::BootFault;
using printeremu::BootFaultKind;
using printeremu::EntryKind;

namespace {

std::vector<std::string> BootEntries(const printeremu::PrinterEmulator& p) {
  std::vector<std::string> texts;
  for (const auto& e : p.Transcript())
    if (e.kind == EntryKind::Boot) texts.push_back(e.text);
  return texts;
}

long Count(const std::vector<std::string>& texts, const std::string& prefix) {
  return std::count_if(texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
}

printeremu::EmulatorOptions Framed() {
  printeremu::EmulatorOptions options;
  options.checkFraming = true;
  return options;
}

}  // namespace

TEST(FirmwareInstall, WritesTheImageByteForByteWithNothingElseOnTheLine) {
  FirmwareRig rig(Framed());
  rig.printer->SetFlash(std::vector<std::uint8_t>(0x100000, 0x00));
  const auto image = FirmwareImage(2048);
  ASSERT_TRUE(rig.Install(image));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareInstalled});
  EXPECT_TRUE(rig.printer->Flash() == image);

  // Only the blocks that hold data were written, each read back once.
  std::size_t dataBlocks = 0;
  for (std::size_t b = 0; b < 4096; ++b)
    dataBlocks += !std::all_of(image.begin() + b * 256, image.begin() + b * 256 + 256, [](auto x) { return x == 0xFF; });
  const auto boot = BootEntries(*rig.printer);
  EXPECT_EQ(Count(boot, "WRITE "), static_cast<long>(dataBlocks));
  EXPECT_EQ(Count(boot, "READ "), static_cast<long>(dataBlocks));
  EXPECT_EQ(Count(boot, "ERASE MASS"), 1);
  EXPECT_EQ(boot.back(), "GO 08000000");

  // The commands before the boot loader, and not one line while it listened.
  auto commands = rig.printer->Commands();
  auto reset = std::find(commands.begin(), commands.end(), "RESET.BOOTLOADER");
  ASSERT_NE(reset, commands.end());
  ASSERT_GE(reset - commands.begin(), 3);
  EXPECT_EQ(*(reset - 3), "ENABLE 0");
  EXPECT_EQ(*(reset - 2), "STATUS 70 ZAMFI");
  bool inBoot = false;
  for (const auto& e : rig.printer->Transcript()) {
    if (e.kind == EntryKind::Boot && e.text == "BOOT LOADER") inBoot = true;
    if (e.kind == EntryKind::Boot && e.text.rfind("GO ", 0) == 0) inBoot = false;
    EXPECT_FALSE(inBoot && (e.kind == EntryKind::Command || e.kind == EntryKind::Garbled)) << e.text;
  }
  // The GUI thread found the port lock held all along, and was never made
  // to wait: the progress only posted.
  EXPECT_GT(rig.installer.progressWhileWriting, 0);
  EXPECT_EQ(rig.installer.lockFreeWhileWriting, 0);
  EXPECT_EQ(rig.installer.progressAfterResult, 0);
  EXPECT_TRUE(std::is_sorted(rig.installer.positions.begin(), rig.installer.positions.end()));
  EXPECT_TRUE(std::all_of(rig.installer.maxima.begin(), rig.installer.maxima.end(), [](int m) { return m == 5296; }));
  EXPECT_FALSE(rig.installer.portClosedAtResult);
  // The new firmware answers the poll again on the command framing.
  EXPECT_TRUE(rig.ConnectedAndPolling());
}

TEST(FirmwareInstall, ASecondSynchronisationIsEnough) {
  FirmwareRig rig(Framed());
  rig.printer->AddBootFault({0x7F, 0, BootFaultKind::Nack});
  const auto image = FirmwareImage(16, 4);
  ASSERT_TRUE(rig.Install(image));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareInstalled});
  EXPECT_TRUE(rig.printer->Flash() == image);
  EXPECT_EQ(Count(BootEntries(*rig.printer), "SYNC"), 2);
}

TEST(FirmwareInstall, FirmwareWithoutTheFeatureIsNotTouched) {
  FirmwareRig rig;
  rig.Start();
  ASSERT_TRUE(rig.ConnectedAndPolling());
  const auto before = rig.printer->Commands().size();
  ASSERT_TRUE(rig.Install(FirmwareImage(4), 8058 & ~0x40));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareUnsupported});
  for (const auto& c : rig.CommandsFrom(before)) EXPECT_TRUE(c.rfind("ENABLE", 0) != 0 && c.rfind("RESET", 0) != 0) << c;
  EXPECT_FALSE(rig.printer->InBootLoader());
}

// Every failure of the boot loader ends with its own box; the window is
// usable again, the program can close, and after a failure under the boot
// loader the port is closed for the connection handling to take over.
TEST(FirmwareInstall, EachBootLoaderFaultEndsWithItsBox) {
  struct Case {
    const char* name;
    std::vector<BootFault> faults;
    int expected;
    bool flashUntouched;
  };
  const std::vector<Case> cases = {
      {"wrong controller", {{0x02, 0, BootFaultKind::WrongId}}, kFirmwareFailed, true},
      {"erase refused", {{0x44, 0, BootFaultKind::Nack}}, kFirmwareControllerDefect, true},
      {"write refused", {{0x31, 2, BootFaultKind::Nack, 10}}, kFirmwareControllerDefect, false},
      {"write unanswered", {{0x31, 1, BootFaultKind::Silence, 5}}, kFirmwareControllerDefect, false},
      {"read back differs", {{0x11, 2, BootFaultKind::Corrupt, 3}}, kFirmwareControllerDefect, false},
      {"line hung up", {{0x31, 2, BootFaultKind::HangUp, 20}}, kFirmwareControllerDefect, false},
      {"go refused", {{0x21, 1, BootFaultKind::Nack}}, kFirmwareRestart, false},
  };
  const auto image = FirmwareImage(64, 9);
  const std::vector<std::uint8_t> old(0x100000, 0x5A);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FirmwareRig rig(Framed());
    rig.printer->SetFlash(old);
    for (const auto& f : c.faults) rig.printer->AddBootFault(f);
    ASSERT_TRUE(rig.Install(image));
    EXPECT_EQ(rig.installer.results, std::vector<int>{c.expected});
    EXPECT_TRUE(rig.installer.portClosedAtResult);
    EXPECT_EQ(rig.installer.progressAfterResult, 0);
    EXPECT_EQ(rig.printer->Flash() == old, c.flashUntouched);
    EXPECT_FALSE(rig.requests.FirmwareInstall.Pending());
  }
}

TEST(FirmwareInstall, ABootLoaderThatNeverAnswersFailsAfterSevenAttempts) {
  FirmwareRig rig(Framed());
  rig.printer->AddBootFault({0x7F, 0, BootFaultKind::Silence, 0, -1});
  ASSERT_TRUE(rig.Install(FirmwareImage(4)));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareFailed});
  EXPECT_EQ(Count(BootEntries(*rig.printer), "SYNC"), 7);
  EXPECT_TRUE(rig.installer.portClosedAtResult);
}

// The printer unplugged before "Installieren", the thread already searching:
// the request is served at once, fails on its first command and leaves
// nothing pending. (One raised before the thread saw the loss is dropped
// with the link instead; AbandonedRequests covers that.)
TEST(FirmwareInstall, ALinkLostBeforeTheSequenceLeavesNothingPending) {
  // Registered under a name of the test's own, which goes with the plug: the
  // terminal number freed may be taken by any other program's next one.
  testsupport::TempDir tmp;
  printeremu::EmulatorOptions options;
  options.linkPath = tmp / "ttyUSB0";
  FirmwareRig rig(options);
  rig.registry = platform::FixedPortRegistry({{kRigPort, options.linkPath, platform::kPortKindUsb}});
  rig.Start();
  ASSERT_TRUE(rig.ConnectedAndPolling());
  rig.printer->Unplug();
  // The search strip shows once the thread has left the port and dropped
  // what was pending for the printer that went.
  ASSERT_TRUE(ThreadRig::Until([&] {
    return printerlink::ComPortNumber.load() == printerlink::kNoPort && !rig.display.labels.empty() &&
           !rig.display.labels.back().empty();
  }, 30000));
  ASSERT_TRUE(rig.Install(FirmwareImage(4)));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareFailed});
  EXPECT_FALSE(rig.requests.FirmwareInstall.Pending());
  auto boxes = rig.messenger.Boxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().kind, BoxKind::Failure);
}

// The thread never sends an image that is not exactly 1 MiB.
TEST(FirmwareInstall, AnImageOfAnyOtherSizeIsNotSent) {
  FirmwareRig rig;
  rig.Start();
  ASSERT_TRUE(rig.ConnectedAndPolling());
  const auto before = rig.printer->Commands().size();
  auto image = FirmwareImage(4);
  image.pop_back();
  ASSERT_TRUE(rig.Install(image));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareFailed});
  for (const auto& c : rig.CommandsFrom(before)) EXPECT_NE(c, "ENABLE 0");
}

// A printer that does not reach the firmware-loader level: the command's
// red box, then the firmware's; the boot loader was never asked for and the
// port keeps the command framing.
TEST(FirmwareInstall, APrinterThatStaysBelowLevel70IsLeftRunning) {
  printeremu::EmulatorOptions options;
  options.levelDelayMs = 60000;
  FirmwareRig rig(options);
  rig.Start();
  ASSERT_TRUE(rig.ConnectedAndPolling());
  const auto before = rig.printer->Commands().size();
  ASSERT_TRUE(rig.Install(FirmwareImage(4)));
  EXPECT_EQ(rig.installer.results, std::vector<int>{kFirmwareFailed});
  EXPECT_FALSE(rig.installer.portClosedAtResult);
  EXPECT_FALSE(rig.printer->InBootLoader());
  const auto sent = rig.CommandsFrom(before);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), "RESET.BOOTLOADER"), 0);
  EXPECT_NE(std::find(sent.begin(), sent.end(), "STATUS 40 ZAMFI"), sent.end());
  auto boxes = rig.messenger.Boxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().kind, BoxKind::Failure);
  EXPECT_TRUE(rig.ConnectedAndPolling());
}
