// Opening the printer's print data on the PC, against the emulator.
#include <gtest/gtest.h>

#include <filesystem>

#include "TransferRig.h"
#include "platform/FileIO.h"
#include "printerlink/thread/PrintDataFiles.h"

using namespace printerthread;
using threadtest::FakeArchive;
using threadtest::GroupHeader;
using threadtest::TransferRig;

namespace {

const std::string kTitle = "Printer - Daten \366ffnen";  // Windows-1252

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// The printer holds `texts` as data of group-file version `version` under
// `title`, named as that version names its files.
void PutPrinterData(TransferRig& rig, unsigned version, const std::string& title,
                    const std::vector<std::string>& texts) {
  const std::string base = version >= 8 ? "GP" : title;
  rig.printer.PutFile("PC\\GP.N23", title + "\n");
  rig.printer.PutFile("PC\\GP.G23", GroupHeader(version, 0, static_cast<int>(texts.size())));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string number = printerthread::Number3(static_cast<int>(i + 1));
    rig.printer.PutFile("PC\\" + number + ".Z23", FakeArchive(base + "_" + number + ".j23", texts[i]));
  }
  rig.printer.SetSetting("DT", "1 " + std::to_string(texts.size()));
}

}  // namespace

TEST(GroupUpload, FetchesUnpacksAndOpensThePrintersDataAsNewData) {
  TransferRig rig;
  rig.desk.Texts = {"Text A", "Text B", "Text C"};
  rig.Download();  // what the printer holds, written as this program writes it
  rig.desk.Texts = {"Something else"};
  rig.Clear();

  auto upload = rig.Upload();
  // The count is asked anew, so a download just before counts.
  EXPECT_EQ(rig.Commands().front(), "DT");
  EXPECT_EQ(upload.DtCount, 3);
  EXPECT_EQ(upload.PrinterGroupVersion, 9);
  EXPECT_EQ(upload.UploadTotal, 9);
  EXPECT_EQ(upload.UploadDone, 9);
  for (const char* name : {"GP.n23", "GP_001.z23", "GP_002.z23", "GP_003.z23", "GP.g23", "GP_003.j23"})
    EXPECT_TRUE(Exists(rig.Local(std::string("UPLOAD/") + name))) << name;
  // Closed before the printer is raised to the settings level; loaded as
  // the last step.
  EXPECT_EQ(rig.desk.calls,
            (std::vector<std::string>{"block", "close", "title", "unpack", "unpack", "unpack", "load", "unblock"}));
  EXPECT_EQ(rig.desk.titles, std::vector<std::string>{"Eier"});
  EXPECT_EQ(rig.desk.loadedFrom, rig.Local("UPLOAD/GP.g23"));
  EXPECT_EQ(rig.desk.loadedTexts, (std::vector<std::string>{"Text A", "Text B", "Text C"}));
  const auto boxes = rig.Boxes();
  EXPECT_EQ(boxes.back().kind, BoxKind::Success);
  EXPECT_EQ(boxes.back().text, MessageText::Of(CatalogueText::DoneOk));
  EXPECT_EQ(boxes[boxes.size() - 2].text, MessageText::Of(CatalogueText::Running, " 100 %"));
  for (const auto& box : boxes) EXPECT_EQ(box.title, kTitle);
  auto commands = rig.Commands();
  EXPECT_EQ(commands.back(), "STATUS 40 ZAMFI");
  EXPECT_EQ(rig.printer.State(), 40);

  // Again: the local copies are still equal, nothing is fetched, but the
  // print texts are unpacked anew.
  rig.Clear();
  rig.Upload();
  for (const auto& c : rig.Commands()) EXPECT_NE(c.rfind("UPLOADS ", 0), 0u) << c;
  EXPECT_EQ(rig.desk.Calls("unpack"), 3);
  EXPECT_EQ(rig.desk.loadedTexts.size(), 3u);
  EXPECT_EQ(rig.Boxes().back().kind, BoxKind::Success);
}

TEST(GroupUpload, OlderGroupFilesNameTheirFilesAfterTheTitle) {
  TransferRig rig;
  PutPrinterData(rig, 7, "Alte Eier", {"A", "B"});
  auto upload = rig.Upload();
  EXPECT_EQ(upload.PrinterGroupVersion, 7);
  for (const char* name : {"Alte Eier_001.z23", "Alte Eier_002.z23", "Alte Eier.g23"})
    EXPECT_TRUE(Exists(rig.Local(std::string("UPLOAD/") + name))) << name;
  EXPECT_EQ(rig.desk.loadedFrom, rig.Local("UPLOAD/Alte Eier.g23"));
  EXPECT_EQ(rig.desk.loadedTexts, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(rig.Boxes().back().kind, BoxKind::Success);
}

TEST(GroupUpload, ATitleOnlyShownMayHoldAnything) {
  // Version 9 names nothing after the title: the caption keeps it whole,
  // also when it is empty.
  for (const std::string title : {"../Eier/\x01", ""}) {
    TransferRig rig;
    PutPrinterData(rig, 9, title, {"A"});
    rig.Upload();
    EXPECT_EQ(rig.desk.titles, std::vector<std::string>{title});
    EXPECT_EQ(rig.Boxes().back().kind, BoxKind::Success);
  }
}

TEST(GroupUpload, NothingOnThePrinterKeepsThePcsData) {
  for (const char* dt : {"1 0", "0 -1"}) {
    SCOPED_TRACE(dt);
    TransferRig rig;
    rig.desk.Texts = {"Mine"};
    rig.printer.SetSetting("DT", dt);
    rig.Upload();
    EXPECT_EQ(rig.Commands(), (std::vector<std::string>{"DT", "STATUS 40 ZAMFI"}));
    EXPECT_EQ(rig.desk.Calls("close"), 0);
    EXPECT_EQ(rig.desk.Texts, std::vector<std::string>{"Mine"});
    const auto boxes = rig.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Success);  // green, not red
    EXPECT_EQ(boxes[0].text, MessageText::Of(CatalogueText::NoData));
    EXPECT_EQ(boxes[0].title, kTitle);
  }
}

TEST(GroupUpload, EveryFailureEndsRedWithThePrinterAtLevel40) {
  using printeremu::FaultPoint;
  struct Case {
    const char* what;
    std::function<void(TransferRig&)> arrange;
    bool closed;  // the PC's data was closed
  };
  const Case cases[] = {
      {"more than 99 print texts", [](TransferRig& r) { r.printer.SetSetting("DT", "1 100"); }, false},
      {"no answer to \"DT\"",
       [](TransferRig& r) {
         r.printer.AddFault(printeremu::ActionFault("DT", FaultPoint::CommandReply, printeremu::FaultAction::Silence));
       },
       false},
      {"\"DT\" refused",
       [](TransferRig& r) { r.printer.AddFault(printeremu::ReplyFault("DT", FaultPoint::CommandReply, "Fehler 1")); },
       false},
      {"group file version 5", [](TransferRig& r) { r.printer.PutFile("PC\\GP.G23", GroupHeader(5, 0, 2)); }, true},
      {"group file version 10", [](TransferRig& r) { r.printer.PutFile("PC\\GP.G23", GroupHeader(10, 0, 2)); }, true},
      {"no group file", [](TransferRig& r) { r.printer.RemoveFile("PC\\GP.G23"); }, true},
      {"the title file cannot be fetched",
       [](TransferRig& r) {
         r.printer.AddFault(printeremu::ReplyFault("UPLOADS", FaultPoint::CommandReply, "Fehler 1"));
       },
       true},
      {"an archive is missing", [](TransferRig& r) { r.printer.RemoveFile("PC\\002.Z23"); }, true},
      {"an archive reaching out of its folder",
       [](TransferRig& r) { r.printer.PutFile("PC\\001.Z23", FakeArchive("../GP_001.j23", "outside")); }, true},
      {"an archive without the print text it stands for",
       [](TransferRig& r) {
         // A file of that name from an earlier upload must not pass for it.
         std::filesystem::create_directories(r.Local("UPLOAD"));
         ASSERT_TRUE(platform::WriteFileDirect(r.Local("UPLOAD/GP_002.j23"), "stale"));
         r.printer.PutFile("PC\\002.Z23", FakeArchive("GP_003.j23", "B"));
       },
       true},
      {"older data whose title is a path",
       [](TransferRig& r) {
         PutPrinterData(r, 7, "../Eier", {"A", "B"});
       },
       true},
      {"older data without a title",
       [](TransferRig& r) {
         PutPrinterData(r, 6, "", {"A", "B"});
       },
       true},
      {"older data whose title holds a control character",
       [](TransferRig& r) {
         PutPrinterData(r, 7, "Eier\x81", {"A", "B"});
       },
       true},
      {"older data whose title is too long for a file name",
       [](TransferRig& r) {
         PutPrinterData(r, 7, std::string(250, 'E'), {"A", "B"});
       },
       true},
      {"the group cannot be read", [](TransferRig& r) { r.desk.loadEnd = GroupLoadEnd::Failed; }, true},
      {"print texts of the group cannot be read", [](TransferRig& r) { r.desk.loadEnd = GroupLoadEnd::Incomplete; },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TransferRig rig;
    rig.desk.Texts = {"Mine"};
    PutPrinterData(rig, 9, "Eier", {"A", "B"});
    c.arrange(rig);
    rig.Upload();
    const auto boxes = rig.Boxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().kind, BoxKind::Failure);
    EXPECT_EQ(boxes.back().text, MessageText::Of(CatalogueText::DoneFailed));
    EXPECT_EQ(boxes.back().title, kTitle);
    EXPECT_EQ(rig.Commands().back(), "STATUS 40 ZAMFI");
    EXPECT_EQ(rig.printer.State(), 40);
    EXPECT_EQ(rig.desk.Calls("close"), c.closed ? 1 : 0);
    EXPECT_FALSE(Exists(rig.Local("GP_001.j23")));  // nothing written beside UPLOAD
    EXPECT_EQ(rig.desk.calls.back(), "unblock");
  }
}
