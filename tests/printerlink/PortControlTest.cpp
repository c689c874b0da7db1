#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "LinkRig.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using linktest::LinkRig;

namespace {

// `stty -a` of the device as another program sees it while the link holds it.
std::string SttyOf(const std::string& device) {
  std::string output;
  if (FILE* p = ::popen(("stty -a -F " + device + " 2>&1").c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, p)) output += buffer;
    ::pclose(p);
  }
  return output;
}

bool HasWord(const std::string& text, const std::string& word) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    bool startOk = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\n' || text[at - 1] == ';';
    std::size_t end = at + word.size();
    bool endOk = end == text.size() || text[end] == ' ' || text[end] == '\n' || text[end] == ';';
    if (startOk && endOk) return true;
  }
  return false;
}

}  // namespace

TEST(PortControl, TheLinkSetsTheCommandFramingInRawMode) {
  LinkRig rig;
  std::string stty = SttyOf(rig.printer.DevicePath());
  ASSERT_NE(stty.find("speed 115200 baud"), std::string::npos) << stty;
  for (const char* word : {"cs8", "-cstopb", "-parenb", "ixon", "ixoff", "-crtscts", "clocal", "-icanon", "-echo",
                           "-isig", "-iexten", "-opost", "-icrnl", "-inlcr", "-igncr", "-istrip", "-ixany"})
    EXPECT_TRUE(HasWord(stty, word)) << word << "\n" << stty;
}

TEST(PortControl, BootLoaderFramingHasEvenParityWithoutFlowControl) {
  LinkRig rig;
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, true), 0);
  auto f = rig.printer.PcFraming();
  EXPECT_EQ(f.baud, 115200u);
  EXPECT_EQ(f.parity, platform::Parity::Even);
  EXPECT_FALSE(f.xonXoff);
  std::string stty = SttyOf(rig.printer.DevicePath());
  // A pseudo-terminal keeps no parity bit; the parity check flag shows it.
  for (const char* word : {"-parodd", "inpck", "-ixon", "-ixoff", "cs8", "-cstopb"})
    EXPECT_TRUE(HasWord(stty, word)) << word << "\n" << stty;
  ASSERT_EQ(ComPortSetup(ComPortHandle, kLinkBaud, false), 0);
  EXPECT_EQ(rig.printer.PcFraming().parity, platform::Parity::None);
  EXPECT_TRUE(rig.printer.PcFraming().xonXoff);
}

TEST(PortControl, SetupFailuresHaveTheirCodes) {
  LinkRig rig;
  EXPECT_EQ(ComPortSetup(ComPortHandle, 12345, false), -4);
  EXPECT_EQ(ComPortSetup(kNoPort, kLinkBaud, false), -1);
  EXPECT_EQ(ComPortSetup(ComPortHandle + 1000, kLinkBaud, false), -1);
}

TEST(PortControl, OpenRefusesNumbersOutsideTheRangeAndUnknownPorts) {
  LinkRig rig({}, false);
  ComPortNumber = 3;
  for (unsigned n : {0u, 257u, linktest::kRigPort + 1}) EXPECT_EQ(ComPortOpen(n), -1) << n;
  EXPECT_EQ(ComPortNumber, 3);
  ComPortNumber = kNoPort;
}

TEST(PortControl, OpenIsExclusiveAndCloseAlwaysForgetsTheHandle) {
  LinkRig rig({}, false);
  int handle = ComPortOpen(linktest::kRigPort);
  ASSERT_GT(handle, 0);  // never standard input's 0, never -1
  EXPECT_EQ(ComPortNumber, static_cast<int>(linktest::kRigPort));
  EXPECT_EQ(ComPortOpen(linktest::kRigPort), -1);  // no sharing
  EXPECT_EQ(ComPortClose(&handle), 0);
  EXPECT_EQ(handle, kNoPort);
  EXPECT_EQ(ComPortNumber, kNoPort);
  EXPECT_EQ(ComPortClose(&handle), 0);  // nothing left to close

  handle = ComPortOpen(linktest::kRigPort);  // free again
  ASSERT_GT(handle, 0);
  int stale = handle;
  EXPECT_EQ(ComPortClose(&handle), 0);
  EXPECT_EQ(ComPortClose(&stale), -1);  // a handle already closed names nothing
  EXPECT_EQ(stale, kNoPort);
}

namespace {

// A port whose close reports a failure, as a vanished USB adapter may.
class FailingClose final : public platform::SerialTransport {
 public:
  platform::ConfigureOutcome Configure(const platform::LineFraming&) override {
    return platform::ConfigureOutcome::CannotRead;
  }
  bool Purge() override { return true; }
  bool ClearErrors() override { return true; }
  platform::ReadOutcome ReadByte(std::uint8_t&, std::uint32_t) override { return platform::ReadOutcome::Failed; }
  long Write(const std::uint8_t*, std::size_t, std::uint32_t) override { return 0; }
  bool Flush(std::uint32_t) override { return true; }
  bool Close() override { return false; }
};

}  // namespace

TEST(PortControl, AFailedCloseStillLeavesNoPort) {
  int handle = AttachPort(std::make_unique<FailingClose>());
  EXPECT_EQ(ComPortSetup(handle, kLinkBaud, false), -3);
  ComPortNumber = 4;
  EXPECT_EQ(ComPortClose(&handle), -1);
  EXPECT_EQ(handle, kNoPort);
  EXPECT_EQ(ComPortNumber, kNoPort);
  EXPECT_EQ(PortFor(handle), nullptr);
}

TEST(PortControl, APortThatTakesNothingTimesOut) {
  int handle = AttachPort(std::make_unique<FailingClose>());
  const char bytes[] = "abc";
  EXPECT_EQ(ComWriteBlock(handle, bytes, 3, 30), -4);
  EXPECT_EQ(ComWriteByte(handle, 'a', 30), -4);
  EXPECT_EQ(ComWriteBlock(handle, bytes, 0, 30), 0);
  std::uint8_t b;
  EXPECT_EQ(ComReadByte(handle, &b, 30), -3);
  (void)ComPortClose(&handle);
}
