#include <gtest/gtest.h>

#include <filesystem>

#include "LinkRig.h"
#include "support/FileBytes.h"
#include "printerlink/SerialLink.h"

using namespace printerlink;
using namespace printeremu;
using linktest::FileExists;
using linktest::LinkRig;
using testsupport::FileBytes;
using linktest::TestBytes;
using linktest::WriteFile;

namespace {

// The byte counts asked for by the requests so far.
std::vector<int> Asked(const LinkRig& rig) {
  std::vector<int> asked;
  for (const auto& line : rig.CommandsStartingWith("UPLOADS")) {
    std::istringstream in(line);
    std::string keyword, name;
    int offset = 0, n = 0;
    in >> keyword >> name >> offset >> n;
    asked.push_back(n);
  }
  return asked;
}

std::size_t FilesIn(const std::string& folder) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace

TEST(Upload, TheFirstRequestComesOutByteForByte) {
  LinkRig rig;
  rig.printer.PutFile("PC\\GP.N23", "Titel\r\n");
  ASSERT_EQ(UploadFromPrinter(rig.Path("GP.n23"), "PC\\GP.n23", 5000), 0);
  EXPECT_EQ(rig.printer.Commands(), (std::vector<std::string>{"UPLOADS PC\\GP.N23 0 1024 5000 0DBE5B7E"}));
  EXPECT_EQ(FileBytes(rig.Path("GP.n23")), "Titel\r\n");
}

TEST(Upload, TheBlockSizeGrowsAndIsKeptForTheNextUpload) {
  LinkRig rig;
  std::string bytes = TestBytes(10000);
  rig.printer.PutFile("PC\\F", bytes);
  ASSERT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), 0);
  EXPECT_EQ(FileBytes(rig.Path("f")), bytes);
  // 1024, 1536, 2048, 2048, 2048 bytes: 8704; then 1296 ends the file.
  EXPECT_EQ(Asked(rig), (std::vector<int>{1024, 1536, 2048, 2048, 2048, 2048}));
  EXPECT_EQ(UploadBlockSize, kUploadBlockMax);
  rig.printer.ClearTranscript();
  ASSERT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), 0);
  EXPECT_EQ(Asked(rig).front(), 2048);
}

TEST(Upload, AFileEndingWithAFullBlockTakesOneMoreRequest) {
  LinkRig rig;
  rig.printer.PutFile("PC\\F", TestBytes(1024));
  ASSERT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), 0);
  EXPECT_EQ(Asked(rig), (std::vector<int>{1024, 1536}));
  auto replies = rig.Entries(EntryKind::Reply);
  ASSERT_EQ(replies.size(), 4u);
  EXPECT_EQ(replies[2], "0");
  EXPECT_EQ(replies[3], "FFFFFFFF");
  EXPECT_EQ(FileBytes(rig.Path("f")), TestBytes(1024));
}

TEST(Upload, BadBlocksAreAskedForAgainWithSmallerRequests) {
  Fault countRefused = ReplyFault("UPLOADS", FaultPoint::CommandReply, "Fehler 2");
  Fault syntax = ReplyFault("UPLOADS", FaultPoint::CommandReply, "Fehler Syntax");
  Fault tooMany = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::CountOffset);
  tooMany.value = 5000;  // more than asked
  Fault shortCount = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::CountOffset);
  shortCount.value = -7;  // data runs into the trailer's place
  Fault longCount = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::CountOffset);
  longCount.value = 3;    // the trailer's STX comes where data is due
  Fault wrongSum = ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::WrongChecksum);
  Fault trailer6 = ReplyFault("UPLOADS", FaultPoint::BlockReply, "Fehler 6");
  Fault trailer7 = ReplyFault("UPLOADS", FaultPoint::BlockReply, "Fehler 7");
  Fault trailerText = ReplyFault("UPLOADS", FaultPoint::BlockReply, "kaputt");
  Fault trailerNoise = ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::JunkBeforeStx);
  Fault trailerOverlong = ReplyFault("UPLOADS", FaultPoint::BlockReply, std::string(kUploadTextBufferSize, 'A'));
  for (Fault f : {countRefused, syntax, tooMany, shortCount, longCount, wrongSum, trailer6, trailer7, trailerText,
                  trailerNoise, trailerOverlong}) {
    for (int times : {1, 2}) {
      LinkRig rig;
      std::string bytes = TestBytes(3000);
      rig.printer.PutFile("PC\\F", bytes);
      f.skip = 1;  // the second block
      f.times = times;
      rig.printer.AddFault(f);
      ASSERT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), 0) << f.text << " " << f.value;
      EXPECT_EQ(FileBytes(rig.Path("f")), bytes) << f.text << " " << f.value;
      std::vector<int> expected = times == 1 ? std::vector<int>{1024, 1536, 1024, 1536}
                                             : std::vector<int>{1024, 1536, 1024, 512, 1024, 1536};
      EXPECT_EQ(Asked(rig), expected) << f.text << " " << f.value;
    }
  }
}

TEST(Upload, ThreeBadBlocksInARowEndTheUpload) {
  LinkRig rig;
  rig.printer.PutFile("PC\\F", TestBytes(3000));
  WriteFile(rig.Path("f"), "the old copy");
  rig.printer.AddFault(ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::WrongChecksum, 1, 3));
  EXPECT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), kUploadThreeBadBlocks);
  EXPECT_EQ(Asked(rig), (std::vector<int>{1024, 1536, 1024, 512}));
  EXPECT_EQ(UploadBlockSize, 1024);  // shrunk twice, not after the last
  // The old local copy is untouched and no half file is left beside it.
  EXPECT_EQ(FileBytes(rig.Path("f")), "the old copy");
  EXPECT_EQ(FilesIn(rig.dir.path()), 1u);
}

TEST(Upload, ABadBlockEveryOtherRequestIsBoundedPerFile) {
  LinkRig rig;
  rig.printer.PutFile("PC\\F", TestBytes(200000));
  // Good, bad, good, bad ...: the count in a row never reaches three.
  Fault everyOther = ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::WrongChecksum);
  for (int i = 0; i < 40; ++i) {
    everyOther.skip = 2 * i + 1;
    rig.printer.AddFault(everyOther);
  }
  EXPECT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 1000), kUploadTooManyBadBlocks);
  EXPECT_FALSE(FileExists(rig.Path("f")));
  EXPECT_EQ(FilesIn(rig.dir.path()), 0u);
}

TEST(Upload, FailuresEndAtOnceAndKeepTheOldFile) {
  Fault countSilence = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::Silence);
  Fault countNoEtx = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::MissingEtx);
  Fault trailerSilence = ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::Silence);
  Fault trailerNoEtx = ActionFault("UPLOADS", FaultPoint::BlockReply, FaultAction::MissingEtx);
  struct Case {
    Fault fault;
    int result;
  } cases[] = {
      {ReplyFault("UPLOADS", FaultPoint::CommandReply, "Fehler 1"), kUploadCountRefused},
      {ReplyFault("UPLOADS", FaultPoint::CommandReply, "Fehler 4"), kUploadCountRefused},
      {ReplyFault("UPLOADS", FaultPoint::CommandReply, "viele"), kUploadCountNotNumber},
      {ReplyFault("UPLOADS", FaultPoint::CommandReply, std::string(kUploadTextBufferSize, '1')), kUploadCountTooLong},
      {countSilence, kUploadNoCount},
      {countNoEtx, kUploadCountBroken},
      {ReplyFault("UPLOADS", FaultPoint::BlockReply, "Fehler 3"), kUploadTrailerRefused},
      {trailerSilence, kUploadTrailerNoStx},
      {trailerNoEtx, kUploadTrailerBroken},
  };
  for (auto c : cases) {
    LinkRig rig;
    rig.printer.PutFile("PC\\F", TestBytes(3000));
    WriteFile(rig.Path("f"), "the old copy");
    c.fault.skip = 1;
    rig.printer.AddFault(c.fault);
    EXPECT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 150), c.result) << c.fault.text;
    EXPECT_EQ(Asked(rig).size(), 2u) << c.fault.text;
    EXPECT_EQ(FileBytes(rig.Path("f")), "the old copy") << c.fault.text;
    EXPECT_EQ(FilesIn(rig.dir.path()), 1u) << c.fault.text;
  }
}

TEST(Upload, AMissingPrinterFileIsARefusal) {
  LinkRig rig;
  EXPECT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\NONE", 1000), kUploadCountRefused);
  EXPECT_FALSE(FileExists(rig.Path("f")));
}

TEST(Upload, ALocalFolderThatIsMissingFailsBeforeAsking) {
  LinkRig rig;
  rig.printer.PutFile("PC\\F", "x");
  EXPECT_EQ(UploadFromPrinter(rig.Path("no/such/f"), "PC\\F", 1000), kUploadCannotCreate);
  EXPECT_TRUE(rig.printer.Commands().empty());
}

TEST(Upload, TheRestOfABadBlockIsNotTakenForTheNextCount) {
  // At the line's real rate the printer is still sending a refused block's
  // data when the link asks again.
  printeremu::EmulatorOptions paced;
  paced.pacedBaud = 115200;
  LinkRig rig(paced);
  std::string bytes = TestBytes(1500);
  rig.printer.PutFile("PC\\F", bytes);
  Fault tooMany = ActionFault("UPLOADS", FaultPoint::CommandReply, FaultAction::CountOffset);
  tooMany.value = 5000;
  rig.printer.AddFault(tooMany);
  ASSERT_EQ(UploadFromPrinter(rig.Path("f"), "PC\\F", 2000), 0);
  EXPECT_EQ(FileBytes(rig.Path("f")), bytes);
}
