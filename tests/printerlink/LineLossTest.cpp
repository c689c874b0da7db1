// A line that goes dead under the link: the USB adapter pulled out (the
// emulator's pseudo-terminal closed, so the open port gets a hang-up), and
// a shutdown that cancels every wait. Each call then fails at once: a
// failure (-3), never a time-out (-4) after its limit, and never a wait
// without end.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "LinkRig.h"
#include "printerlink/SerialLink.h"
#include "support/FakeTime.h"
#include "support/FileBytes.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;
using linktest::TestBytes;
using linktest::WriteFile;

namespace {

using Clock = std::chrono::steady_clock;

// Far longer than any of these calls may take once the line is dead.
constexpr std::uint32_t kLongLimit = 60000;

Fault HangUpAt(std::string command, FaultPoint point, int skip = 0) {
  return ActionFault(std::move(command), point, FaultAction::HangUp, skip);
}

// Every kind of call on the dead port fails, and fails at once.
void ExpectDeadLine() {
  const auto start = Clock::now();
  std::uint8_t b = 0;
  EXPECT_EQ(ComReadByte(ComPortHandle, &b, kLongLimit), -3);
  EXPECT_EQ(ComWriteByte(ComPortHandle, 'x', kLongLimit), -3);
  EXPECT_EQ(ComWriteBlock(ComPortHandle, "STATUS\r", 7, kLongLimit), -3);
  std::string reply;
  EXPECT_EQ(ComSendCommand(ComPortHandle, "STATUS", reply, kLongLimit), -1);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(kLongLimit / 2));
}

// Sends `command` with the long limit on another thread; the test's thread
// meanwhile acts on the line.
std::future<int> SendAside(const std::string& command) {
  return std::async(std::launch::async, [command] {
    std::string reply;
    return ComSendCommand(ComPortHandle, command, reply, kLongLimit);
  });
}

}  // namespace

TEST(LineLoss, AHangUpInsteadOfTheReplyFailsTheExchange) {
  LinkRig rig;
  rig.printer.AddFault(HangUpAt("STATUS", FaultPoint::CommandReply));
  std::string reply;
  EXPECT_EQ(ComSendCommand(ComPortHandle, "STATUS", reply, kLongLimit), -2);
  EXPECT_TRUE(rig.printer.Unplugged());
  ExpectDeadLine();
  EXPECT_EQ(ComPortClose(&ComPortHandle), 0);
}

TEST(LineLoss, AReadWaitingForItsReplyFailsWhenTheLineHangsUp) {
  LinkRig rig;
  rig.printer.SetSilent(true);
  auto sent = SendAside("INFO.SYSTEM");
  ASSERT_TRUE(PrinterEmulator::WaitUntil([&] { return !rig.printer.Commands().empty(); }));
  rig.printer.Unplug();
  ASSERT_EQ(sent.wait_for(std::chrono::milliseconds(kLongLimit / 2)), std::future_status::ready);
  EXPECT_EQ(sent.get(), -2);
  ExpectDeadLine();
}

TEST(LineLoss, ANoByteYetOnALiveLineIsOnlyATimeOut) {
  LinkRig rig;
  std::uint8_t b = 0;
  // A raw line reads 0 bytes while nothing has come: that is no hang-up.
  EXPECT_EQ(ComReadByte(ComPortHandle, &b, 0), -4);
  EXPECT_EQ(ComReadByte(ComPortHandle, &b, 20), -4);
  EXPECT_EQ(linktest::Ask("INFO.SYSTEM"), "23");
}

TEST(LineLoss, CancellingEndsTheWaitAndEveryCallAfterIt) {
  LinkRig rig;
  rig.printer.SetSilent(true);
  auto sent = SendAside("INFO.SYSTEM");
  ASSERT_TRUE(PrinterEmulator::WaitUntil([&] { return !rig.printer.Commands().empty(); }));
  CancelAllPorts();  // without the port lock, as a shutdown does
  ASSERT_EQ(sent.wait_for(std::chrono::milliseconds(kLongLimit / 2)), std::future_status::ready);
  EXPECT_EQ(sent.get(), -2);
  ExpectDeadLine();
  // The cancel belongs to that port: the device opened again answers.
  ASSERT_EQ(ComPortClose(&ComPortHandle), 0);
  rig.printer.SetSilent(false);
  ComPortHandle = ComPortOpen(linktest::kRigPort);
  ASSERT_GE(ComPortHandle, 0);
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, false), 0);
  EXPECT_EQ(linktest::Ask("INFO.SYSTEM"), "23");
}

TEST(LineLoss, ATransferCutByAHangUpEndsWithoutItsPause) {
  struct Case {
    Fault fault;
    bool download;
    int result;
  } cases[] = {
      {HangUpAt("DOWNLOADS", FaultPoint::CommandReply, 1), true, kDownloadExchangeFailed},
      {HangUpAt("DOWNLOADS", FaultPoint::BlockReply, 1), true, kDownloadNoDataReply},
      {HangUpAt("UPLOADS", FaultPoint::CommandReply, 1), false, kUploadNoCount},
      // The block's data went out before the hang-up; what the PC had not
      // read of it yet is lost with the line, so the upload fails somewhere
      // between its count and its trailer.
      {HangUpAt("UPLOADS", FaultPoint::BlockReply, 1), false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.download ? "download" : "upload");
    testsupport::ScopedFakeTime time;
    LinkRig rig;
    rig.printer.PutFile("PC\\F", TestBytes(6000, 2));
    WriteFile(rig.Path("f"), TestBytes(6000));
    rig.printer.AddFault(c.fault);
    const int result = c.download ? DownloadToPrinter(rig.Path("f"), "PC\\F", kLongLimit)
                                  : UploadFromPrinter(rig.Path("f"), "PC\\F", kLongLimit);
    if (c.result != 0)
      EXPECT_EQ(result, c.result);
    else
      EXPECT_TRUE(result == kUploadNoCount || result == kUploadDataFirstFailed || result == kUploadDataSecondFailed ||
                  result == kUploadTrailerNoStx)
          << result;
    EXPECT_TRUE(rig.printer.Unplugged());
    // No printer is left to drop the file: the download does not wait for it.
    EXPECT_EQ(time->TotalSlept(), 0u);
    // The local file is as it was.
    EXPECT_EQ(testsupport::FileBytes(rig.Path("f")), TestBytes(6000));
  }
}
