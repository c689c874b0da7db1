#include <gtest/gtest.h>

#include "LinkRig.h"
#include "support/FileBytes.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;
using testsupport::FileBytes;
using linktest::TestBytes;
using linktest::WriteFile;

TEST(RoundTrip, FilesComeBackByteIdentical) {
  LinkRig rig;
  for (std::size_t size : {0u, 1u, 256u, 257u, 1000000u}) {
    std::string bytes = TestBytes(size, static_cast<unsigned>(size));
    WriteFile(rig.Path("out"), bytes);
    ASSERT_EQ(SyncToPrinter(rig.Path("out"), "PC\\RT.BIN", true), 1) << size;
    if (size > 0) {
      EXPECT_EQ(rig.printer.File("PC\\RT.BIN"), bytes) << size;
    }
    rig.printer.PutFile("PC\\RT.BIN", bytes);  // an empty file is one the printer holds too
    ASSERT_EQ(SyncFromPrinter(rig.Path("back"), "PC\\RT.BIN", true), 0) << size;
    EXPECT_EQ(FileBytes(rig.Path("back")), bytes) << size;
    // Both copies equal now: the checksums agree and nothing moves.
    rig.printer.ClearTranscript();
    EXPECT_EQ(SyncToPrinter(rig.Path("out"), "PC\\RT.BIN", false), 0) << size;
    EXPECT_EQ(SyncFromPrinter(rig.Path("back"), "PC\\RT.BIN", false), 0) << size;
    EXPECT_EQ(rig.printer.Commands().size(), 2u) << size;
  }
}

TEST(RoundTrip, SurvivesEverySurvivableFaultBothWays) {
  struct Case {
    const char* what;
    Fault download;
    Fault upload;
  };
  auto act = [](const char* command, FaultPoint point, FaultAction action, int ms = 0) {
    Fault f = ActionFault(command, point, action, 2, 1);
    f.ms = ms;
    return f;
  };
  auto reply = [](const char* command, FaultPoint point, const char* text) {
    return ReplyFault(command, point, text, 2, 1);
  };
  Fault shortCount = act("UPLOADS", FaultPoint::CommandReply, FaultAction::CountOffset);
  shortCount.value = -1;
  const Case cases[] = {
      {"refusal", reply("DOWNLOADS", FaultPoint::CommandReply, "Fehler 2"),
       reply("UPLOADS", FaultPoint::CommandReply, "Fehler 2")},
      {"block refusal", reply("DOWNLOADS", FaultPoint::BlockReply, "Fehler 4"),
       reply("UPLOADS", FaultPoint::BlockReply, "Fehler 6")},
      {"restart", reply("DOWNLOADS", FaultPoint::BlockReply, "Fehler 7"),
       reply("UPLOADS", FaultPoint::BlockReply, "Fehler 7")},
      {"junk", act("DOWNLOADS", FaultPoint::BlockReply, FaultAction::JunkBeforeStx),
       act("UPLOADS", FaultPoint::CommandReply, FaultAction::JunkBeforeStx)},
      {"checksum", reply("DOWNLOADS", FaultPoint::BlockReply, "Fehler 5"),
       act("UPLOADS", FaultPoint::BlockReply, FaultAction::WrongChecksum)},
      {"short count", reply("DOWNLOADS", FaultPoint::BlockReply, "Fehler 6"), shortCount},
      {"xoff", act("DOWNLOADS", FaultPoint::CommandReply, FaultAction::XoffPause, 50),
       act("UPLOADS", FaultPoint::CommandReply, FaultAction::XoffPause, 50)},
  };
  for (const auto& c : cases) {
    LinkRig rig;
    std::string bytes = TestBytes(6000, 7);
    WriteFile(rig.Path("out"), bytes);
    rig.printer.AddFault(c.download);
    rig.printer.AddFault(c.upload);
    ASSERT_EQ(SyncToPrinter(rig.Path("out"), "PC\\RT.BIN", true), 1) << c.what;
    EXPECT_EQ(rig.printer.File("PC\\RT.BIN"), bytes) << c.what;
    ASSERT_EQ(SyncFromPrinter(rig.Path("back"), "PC\\RT.BIN", true), 0) << c.what;
    EXPECT_EQ(FileBytes(rig.Path("back")), bytes) << c.what;
    EXPECT_EQ(rig.Entries(EntryKind::Fault).size(), 2u) << c.what;
  }
}
