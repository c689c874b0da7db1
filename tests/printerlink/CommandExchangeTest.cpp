#include <gtest/gtest.h>

#include <chrono>

#include "LinkRig.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;

namespace {

int Send(const std::string& command, std::string& reply, std::uint32_t t = 1000,
         std::size_t capacity = kReplyBufferSize) {
  return ComSendCommand(ComPortHandle, command, reply, t, capacity);
}

}  // namespace

TEST(CommandExchange, SendsTheLineWithCrAndReturnsTheFramedText) {
  LinkRig rig;
  std::string reply;
  ASSERT_EQ(Send("INFO.SYSTEM", reply), 0);
  EXPECT_EQ(reply, "23");
  rig.printer.PutFile("PC\\GP.N23", "x");
  ASSERT_EQ(Send("DEL PC\\GP.n23", reply), 0);  // STX directly followed by ETX
  EXPECT_EQ(reply, "");
  ASSERT_EQ(Send("STATUS 30", reply), 0);  // a refusal is a completed exchange
  EXPECT_EQ(reply, "Fehler 1");
  EXPECT_EQ(rig.printer.Commands(), (std::vector<std::string>{"INFO.SYSTEM", "DEL PC\\GP.n23", "STATUS 30"}));
}

TEST(CommandExchange, NoiseBeforeStxIsSkipped) {
  LinkRig rig;
  Fault junk = ActionFault("INFO.SYSTEM", FaultPoint::CommandReply, FaultAction::JunkBeforeStx);
  junk.text = std::string(kMaxSkippedBeforeStx, 'z');
  rig.printer.AddFault(junk);
  std::string reply;
  ASSERT_EQ(Send("INFO.SYSTEM", reply), 0);
  EXPECT_EQ(reply, "23");
}

TEST(CommandExchange, EndlessNoiseEndsTheWaitForStx) {
  LinkRig rig;
  Fault junk = ActionFault("INFO.SYSTEM", FaultPoint::CommandReply, FaultAction::JunkBeforeStx);
  junk.text = std::string(kMaxSkippedBeforeStx + 2, 'z');
  rig.printer.AddFault(junk);
  std::string reply;
  EXPECT_EQ(Send("INFO.SYSTEM", reply), -2);
}

TEST(CommandExchange, SilenceAndAMissingEtxGiveNoCompleteReply) {
  LinkRig rig;
  rig.printer.AddFault(ActionFault("INFO.SYSTEM", FaultPoint::CommandReply, FaultAction::Silence));
  rig.printer.AddFault(ActionFault("INFO.CLI", FaultPoint::CommandReply, FaultAction::MissingEtx));
  std::string reply;
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Send("INFO.SYSTEM", reply, 150), -2);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(140));
  EXPECT_EQ(Send("INFO.CLI", reply, 150), -2);
  // The link is usable again at once.
  ASSERT_EQ(Send("INFO.SYSTEM", reply), 0);
  EXPECT_EQ(reply, "23");
}

TEST(CommandExchange, AReplyNeverGrowsPastItsBuffer) {
  LinkRig rig;
  rig.printer.PutFile("SYSTEM\\KONFIG.SYS", std::string(99, 'k'));
  std::string reply;
  ASSERT_EQ(Send("TYPE SYSTEM\\KONFIG.SYS", reply, 1000, 100), 0);  // 99 characters fit 100 bytes
  EXPECT_EQ(reply.size(), 99u);
  rig.printer.PutFile("SYSTEM\\KONFIG.SYS", std::string(100, 'k'));
  EXPECT_EQ(Send("TYPE SYSTEM\\KONFIG.SYS", reply, 1000, 100), -2);
  EXPECT_LE(reply.size(), 99u);
  ASSERT_EQ(Send("TYPE SYSTEM\\KONFIG.SYS", reply, 1000, 101), 0);
}

TEST(CommandExchange, ReadReplyReportsItsOwnFailures) {
  LinkRig rig;
  std::string reply;
  EXPECT_EQ(ComReadReply(ComPortHandle, reply, 50), -1);  // nothing at all
  rig.printer.PutFile("A", std::string(20, 'a'));
  const char line[] = "TYPE A\r";
  ASSERT_EQ(ComWriteBlock(ComPortHandle, line, 7, 1000), 7);
  EXPECT_EQ(ComReadReply(ComPortHandle, reply, 1000, 10), -3);
  EXPECT_EQ(reply, std::string(9, 'a'));  // what came stays
  rig.printer.AddFault(ActionFault("TYPE", FaultPoint::CommandReply, FaultAction::MissingEtx));
  ASSERT_EQ(ComWriteBlock(ComPortHandle, line, 7, 1000), 7);
  EXPECT_EQ(ComReadReply(ComPortHandle, reply, 100), -2);
}

TEST(CommandExchange, CommandLengthIsBoundedByTheLineBuffer) {
  LinkRig rig;
  std::string reply;
  EXPECT_EQ(Send(std::string(kMaxCommandLength + 1, 'A'), reply), -3);
  ASSERT_EQ(Send(std::string(kMaxCommandLength, 'A'), reply), 0);
  EXPECT_EQ(reply, "Fehler Syntax");
  ASSERT_EQ(rig.printer.Commands().size(), 1u);
  EXPECT_EQ(rig.printer.Commands()[0].size(), kMaxCommandLength);
}

TEST(CommandExchange, XoffHoldsTheLinksWritesUntilXonOrTheTimeLimit) {
  LinkRig rig;
  Fault pause = ActionFault("INFO.SYSTEM", FaultPoint::CommandReply, FaultAction::XoffPause, 0, 2);
  pause.ms = 400;
  rig.printer.AddFault(pause);
  std::string reply;
  ASSERT_EQ(Send("INFO.SYSTEM", reply), 0);
  // The printer holds the line: nothing goes out within 100 ms.
  EXPECT_EQ(ComWriteBlock(ComPortHandle, "INFO.CLI\r", 9, 100), -4);
  EXPECT_EQ(ComWriteByte(ComPortHandle, 'x', 50), -4);
  ASSERT_EQ(Send("INFO.SYSTEM", reply), 0);
  // Within a longer limit the write goes on after XON.
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Send("INFO.CLI", reply, 2000), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
  EXPECT_EQ(reply, "8058");
}

TEST(CommandExchange, ByteReadWaitsAtMostItsTimeLimit) {
  LinkRig rig;
  std::uint8_t b;
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ComReadByte(ComPortHandle, &b, 80), -4);
  auto spent = std::chrono::steady_clock::now() - start;
  EXPECT_GE(spent, std::chrono::milliseconds(75));
  EXPECT_LT(spent, std::chrono::milliseconds(1000));
  EXPECT_EQ(ComReadByte(kNoPort, &b, 80), -1);
}
