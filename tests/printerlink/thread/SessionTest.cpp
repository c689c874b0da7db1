// The command functions every sequence uses.
#include <gtest/gtest.h>

#include "Recorders.h"
#include "ScriptedLink.h"
#include "printerlink/PortIo.h"
#include "printerlink/thread/PrinterSession.h"
#include "printerlink/thread/PrinterWriters.h"
#include "support/FakeTime.h"

using namespace printerthread;
using threadtest::ScriptedLink;

TEST(Session, AskPrinterTellsRepliesRefusalsAndSilenceApart) {
  ScriptedLink link;
  threadtest::RecordingMessenger messenger;
  PrinterSession session(link, &messenger, [] { return false; });
  link.Reply("INFO.DEVICE", "Device A");
  link.Reply("FORMAT", "Fehlerhaft formatiert");  // the six letters are enough
  std::string reply;
  EXPECT_EQ(session.AskPrinter("INFO.DEVICE", reply, 5000), 1);
  EXPECT_EQ(reply, "Device A");
  EXPECT_EQ(session.AskPrinter("FORMAT", reply, 30000), 0);
  EXPECT_EQ(reply, "Fehlerhaft formatiert");
  EXPECT_EQ(session.AskPrinter("GONE", reply, 5000), -1);
  EXPECT_EQ(reply, "Keine Verbindung");
  EXPECT_EQ(link.capacities.front(), printerlink::kLargeReplyBufferSize);
  EXPECT_TRUE(messenger.Boxes().empty());  // asking shows nothing

  // A command fills at most the 99 characters of the command buffer.
  link.Otherwise("");
  link.TakeCommands();
  EXPECT_EQ(session.AskPrinter(std::string(99, 'A'), reply, 1000), 1);
  EXPECT_EQ(session.AskPrinter(std::string(100, 'A'), reply, 1000), -1);
  EXPECT_EQ(link.TakeCommands(), std::vector<std::string>{std::string(99, 'A')});

  // A query exchange reads into the smaller buffer.
  session.Query("STATUS");
  EXPECT_EQ(link.capacities.back(), printerlink::kReplyBufferSize);
}

TEST(Session, GuardedSendReportsAndLeavesTheSettingsLevel) {
  ScriptedLink link;
  threadtest::RecordingMessenger messenger;
  PrinterSession session(link, &messenger, [] { return false; });
  session.BoxTitle = " Start Modus";
  link.Reply("START 1", "");
  EXPECT_EQ(session.SendChecked("START 1", 1000), 1);
  EXPECT_TRUE(messenger.Boxes().empty());
  link.Reply("START 9", "Fehler Syntax");
  EXPECT_EQ(session.SendChecked("START 9", 1000), 0);
  link.Fail("START 8");
  EXPECT_EQ(session.SendChecked("START 8", 1000), -1);
  EXPECT_EQ(link.TakeCommands(),
            (std::vector<std::string>{"START 1", "START 9", "STATUS 40 ZAMFI", "START 8", "STATUS 40 ZAMFI"}));
  auto boxes = messenger.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].kind, BoxKind::NotSupported);
  EXPECT_EQ(boxes[1].kind, BoxKind::Failure);
  EXPECT_EQ(boxes[1].title, " Start Modus");
}

TEST(Session, QuietSendsLookAtNothing) {
  ScriptedLink link;
  threadtest::RecordingMessenger messenger;
  PrinterSession session(link, &messenger, [] { return false; });
  link.Fail("ENABLE 1");
  session.SendQuiet("ENABLE 1");
  session.SendQuiet("STANDBY 1");
  EXPECT_EQ(link.TakeCommands(), (std::vector<std::string>{"ENABLE 1", "STANDBY 1"}));
  EXPECT_TRUE(messenger.Boxes().empty());
}

TEST(Session, OffsetsAreSentInTwelfthsWithoutWrapping) {
  testsupport::ScopedFakeTime time;
  ScriptedLink link;
  link.Otherwise("");
  link.Reply("STATUS", "30 0 0");
  PrinterSession session(link, nullptr, [] { return false; });
  PrinterMirror m;
  m.CliWord = 10;
  PrinterWindowState windows;
  PrinterWriters w(session, m, windows, {}, "");
  w.WriteHeads({{"t"}, {0, 0, 0}, {500, 200000000, -1}, 2});
  auto lines = link.TakeCommands();
  EXPECT_EQ(lines[4], "HEAD.VERSATZ 0 6000");
  EXPECT_EQ(lines[5], "HEAD.VERSATZ 1 2400000000");  // not a wrapped negative number
  EXPECT_EQ(lines[6], "HEAD.VERSATZ 2 -12");
}
