// The configuration file's sequences and the console's, against the
// printer emulator on a pseudo-terminal: backup, restore, the editor's
// fetch and store, the console's words, and what becomes of requests the
// lost link took with it.
#include <gtest/gtest.h>

#include <mutex>

#include "ScriptedLink.h"
#include "ThreadRig.h"
#include "TransferRig.h"
#include "platform/FileIO.h"
#include "printerlink/thread/AbandonServiceRequests.h"
#include "printerlink/thread/ConsoleLine.h"
#include "printerlink/thread/FirmwareBoxes.h"
#include "printerlink/thread/FirmwareInstallView.h"
#include "printerlink/thread/ServiceTools.h"
#include "support/FileBytes.h"

using namespace printerthread;
using printeremu::FaultPoint;
using printeremu::ReplyFault;
using Lines = std::vector<std::string>;

namespace {

// A configuration as the printer keeps it: Windows-1252, CR LF, a line
// without its end last.
const std::string kConfig = "[Drucker]\r\nName=Eierstempel H\xF6he 3\r\nDPI=300\r\n\r\n; \x80 Ende\r\nX=1";
const std::string kNewConfig = "[Drucker]\r\nName=Neu \xE9t\xE9\r\nDPI=600\r\n";

// The console's and the editor's windows as the sequences drive them.
class RecordingServiceDesk final : public ServiceDesk {
 public:
  void LockConsoleInput() override { Note("lock"); }
  void ShowConsoleAnswer(const std::string& reply) override { Note("answer " + reply); }
  void AddConsoleHistory(const std::string& command) override { Note("history " + command); }
  void UnlockConsoleInput() override { Note("unlock"); }
  void ShowLineTooLong() override { Note("too long"); }
  void OpenFirmwareInstaller() override { Note("installer"); }
  void OpenConfigEditor() override { Note("editor"); }
  void ShowConfigFetchFailed() override { Note("fetch failed"); }
  void ShowConfigStored() override { Note("stored"); }
  void ShowConfigStoreFailed() override { Note("store failed"); }

  Lines Steps() const {
    std::lock_guard lock(mutex_);
    return steps_;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    steps_.clear();
  }

 private:
  void Note(std::string s) {
    std::lock_guard lock(mutex_);
    steps_.push_back(std::move(s));
  }
  mutable std::mutex mutex_;
  Lines steps_;
};

class ServiceRig : public threadtest::TransferRig {
 public:
  ServiceRig() { printer.PutFile(kPrinterConfigFile, kConfig); }

  // The commands but for the transfers' blocks and the level polls.
  Lines Plain() const {
    Lines plain;
    for (const auto& c : Commands())
      if (c.rfind("CRC ", 0) != 0 && c.rfind("DOWNLOADS ", 0) != 0 && c.rfind("UPLOADS ", 0) != 0 && c != "STATUS")
        plain.push_back(c);
    return plain;
  }
  std::vector<BoxKind> BoxKinds() const {
    std::vector<BoxKind> kinds;
    for (const auto& b : Boxes()) kinds.push_back(b.kind);
    return kinds;
  }
  void Console(const std::string& line) { tools.RunConsoleCommand(*session, {"Ausf\xFChren", line}); }

  RecordingServiceDesk serviceDesk;
  RequestBoard board;
  ServiceTools tools{serviceDesk, board, Tmp()};
};

const Lines kReplace = {"ENABLE 0", "STATUS 30 ZAMFI", "DEL SYSTEM\\KONFIG.SYS",
                        "REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS", "RESET"};

}  // namespace

// ---- backup and restore ----

TEST(ConfigBackup, CopiesThePrintersConfigurationByteForByte) {
  ServiceRig rig;
  const std::string target = rig.Local("KONFIG.sys23");
  rig.tools.BackupConfig(*rig.session, {"Steuerung - Sichern", target});
  EXPECT_EQ(testsupport::FileBytes(target), kConfig);
  EXPECT_EQ(rig.Plain(), (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS 40 ZAMFI"}));
  EXPECT_EQ(rig.BoxKinds(), (std::vector<BoxKind>{BoxKind::Busy, BoxKind::Success}));
  EXPECT_EQ(rig.Boxes().back().title, "Steuerung - Sichern");

  // Again into the same file: the printer's copy is equal, nothing moves.
  rig.Clear();
  rig.tools.BackupConfig(*rig.session, {"Steuerung - Sichern", target});
  EXPECT_EQ(rig.BoxKinds(), (std::vector<BoxKind>{BoxKind::Busy, BoxKind::Success}));
  for (const auto& c : rig.Commands()) EXPECT_NE(c.rfind("UPLOADS ", 0), 0u) << c;
}

TEST(ConfigBackup, AFailedFetchEndsRedAtLevelForty) {
  ServiceRig rig;
  rig.printer.RemoveFile(kPrinterConfigFile);
  const std::string target = rig.Local("KONFIG.sys23");
  rig.tools.BackupConfig(*rig.session, {"Steuerung - Sichern", target});
  EXPECT_FALSE(platform::IsFile(target));
  EXPECT_EQ(rig.Plain().back(), "STATUS 40 ZAMFI");
  EXPECT_EQ(rig.BoxKinds().back(), BoxKind::Failure);
  EXPECT_EQ(rig.printer.State(), 40);
}

TEST(ConfigRestore, ReplacesTheConfigurationThroughTheStagingFileAndRestarts) {
  ServiceRig rig;
  const std::string source = rig.Local("neu.sys23");
  ASSERT_TRUE(platform::WriteFileAtomic(source, kNewConfig));
  rig.tools.RestoreConfig(*rig.session, {"Steuerung - Herstellen", source});
  EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kNewConfig);
  EXPECT_EQ(rig.PrinterFile(kPrinterStagingFile), "");
  EXPECT_EQ(rig.Plain(), kReplace);
  EXPECT_EQ(rig.FilesSent(), (Lines{"TMP\\KONFIG.SYS"}));
  EXPECT_EQ(rig.BoxKinds(), (std::vector<BoxKind>{BoxKind::Busy, BoxKind::Success}));
}

TEST(ConfigRestore, AMissingOrEmptyFileNeverTakesTheConfigurationsPlace) {
  for (const char* name : {"fehlt.sys23", "leer.sys23"}) {
    SCOPED_TRACE(name);
    ServiceRig rig;
    ASSERT_TRUE(platform::WriteFileAtomic(rig.Local("leer.sys23"), ""));
    rig.printer.SetState(50);  // printing: it is not stopped for nothing
    rig.tools.RestoreConfig(*rig.session, {"Steuerung - Herstellen", rig.Local(name)});
    EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kConfig);
    EXPECT_EQ(rig.Commands(), Lines{});
    EXPECT_EQ(rig.printer.State(), 50);
    EXPECT_EQ(rig.BoxKinds(), (std::vector<BoxKind>{BoxKind::Busy, BoxKind::Failure}));
  }
}

TEST(ConfigRestore, AFailingReplaceStepStopsTheRestAndEndsRed) {
  struct Case {
    const char* command;
    Lines sent;  // after the staging transfer
    std::string config;
  };
  const Case cases[] = {
      {"DEL", {"DEL SYSTEM\\KONFIG.SYS", "STATUS 40 ZAMFI", "STATUS 40 ZAMFI"}, kConfig},
      {"REN",
       {"DEL SYSTEM\\KONFIG.SYS", "REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS", "STATUS 40 ZAMFI", "STATUS 40 ZAMFI"},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ServiceRig rig;
    const std::string source = rig.Local("neu.sys23");
    ASSERT_TRUE(platform::WriteFileAtomic(source, kNewConfig));
    rig.printer.AddFault(ReplyFault(c.command, FaultPoint::CommandReply, "Fehler 1"));
    rig.tools.RestoreConfig(*rig.session, {"Steuerung - Herstellen", source});
    Lines expected{"ENABLE 0", "STATUS 30 ZAMFI"};
    expected.insert(expected.end(), c.sent.begin(), c.sent.end());
    EXPECT_EQ(rig.Plain(), expected);
    EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), c.config);
    EXPECT_EQ(rig.BoxKinds().back(), BoxKind::Failure);
  }
}

// ---- the editor's fetch and store ----

TEST(ConfigEditorSequences, FetchAndStoreCarryTheFileByteForByte) {
  ServiceRig rig;
  rig.tools.FetchConfigForEditor(*rig.session, {"Ausf\xFChren"});
  EXPECT_EQ(testsupport::FileBytes(rig.tools.WorkCopy()), kConfig);
  EXPECT_EQ(rig.Plain(), (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "STATUS 40 ZAMFI"}));
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"editor"});

  rig.Clear();
  rig.serviceDesk.Clear();
  ASSERT_TRUE(platform::WriteFileAtomic(rig.tools.WorkCopy(), kNewConfig));
  rig.tools.StoreConfigFromEditor(*rig.session, {""});
  EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kNewConfig);
  EXPECT_EQ(rig.Plain(), kReplace);
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"stored"});
  // No box of the message window: the editor reports.
  EXPECT_EQ(rig.Boxes().size(), 0u);
}

TEST(ConfigEditorSequences, AFetchThatFailsFreesTheConsoleWithItsNotice) {
  ServiceRig rig;
  rig.printer.RemoveFile(kPrinterConfigFile);
  rig.tools.FetchConfigForEditor(*rig.session, {"Ausf\xFChren"});
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"fetch failed"});
  EXPECT_EQ(rig.Plain().back(), "STATUS 40 ZAMFI");
}

TEST(ConfigEditorSequences, AStoreWhoseDelOrRenFailedSendsNoResetAndReportsTheFailure) {
  for (const char* word : {"DEL", "REN"}) {
    SCOPED_TRACE(word);
    ServiceRig rig;
    ASSERT_TRUE(platform::WriteFileAtomic(rig.tools.WorkCopy(), kNewConfig));
    rig.printer.AddFault(ReplyFault(word, FaultPoint::CommandReply, "Fehler 1"));
    rig.tools.StoreConfigFromEditor(*rig.session, {""});
    const Lines sent = rig.Plain();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "RESET"), 0);
    EXPECT_EQ(sent.back(), "STATUS 40 ZAMFI");
    EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"store failed"});
    EXPECT_EQ(rig.printer.State(), 40);
  }
}

TEST(ConfigEditorSequences, AFailedTransferReplacesNothingButRestarts) {
  ServiceRig rig;
  ASSERT_TRUE(platform::WriteFileAtomic(rig.tools.WorkCopy(), kNewConfig));
  rig.printer.AddFault(ReplyFault("DOWNLOADS", FaultPoint::CommandReply, "Fehler 2", 0, -1));
  rig.tools.StoreConfigFromEditor(*rig.session, {""});
  EXPECT_EQ(rig.Plain(), (Lines{"ENABLE 0", "STATUS 30 ZAMFI", "RESET"}));
  EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kConfig);
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"store failed"});
}

TEST(ConfigEditorSequences, AnEmptyOrMissingWorkCopyIsNeverSent) {
  for (bool empty : {true, false}) {
    SCOPED_TRACE(empty);
    ServiceRig rig;
    if (empty) {
      ASSERT_TRUE(platform::WriteFileAtomic(rig.tools.WorkCopy(), ""));
    }
    rig.tools.StoreConfigFromEditor(*rig.session, {""});
    EXPECT_EQ(rig.Commands(), Lines{});
    EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kConfig);
    EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"store failed"});
  }
}

TEST(ConfigEditorSequences, AStoreWithoutThePrinterGivesTheEditorBack) {
  ServiceRig rig;
  ASSERT_TRUE(platform::WriteFileAtomic(rig.tools.WorkCopy(), kNewConfig));
  rig.printer.SetSilent(true);
  rig.tools.StoreConfigFromEditor(*rig.session, {""});
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"store failed"});
  EXPECT_EQ(rig.BoxKinds(), std::vector<BoxKind>{BoxKind::Failure});
}

// ---- the console ----

TEST(Console, WordsAndCommandsAsTheLineAsks) {
  const std::string longest(kMaxThreadCommand - 5, 'A');
  struct Case {
    std::string line;
    Lines steps;
    Lines sent;
  };
  const Case cases[] = {
      {"", {}, {}},
      {" \t", {}, {}},
      {"  CLS \r\n", {"lock", "unlock"}, {}},
      {"INFO.SYSTEM", {"lock", "answer 23", "history INFO.SYSTEM", "unlock"}, {"INFO.SYSTEM"}},
      {" INFO.SYSTEM  ", {"lock", "answer 23", "history INFO.SYSTEM", "unlock"}, {"INFO.SYSTEM"}},
      {"GIBTS.NICHT", {"lock", "answer Fehler Syntax", "unlock"}, {"GIBTS.NICHT"}},
      {"ECHO " + longest, {"lock", "answer Fehler Syntax", "unlock"}, {"ECHO " + longest}},
      {"ECHO " + longest + "X", {"lock", "too long", "unlock"}, {}},
      {"TARVIK23.FIRMWAREINSTALLER", {"lock", "installer"}, {}},
      {"tarvik23.firmwareinstaller", {"lock", "answer Fehler Syntax", "unlock"}, {"tarvik23.firmwareinstaller"}},
  };
  ServiceRig rig;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    rig.Clear();
    rig.serviceDesk.Clear();
    rig.Console(c.line);
    EXPECT_EQ(rig.serviceDesk.Steps(), c.steps);
    EXPECT_EQ(rig.Commands(), c.sent);
  }
  EXPECT_EQ(rig.PrinterFile(kPrinterConfigFile), kConfig);
}

TEST(Console, FormatAloneWaitsThirtySeconds) {
  struct TimedLink final : CommandLink {
    std::vector<std::uint32_t> times;
    int Exchange(std::string_view, std::string& reply, std::uint32_t t, std::size_t) override {
      times.push_back(t);
      reply.clear();
      return 0;
    }
  };
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"FORMAT", kFormatReplyMs}, {" FORMAT ", kFormatReplyMs}, {"FORMAT 1", kConsoleReplyMs},
      {"FORMAT (-> MAINUNIT50)", kConsoleReplyMs}, {"INFO", kConsoleReplyMs}};
  for (const auto& [line, t] : cases) {
    SCOPED_TRACE(line);
    testsupport::ScopedFakeTime time;  // the console's pause passes at once
    TimedLink link;
    PrinterSession session(link, nullptr, [] { return false; });
    RecordingServiceDesk desk;
    RequestBoard board;
    ServiceTools tools(desk, board, "/nowhere/");
    tools.RunConsoleCommand(session, {"", line});
    EXPECT_EQ(link.times, std::vector<std::uint32_t>{t});
  }
}

TEST(Console, EditKonfigLeavesTheConsoleLockedForTheFetchThatFollows) {
  ServiceRig rig;
  rig.Console("EDIT.KONFIG");
  EXPECT_EQ(rig.serviceDesk.Steps(), Lines{"lock"});
  EXPECT_EQ(rig.Commands(), Lines{});
  auto fetch = rig.board.FetchConfig.Take();
  ASSERT_TRUE(fetch);
  rig.tools.FetchConfigForEditor(*rig.session, *fetch);
  EXPECT_EQ(rig.serviceDesk.Steps(), (Lines{"lock", "editor"}));
  EXPECT_EQ(testsupport::FileBytes(rig.tools.WorkCopy()), kConfig);
}

TEST(Console, WithoutThePrinterTheAnswerSaysSoAndNothingIsKept) {
  ServiceRig rig;
  rig.printer.SetSilent(true);
  rig.Console("INFO");
  EXPECT_EQ(rig.serviceDesk.Steps(), (Lines{"lock", std::string("answer ") + kNoConnectionText, "unlock"}));
}

// ---- requests the lost link took with it ----

TEST(AbandonedRequests, AreDroppedUnsentAndTheirWindowsGivenBack) {
  ServiceRig rig;
  rig.board.BackupConfig.Raise({"Steuerung - Sichern", rig.Local("a.sys23")});
  rig.board.RestoreConfig.Raise({"Steuerung - Herstellen", rig.Local("b.sys23")});
  rig.board.ConsoleCommand.Raise({"Ausf\xFChren", "RESET"});
  rig.board.StoreConfig.Raise({""});
  rig.board.FetchConfig.Raise({""});
  rig.board.FirmwareInstall.Raise({"Installieren", -1, nullptr, nullptr});
  rig.board.DownloadGroup.Raise({"Daten speichern"});  // not a service request

  EXPECT_EQ(AbandonServiceRequests(rig.board, rig.tools, *rig.session), 6);
  EXPECT_EQ(rig.Commands(), Lines{});
  EXPECT_EQ(rig.serviceDesk.Steps(), (Lines{"lock", std::string("answer ") + kNoConnectionText, "unlock",
                                            "store failed", "fetch failed"}));
  std::vector<std::string> titles;
  for (const PrinterBox& b : rig.Boxes()) {
    EXPECT_EQ(b.kind, BoxKind::Failure);
    titles.push_back(b.title);
  }
  EXPECT_EQ(titles, (Lines{"Steuerung - Sichern", "Steuerung - Herstellen", "Installieren"}));
  for (bool pending : {rig.board.BackupConfig.Pending(), rig.board.RestoreConfig.Pending(),
                       rig.board.ConsoleCommand.Pending(), rig.board.StoreConfig.Pending(),
                       rig.board.FetchConfig.Pending(), rig.board.FirmwareInstall.Pending()})
    EXPECT_FALSE(pending);
  EXPECT_TRUE(rig.board.DownloadGroup.Pending());
}

namespace {
// The installer's window as the thread sees it: what it was shown.
struct RecordingInstallView : FirmwareInstallView {
  std::vector<int> results;
  void ShowFirmwareProgress(int, int) override {}
  void ShowFirmwareResult(int result) override { results.push_back(result); }
};
}  // namespace

// The installer locks itself when it raises its request; dropped with the
// link, the request gives it back with the box of an installation that
// erased nothing, and no other box.
TEST(AbandonedRequests, AnInstallationDroppedWithTheLinkGivesTheInstallerBack) {
  ServiceRig rig;
  RecordingInstallView view;
  FirmwareInstallRequest request;
  request.Title = "Installieren";
  request.View = &view;
  rig.board.FirmwareInstall.Raise(request);
  EXPECT_EQ(AbandonServiceRequests(rig.board, rig.tools, *rig.session), 1);
  EXPECT_EQ(view.results, std::vector<int>{kFirmwareFailed});
  EXPECT_TRUE(rig.Boxes().empty());
  EXPECT_EQ(rig.Commands(), Lines{});
  EXPECT_FALSE(rig.board.FirmwareInstall.Pending());
}

TEST(AbandonedRequests, ALostLinkGivesTheWindowsBackAndNothingReachesThePrinterThatAnswersNext) {
  threadtest::ThreadRig rig;
  RecordingServiceDesk desk;
  ServiceTools tools(desk, rig.requests, "/nonexistent/");
  rig.env.services = &tools;
  rig.Start();
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return rig.Connected(); }, 30000));

  // The printer stops answering with a console line and a store waiting.
  rig.printer->SetSilent(true);
  rig.requests.ConsoleCommand.Raise({"", "ECHO VERLOREN"});
  rig.requests.StoreConfig.Raise({""});
  auto has = [&](const std::string& step) {
    const Lines steps = desk.Steps();
    return std::find(steps.begin(), steps.end(), step) != steps.end();
  };
  ASSERT_TRUE(threadtest::ThreadRig::Until(
      [&] { return has(std::string("answer ") + kNoConnectionText) && has("store failed") && !rig.Connected(); },
      60000));
  EXPECT_FALSE(rig.requests.ConsoleCommand.Pending());
  EXPECT_FALSE(rig.requests.StoreConfig.Pending());
  // Freed as often as locked.
  const Lines steps = desk.Steps();
  EXPECT_EQ(std::count(steps.begin(), steps.end(), "lock"), std::count(steps.begin(), steps.end(), "unlock"));

  // It answers again: neither request is carried out on it.
  rig.printer->ClearTranscript();
  rig.printer->SetSilent(false);
  ASSERT_TRUE(threadtest::ThreadRig::Until([&] { return rig.Connected(); }, 60000));
  for (const std::string& c : rig.printer->Commands()) {
    EXPECT_NE(c, "ECHO VERLOREN");
    EXPECT_NE(c.rfind("DOWNLOADS ", 0), 0u) << c;
    EXPECT_NE(c, "ENABLE 0");
  }
  rig.Stop();
}
