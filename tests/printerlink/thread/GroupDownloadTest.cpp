// Saving the open print data to the printer, against the emulator.
#include <gtest/gtest.h>

#include "ThreadRig.h"
#include "TransferRig.h"
#include "printerlink/thread/PrintDataTransfer.h"
#include "support/FileBytes.h"

using namespace printerthread;
using threadtest::TransferRig;

namespace {

const std::string kTitle = "Printer - Daten speichern";

// The commands other than the file transfers'.
std::vector<std::string> PlainCommands(const std::vector<std::string>& commands) {
  std::vector<std::string> plain;
  for (const auto& c : commands)
    if (c.rfind("CRC ", 0) != 0 && c.rfind("DOWNLOADS ", 0) != 0 && c != "STATUS") plain.push_back(c);
  return plain;
}

}  // namespace

TEST(GroupDownload, SendsEachPrintTextsArchiveThenItsFilesThenTheGroupFiles) {
  TransferRig rig;
  rig.desk.Texts = {"Text A", "Text B", "Text C"};
  rig.desk.DatedTexts = {2};
  auto download = rig.Download();

  EXPECT_EQ(PlainCommands(rig.Commands()), (std::vector<std::string>{"ENABLE 0", "STATUS 30 ZAMFI", "TYPE PC\\GP.g23",
                                                                     "MAXDT 0", "MAXDT 3", "STATUS 40 ZAMFI"}));
  EXPECT_EQ(rig.FilesSent(), (std::vector<std::string>{"PC\\001.Z23", "001\\BS.R23", "001\\BS.U23", "001\\DT.PAM",
                                                       "PC\\002.Z23", "002\\BS.R23", "002\\BS.U23", "002\\DT.PAM",
                                                       "002\\D2.PAM", "002\\D2.R23", "PC\\003.Z23", "003\\BS.R23",
                                                       "003\\BS.U23", "003\\DT.PAM", "PC\\GP.G23", "PC\\GP.N23"}));
  // Each arrived whole.
  EXPECT_EQ(rig.PrinterFile("PC\\002.Z23"), testsupport::FileBytes(rig.Local("DOWNLOAD/002/DT.z23")));
  EXPECT_EQ(rig.PrinterFile("002\\D2.R23"), "glyphs of Text B");
  EXPECT_EQ(rig.PrinterFile("PC\\GP.G23"), testsupport::FileBytes(rig.Local("DOWNLOAD_GP/GP.g23")));
  EXPECT_EQ(rig.PrinterFile("PC\\GP.N23"), "Eier\n");
  EXPECT_EQ(rig.printer.Setting("DT"), "1 3");
  EXPECT_EQ(rig.printer.State(), 40);

  // 24 steps per print text and 5; the busy box counts them up to 100 %.
  EXPECT_EQ(download.DownloadTotal, 77);
  EXPECT_EQ(download.DownloadDone, 77);
  auto boxes = rig.Boxes();
  ASSERT_EQ(boxes.size(), 1u + 77u + 1u);
  EXPECT_EQ(boxes.front().text, MessageText::Of(CatalogueText::Running, " 0 %"));
  EXPECT_EQ(boxes[1].text, MessageText::Of(CatalogueText::Running, " 1 %"));  // 1 * 100 / 77
  EXPECT_EQ(boxes[boxes.size() - 2].text, MessageText::Of(CatalogueText::Running, " 100 %"));
  EXPECT_EQ(boxes.back().kind, BoxKind::Success);
  EXPECT_EQ(boxes.back().text, MessageText::Of(CatalogueText::DoneOk));
  for (const auto& box : boxes) EXPECT_EQ(box.title, kTitle);
  // The user's input waited from the start to the end.
  EXPECT_EQ(rig.desk.calls.front(), "block");
  EXPECT_EQ(rig.desk.calls.back(), "unblock");
}

TEST(GroupDownload, SendsOnlyWhatChanged) {
  TransferRig rig;
  rig.desk.Texts = {"Text A", "Text B", "Text C"};
  rig.Download();

  // Nothing changed: every file is only asked for its checksum, the
  // archives first, and nothing goes over the line.
  rig.Clear();
  auto again = rig.Download();
  EXPECT_TRUE(rig.FilesSent().empty());
  int checksums = 0;
  for (const auto& c : rig.Commands()) checksums += c.rfind("CRC ", 0) == 0;
  EXPECT_EQ(checksums, 3 + 2);
  EXPECT_EQ(again.DownloadDone, again.DownloadTotal);
  EXPECT_EQ(rig.Boxes().back().kind, BoxKind::Success);

  // A changed print text: its archive and those of its files that differ.
  rig.desk.Texts[2] = "Text C2";
  rig.Clear();
  rig.Download();
  EXPECT_EQ(rig.FilesSent(), (std::vector<std::string>{"PC\\003.Z23", "003\\BS.R23", "003\\DT.PAM"}));

  // Only a printer file of a print text changed (a date layer that became
  // dynamic): its archive changes with it, so the print text goes again.
  rig.desk.DatedTexts = {1};
  rig.Clear();
  rig.Download();
  EXPECT_EQ(rig.FilesSent(), (std::vector<std::string>{"PC\\001.Z23", "001\\D2.PAM", "001\\D2.R23"}));
}

TEST(GroupDownload, AnUnchangedArchiveSkipsItsPrintTextsFiles) {
  TransferRig rig;
  rig.desk.Texts = {"Text A", "Text B"};
  rig.Download();
  // The printer's copy of a file of print text 1 differs; its archive does
  // not, so the file is not even compared.
  rig.printer.PutFile("001\\BS.R23", "changed on the printer");
  rig.Clear();
  auto download = rig.Download();
  EXPECT_TRUE(rig.FilesSent().empty());
  for (const auto& c : rig.Commands()) EXPECT_NE(c, "CRC 001\\BS.r23");
  EXPECT_EQ(rig.PrinterFile("001\\BS.R23"), "changed on the printer");
  EXPECT_EQ(download.DownloadDone, 24 * 2 + 5);
}

TEST(GroupDownload, ProtectedDataOnThePrinterIsKeptFromTheUser) {
  struct Case {
    const char* what;
    int mode;
    bool pcProtected;
    std::optional<std::string> printerGroup;  // none: the printer has no group file
    bool typeAsked;
    bool refused;
  };
  const Case cases[] = {
      {"version 8, protection 4", 0, false, threadtest::GroupHeader(8, 4, 2), true, true},
      {"version 9, protection 1", 0, false, threadtest::GroupHeader(9, 1, 2), true, true},
      {"version 9, nothing protected", 0, false, threadtest::GroupHeader(9, 0, 2), true, false},
      {"version 7 knows no protection", 0, false, threadtest::GroupHeader(7, 4, 2), true, false},
      {"no group file on the printer", 0, false, std::nullopt, true, false},
      {"a group file cut short", 0, false, std::string("00000009\r\n4\r\n"), true, false},
      {"the PC's data protects itself", 0, true, threadtest::GroupHeader(9, 4, 2), false, false},
      {"administrator", 1, false, threadtest::GroupHeader(9, 4, 2), false, false},
      {"operating mode unknown", -1, false, threadtest::GroupHeader(9, 4, 2), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.desk.Texts = {"Text A"};
    rig.desk.OperatingMode = c.mode;
    rig.desk.Protected = c.pcProtected;
    if (c.printerGroup) rig.printer.PutFile("PC\\GP.G23", *c.printerGroup);
    auto download = rig.Download();
    const auto commands = PlainCommands(rig.Commands());
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "TYPE PC\\GP.g23"), c.typeAsked ? 1 : 0);
    const auto box = rig.Boxes().back();
    if (c.refused) {
      EXPECT_EQ(download.DownloadResult, kDownloadProtected);
      EXPECT_EQ(box.kind, BoxKind::Failure);
      EXPECT_EQ(box.text, MessageText::Of(CatalogueText::PrinterProtection));
      EXPECT_EQ(box.title, kTitle);
      EXPECT_EQ(rig.desk.Calls("write"), 0);  // nothing built, nothing sent
      EXPECT_TRUE(rig.FilesSent().empty());
      EXPECT_EQ(commands.back(), "STATUS 40 ZAMFI");
      EXPECT_EQ(rig.printer.State(), 40);
    } else {
      EXPECT_EQ(box.kind, BoxKind::Success);
    }
  }
}

TEST(GroupDownload, EveryFailureEndsWithItsMessageAndThePrinterAtLevel40) {
  using printeremu::FaultPoint;
  struct Case {
    const char* what;
    std::function<void(TransferRig&)> arrange;
    BoxKind box;
    CatalogueText text;
    bool maxDtZeroSent;
  };
  const Case cases[] = {
      {"the file set cannot be built", [](TransferRig& r) { r.desk.BuildResult = -1; }, BoxKind::Failure,
       CatalogueText::DoneFailed, false},
      {"a file the set always holds is missing", [](TransferRig& r) { r.desk.LeaveOut = {"002/BS.u23"}; },
       BoxKind::Failure, CatalogueText::DoneFailed, true},
      {"an archive cannot be packed", [](TransferRig& r) { r.desk.PackResult = -21; }, BoxKind::Failure,
       CatalogueText::DoneFailed, true},
      {"the printer refuses a file",
       [](TransferRig& r) {
         r.printer.AddFault(printeremu::ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 1", 3));
       },
       BoxKind::Failure, CatalogueText::DoneFailed, true},
      {"no reply to the protection check",
       [](TransferRig& r) {
         r.printer.AddFault(
             printeremu::ActionFault("TYPE", FaultPoint::CommandReply, printeremu::FaultAction::Silence));
       },
       BoxKind::Failure, CatalogueText::DoneFailed, false},
      {"\"MAXDT 0\" refused",
       [](TransferRig& r) {
         r.printer.AddFault(printeremu::ReplyFault("MAXDT", FaultPoint::CommandReply, "Fehler 1"));
       },
       BoxKind::NotSupported, CatalogueText::DoneFailed, true},
      {"\"STATUS 30 ZAMFI\" refused",
       [](TransferRig& r) {
         r.printer.AddFault(printeremu::ReplyFault("STATUS", FaultPoint::CommandReply, "Fehler 1"));
       },
       BoxKind::NotSupported, CatalogueText::DoneFailed, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.desk.Texts = {"Text A", "Text B", "Text C"};
    c.arrange(rig);
    rig.Download();
    const auto boxes = rig.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().kind, c.box);
    EXPECT_EQ(boxes.back().text, MessageText::Of(c.text));
    EXPECT_EQ(boxes.back().title, kTitle);
    const auto commands = PlainCommands(rig.Commands());
    EXPECT_EQ(commands.back(), "STATUS 40 ZAMFI");
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "MAXDT 0"), c.maxDtZeroSent ? 1 : 0);
    // The printer is left without print data rather than with half of it.
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "MAXDT 3"), 0);
    EXPECT_EQ(rig.printer.State(), 40);
    EXPECT_EQ(rig.desk.calls.back(), "unblock");
  }
}

TEST(GroupDownload, NoOpenDataIsRefusedWithoutAsking) {
  TransferRig rig;
  auto download = rig.Download();
  EXPECT_EQ(rig.Commands(), std::vector<std::string>{"STATUS 40 ZAMFI"});
  const auto boxes = rig.Boxes();
  ASSERT_EQ(boxes.size(), 1u);  // no busy box before the red one
  EXPECT_EQ(boxes[0].kind, BoxKind::Failure);
  EXPECT_EQ(boxes[0].text, MessageText::Of(CatalogueText::DoneFailed));
  EXPECT_EQ(download.DownloadTotal, 0);
}

TEST(GroupDownload, NinetyNinePrintTextsGoToThePrinterAndComeBackEqual) {
  TransferRig rig;
  for (int i = 1; i <= 99; ++i) rig.desk.Texts.push_back("Print text " + std::to_string(i));
  const auto sentTexts = rig.desk.Texts;
  auto download = rig.Download();
  EXPECT_EQ(download.DownloadTotal, 2381);
  EXPECT_EQ(download.DownloadDone, 2381);
  const auto boxes = rig.Boxes();
  ASSERT_GE(boxes.size(), 2u);
  EXPECT_EQ(boxes[boxes.size() - 2].text, MessageText::Of(CatalogueText::Running, " 100 %"));
  EXPECT_EQ(boxes.back().kind, BoxKind::Success);
  EXPECT_EQ(rig.printer.Setting("DT"), "1 99");

  rig.Clear();
  auto upload = rig.Upload();
  EXPECT_EQ(upload.DtCount, 99);
  EXPECT_EQ(upload.UploadDone, 2 * 99 + 3);
  EXPECT_EQ(rig.Boxes().back().kind, BoxKind::Success);
  EXPECT_EQ(rig.desk.loadedTexts, sentTexts);
}

TEST(GroupDownload, ThePrinterThreadRunsTheTransferItIsGiven) {
  threadtest::ThreadRig thread;
  testsupport::TempDir tmp;
  threadtest::FakeDesk desk;
  desk.Texts = {"Text A", "Text B"};
  PrintDataTransfer transfer(desk, tmp.path() + "/");
  thread.env.groupTransfer = &transfer;
  thread.Start();
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return thread.Connected(); }));
  thread.requests.DownloadGroup.Raise({"Daten speichern"});
  ASSERT_TRUE(threadtest::ThreadRig::Until(
      [&] {
        auto boxes = thread.messenger.Boxes();
        return !boxes.empty() && boxes.back().kind == BoxKind::Success;
      },
      30000));
  EXPECT_EQ(thread.messenger.Boxes().back().title, kTitle);
  EXPECT_EQ(thread.printer->File("PC\\GP.N23").value_or(""), "Eier\n");
  EXPECT_EQ(thread.printer->Setting("DT"), "1 2");
}
