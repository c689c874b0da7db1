#include <gtest/gtest.h>

#include "LinkRig.h"
#include "printerlink/SerialLink.h"
#include "support/FakeTime.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;
using linktest::TestBytes;
using linktest::WriteFile;

TEST(Download, TheWireExampleComesOutByteForByte) {
  LinkRig rig;
  WriteFile(rig.Path("GP.n23"), "abc");
  ASSERT_EQ(DownloadToPrinter(rig.Path("GP.n23"), "PC\\GP.n23", 5000), 0);
  EXPECT_EQ(rig.printer.Commands(), (std::vector<std::string>{"DOWNLOADS PC\\GP.N23 0 3 706DE9A8 5000 F7B45686"}));
  EXPECT_EQ(rig.Entries(EntryKind::Data), (std::vector<std::string>{"616263"}));
  EXPECT_EQ(rig.printer.File("PC\\GP.N23"), "abc");
}

TEST(Download, EachByteTravelsAsTwoCharacters) {
  LinkRig rig;
  WriteFile(rig.Path("f"), std::string("\x3F\xAB\x61\x00\xFF", 5));
  ASSERT_EQ(DownloadToPrinter(rig.Path("f"), "F", 1000), 0);
  EXPECT_EQ(rig.Entries(EntryKind::Data), (std::vector<std::string>{"3?:;6100??"}));
}

TEST(Download, BlocksAreFullExceptTheLast) {
  struct Case {
    std::size_t size;
    std::vector<std::string> offsetsAndCounts;
  } cases[] = {
      {0, {}},
      {1, {"0 1"}},
      {256, {"0 256"}},
      {257, {"0 256", "256 1"}},
      {512, {"0 256", "256 256"}},
  };
  for (const auto& c : cases) {
    LinkRig rig;
    std::string bytes = TestBytes(c.size);
    WriteFile(rig.Path("f"), bytes);
    ASSERT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 1000), 0) << c.size;
    std::vector<std::string> seen;
    for (const auto& line : rig.printer.Commands()) {
      auto words = line.substr(std::string("DOWNLOADS PC\\F ").size());
      seen.push_back(words.substr(0, words.find(' ', words.find(' ') + 1)));
    }
    EXPECT_EQ(seen, c.offsetsAndCounts) << c.size;
    // An empty file sends nothing, so the printer does not create one.
    if (c.size > 0) {
      EXPECT_EQ(rig.printer.File("PC\\F"), bytes) << c.size;
    }
  }
}

TEST(Download, SurvivableRefusalsRepeatTheBlock) {
  struct Case {
    FaultPoint point;
    const char* reply;
    int skip;
    std::uint64_t slept;  // the pause the link takes before announcing again
  } cases[] = {
      {FaultPoint::CommandReply, "Fehler 2", 1, 100},
      {FaultPoint::CommandReply, "Fehler Syntax", 1, 100},
      {FaultPoint::BlockReply, "Fehler 4", 1, 0},
      {FaultPoint::BlockReply, "Fehler 5", 1, 0},
      {FaultPoint::BlockReply, "Fehler 6", 1, 0},
  };
  for (const auto& c : cases) {
    testsupport::ScopedFakeTime time;
    LinkRig rig;
    std::string bytes = TestBytes(600);
    WriteFile(rig.Path("f"), bytes);
    rig.printer.AddFault(ReplyFault("DOWNLOADS", c.point, c.reply, c.skip));
    ASSERT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 1000), 0) << c.reply;
    EXPECT_EQ(rig.printer.File("PC\\F"), bytes) << c.reply;
    auto lines = rig.CommandsStartingWith("DOWNLOADS");
    ASSERT_EQ(lines.size(), 4u) << c.reply;
    EXPECT_EQ(lines[1], lines[2]) << c.reply;  // the second block, announced again unchanged
    EXPECT_EQ(time->TotalSlept(), c.slept) << c.reply;
  }
}

TEST(Download, Fehler7StartsTheWholeFileAgain) {
  LinkRig rig;
  std::string bytes = TestBytes(700);
  WriteFile(rig.Path("f"), bytes);
  rig.printer.AddFault(ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "Fehler 7", 1));
  ASSERT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 1000), 0);
  std::vector<std::string> offsets;
  for (const auto& line : rig.CommandsStartingWith("DOWNLOADS")) offsets.push_back(line.substr(15, line.find(' ', 15) - 15));
  EXPECT_EQ(offsets, (std::vector<std::string>{"0", "256", "0", "256", "512"}));
  EXPECT_EQ(rig.printer.File("PC\\F"), bytes);
}

TEST(Download, TransmissionTroubleIsSurvived) {
  for (FaultAction action : {FaultAction::JunkBeforeStx, FaultAction::Delay, FaultAction::XoffPause}) {
    for (FaultPoint point : {FaultPoint::CommandReply, FaultPoint::BlockReply}) {
      LinkRig rig;
      std::string bytes = TestBytes(1000);
      WriteFile(rig.Path("f"), bytes);
      Fault f = ActionFault("DOWNLOADS", point, action, 1, 2);
      f.ms = 60;
      rig.printer.AddFault(f);
      ASSERT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 1000), 0) << static_cast<int>(action);
      EXPECT_EQ(rig.printer.File("PC\\F"), bytes);
      EXPECT_EQ(rig.CommandsStartingWith("DOWNLOADS").size(), 4u);
    }
  }
}

TEST(Download, FailuresEndWithEotAndAPause) {
  struct Case {
    Fault fault;
    int result;
  } cases[] = {
      {ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 1", 1), -41},
      {ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 3", 1), -42},
      {ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 8", 1), -43},
      {ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Bitte warten", 1), -43},
      {ActionFault("DOWNLOADS", FaultPoint::CommandReply, FaultAction::Silence, 1), -3},
      {ActionFault("DOWNLOADS", FaultPoint::BlockReply, FaultAction::Silence, 1), -6},
      {ActionFault("DOWNLOADS", FaultPoint::BlockReply, FaultAction::MissingEtx, 1), -6},
      {ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "Fehler 3", 1), -7},
      {ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "OK", 1), -7},
  };
  for (const auto& c : cases) {
    testsupport::ScopedFakeTime time;
    LinkRig rig;
    rig.printer.PutFile("PC\\F", "old");
    WriteFile(rig.Path("f"), TestBytes(600));
    rig.printer.AddFault(c.fault);
    EXPECT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 200), c.result) << c.fault.text;
    EXPECT_EQ(time->TotalSlept(), 1200u) << c.fault.text;
    ASSERT_TRUE(PrinterEmulator::WaitUntil([&] { return !rig.Entries(EntryKind::Control).empty(); }));
    EXPECT_EQ(rig.Entries(EntryKind::Control).back(), "EOT");
    // The printer drops the half-sent file and keeps its old one.
    EXPECT_TRUE(PrinterEmulator::WaitUntil([&] { return rig.printer.File("PC\\F") == "old"; })) << c.fault.text;
  }
}

TEST(Download, EndlessRefusalsAreBounded) {
  struct Case {
    Fault fault;
    int result;
    std::size_t announcements;
  } cases[] = {
      {ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "Fehler 4", 0, -1), kDownloadBlockRetriesOut,
       kDownloadBlockRetries},
      {ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 2", 0, -1), kDownloadBlockRetriesOut,
       kDownloadBlockRetries},
      // "Fehler 7" from the second block on: the first round gets one block
      // further than the others.
      {ReplyFault("DOWNLOADS", FaultPoint::BlockReply, "Fehler 7", 1, -1), kDownloadFileRetriesOut,
       2 + kDownloadFileRetries},
  };
  for (const auto& c : cases) {
    testsupport::ScopedFakeTime time;
    LinkRig rig;
    WriteFile(rig.Path("f"), TestBytes(600));
    rig.printer.AddFault(c.fault);
    EXPECT_EQ(DownloadToPrinter(rig.Path("f"), "PC\\F", 200), c.result) << c.fault.text;
    EXPECT_EQ(rig.CommandsStartingWith("DOWNLOADS").size(), c.announcements) << c.fault.text;
  }
}

TEST(Download, ALocalFileThatCannotBeReadSendsNothing) {
  testsupport::ScopedFakeTime time;
  LinkRig rig;
  EXPECT_EQ(DownloadToPrinter(rig.Path("missing"), "PC\\F", 200), kDownloadCannotOpen);
  EXPECT_EQ(time->TotalSlept(), 0u);
  // A folder opens but cannot be read: a failure, never an empty file.
  EXPECT_EQ(DownloadToPrinter(rig.dir.path(), "PC\\F", 200), kDownloadLocalReadFailed);
  EXPECT_TRUE(rig.CommandsStartingWith("DOWNLOADS").empty());
  EXPECT_FALSE(rig.printer.File("PC\\F"));
}
