#include <gtest/gtest.h>

#include "LinkRig.h"
#include "support/FileBytes.h"
#include "printerlink/SerialLink.h"
#include "support/FakeTime.h"

using namespace printerlink;
using namespace printeremu;
using linktest::LinkRig;
using testsupport::FileBytes;
using linktest::TestBytes;
using linktest::WriteFile;

TEST(FileChecksum, SumsTheWholeFile) {
  testsupport::TempDir dir;
  std::uint32_t sum = 1;
  WriteFile(dir / "a", "123456789");
  ASSERT_EQ(Crc32File(dir / "a", &sum), 0);
  EXPECT_EQ(sum, 0x1DBA08EAu);
  WriteFile(dir / "empty", "");
  ASSERT_EQ(Crc32File(dir / "empty", &sum), 0);
  EXPECT_EQ(sum, 0xFFFFFFFFu);
  std::string big = TestBytes(200000);
  WriteFile(dir / "big", big);
  ASSERT_EQ(Crc32File(dir / "big", &sum), 0);
  EXPECT_EQ(sum, platform::Crc32Chain(0, big));
  EXPECT_EQ(Crc32File(dir / "missing", &sum), -1);
  EXPECT_EQ(sum, 0u);
}

TEST(SyncToPrinter, SendsOnlyWhatTheFirstDoesNotHold) {
  LinkRig rig;
  std::string bytes = TestBytes(300);
  WriteFile(rig.Path("k"), bytes);
  // Unknown on the printer ("Fehler 1" to "CRC"): sent.
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "tmp\\konfig.sys", false), 1);
  EXPECT_EQ(rig.printer.File("TMP\\KONFIG.SYS"), bytes);
  // The checksum question carries the name as given, the transfer upper-cased.
  EXPECT_EQ(rig.printer.Commands().front(), "CRC tmp\\konfig.sys");
  EXPECT_EQ(rig.printer.Commands().at(1).substr(0, 25), "DOWNLOADS TMP\\KONFIG.SYS ");
  // Equal now: nothing sent.
  rig.printer.ClearTranscript();
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "TMP\\KONFIG.SYS", false), 0);
  EXPECT_EQ(rig.printer.Commands(), (std::vector<std::string>{"CRC TMP\\KONFIG.SYS"}));
  // Forced: sent without asking.
  rig.printer.ClearTranscript();
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "TMP\\KONFIG.SYS", true), 1);
  EXPECT_TRUE(rig.CommandsStartingWith("CRC").empty());
  // Changed locally: sent again.
  WriteFile(rig.Path("k"), "neu");
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "TMP\\KONFIG.SYS", false), 1);
  EXPECT_EQ(rig.printer.File("TMP\\KONFIG.SYS"), "neu");
}

TEST(SyncToPrinter, AnyReplyButTheEqualChecksumSends) {
  for (const char* reply : {"Fehler 5", "Fehler Syntax", "xyz", ""}) {
    LinkRig rig;
    WriteFile(rig.Path("k"), "abc");
    rig.printer.PutFile("K", "abc");
    rig.printer.AddFault(ReplyFault("CRC", FaultPoint::CommandReply, reply));
    EXPECT_EQ(SyncToPrinter(rig.Path("k"), "K", false), 1) << reply;
    EXPECT_EQ(rig.CommandsStartingWith("DOWNLOADS").size(), 1u) << reply;
  }
}

// The checksum question waits 15 s for a silent printer; an answer longer
// than the reply buffer fails the exchange at once.
Fault OverlongCrcReply() { return ReplyFault("CRC", FaultPoint::CommandReply, std::string(kReplyBufferSize, '0')); }

TEST(SyncToPrinter, FailuresHaveTheirCodes) {
  LinkRig rig;
  EXPECT_EQ(SyncToPrinter(rig.Path("missing"), "K", false), -1);
  EXPECT_EQ(SyncToPrinter(rig.Path("missing"), "K", true), -1);
  EXPECT_EQ(SyncToPrinter(rig.dir.path(), "K", false), -2);  // there, but unreadable
  WriteFile(rig.Path("k"), "abc");
  rig.printer.AddFault(OverlongCrcReply());
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "K", false), -3);
  EXPECT_TRUE(rig.CommandsStartingWith("DOWNLOADS").empty());
}

TEST(SyncToPrinter, AnEmptyFileForcedCountsAsSent) {
  LinkRig rig;
  WriteFile(rig.Path("e"), "");
  EXPECT_EQ(SyncToPrinter(rig.Path("e"), "E", true), 1);
  EXPECT_TRUE(rig.printer.Commands().empty());
}

TEST(SyncToPrinter, DownloadFailuresPassThrough) {
  testsupport::ScopedFakeTime time;
  LinkRig rig;
  WriteFile(rig.Path("k"), "abc");
  rig.printer.AddFault(ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 1"));
  EXPECT_EQ(SyncToPrinter(rig.Path("k"), "K", false), kDownloadRefused1);
}

TEST(SyncFromPrinter, FetchesOnlyWhatDiffers) {
  LinkRig rig;
  std::string bytes = TestBytes(5000);
  rig.printer.PutFile("SYSTEM\\KONFIG.SYS", bytes);
  // No local copy: fetched without asking.
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "SYSTEM\\KONFIG.SYS", false), 0);
  EXPECT_EQ(FileBytes(rig.Path("k")), bytes);
  EXPECT_TRUE(rig.CommandsStartingWith("CRC").empty());
  // Equal: asked, not fetched.
  rig.printer.ClearTranscript();
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "SYSTEM\\KONFIG.SYS", false), 0);
  EXPECT_EQ(rig.printer.Commands(), (std::vector<std::string>{"CRC SYSTEM\\KONFIG.SYS"}));
  // Different: fetched.
  rig.printer.PutFile("SYSTEM\\KONFIG.SYS", "kurz");
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "SYSTEM\\KONFIG.SYS", false), 0);
  EXPECT_EQ(FileBytes(rig.Path("k")), "kurz");
  // Forced: fetched without asking.
  rig.printer.ClearTranscript();
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "SYSTEM\\KONFIG.SYS", true), 0);
  EXPECT_TRUE(rig.CommandsStartingWith("CRC").empty());
  EXPECT_EQ(rig.CommandsStartingWith("UPLOADS").size(), 1u);
}

TEST(SyncFromPrinter, FailuresHaveTheirCodes) {
  LinkRig rig;
  WriteFile(rig.Path("k"), "old");
  rig.printer.AddFault(OverlongCrcReply());
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "K", false), -2);
  // The printer has no such file: the upload's refusal, the local copy kept.
  EXPECT_EQ(SyncFromPrinter(rig.Path("k"), "K", false), kUploadCountRefused);
  EXPECT_EQ(FileBytes(rig.Path("k")), "old");
}
