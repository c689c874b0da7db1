#include "printerlink/thread/GroupDownload.h"

#include "platform/FileIO.h"
#include "printerlink/PortState.h"
#include "printerlink/SyncFiles.h"
#include "printerlink/thread/ArchiveStamp.h"
#include "printerlink/thread/InputHold.h"
#include "printerlink/thread/PrintDataFiles.h"
#include "printerlink/thread/ReplyScan.h"
#include "printerlink/thread/TransferProgress.h"

namespace printerthread {
namespace {

constexpr int kStepsPerText = 24;  // the archive and its 23 files
constexpr int kFilesPerText = 23;

}  // namespace

std::optional<GroupFileHeader> ScanGroupFileHeader(std::string_view text) {
  std::size_t pos = 0;
  auto version = ScanHex(text, pos);
  if (!version) return std::nullopt;
  auto protection = ScanDecimal(text, pos);
  if (!protection) return std::nullopt;
  if (!ScanDecimal(text, pos)) return std::nullopt;
  return GroupFileHeader{*version, *protection};
}

GroupDownload::GroupDownload(PrinterSession& session, PrintDataDesk& desk, std::string tmpDir)
    : session_(session), desk_(desk), tmpDir_(std::move(tmpDir)) {}

void GroupDownload::Progress() {
  ++DownloadDone;
  session_.BoxText = ProgressText(DownloadDone, DownloadTotal);
  session_.ShowBusyMessage();
}

void GroupDownload::FailureEnding() { session_.EndTransfer(CatalogueText::DoneFailed); }

void GroupDownload::ProtectionEnding() { session_.EndTransfer(CatalogueText::PrinterProtection); }

int GroupDownload::SendFile(const std::string& local, const std::string& printerName) {
  printerlink::ComLockGuard lock;
  return printerlink::SyncToPrinter(local, printerName, false);
}

void GroupDownload::DownloadGroup(const DownloadGroupRequest& request) {
  OpenDataFacts facts;
  InputHold hold(session_, desk_);
  session_.Synchronize([&] { facts = desk_.Facts(); });
  session_.BoxTitle = facts.PrinterCaption + " - " + request.Title;
  const int count = facts.Count;
  if (count < 1 || count > kMaxPrinterTexts) {
    FailureEnding();
    return;
  }
  DownloadTotal = kStepsPerText * count + 5;
  DownloadDone = 0;
  session_.BoxText = ProgressText(0, DownloadTotal);
  session_.ShowBusyMessage();
  session_.Sleep(1000);

  // The settings level; a command that fails has sent "STATUS 40 ZAMFI"
  // and shown its own box.
  if (!session_.EnterSettingsLevel()) return;

  DownloadResult = CheckDownloadAllowed(facts);
  if (DownloadResult == kDownloadProtected) {
    ProtectionEnding();
    return;
  }
  if (DownloadResult != kDownloadAllowed) {
    FailureEnding();
    return;
  }
  Progress();
  DownloadResult = WriteDownloadGroupFile(count);
  if (DownloadResult != 1) {
    FailureEnding();
    return;
  }
  // From here until the last file the printer holds no complete data.
  if (session_.SendChecked("MAXDT 0", kMaxDtMs) != 1) return;
  DownloadResult = DownloadGroupFiles(count);
  if (DownloadResult != 1) {
    FailureEnding();
    return;
  }
  if (session_.SendChecked("MAXDT " + std::to_string(count), kMaxDtMs) != 1) return;
  if (session_.SendChecked("STATUS 40 ZAMFI", kCommandMs) != 1) return;
  session_.BoxText = MessageText::Of(CatalogueText::DoneOk);
  session_.ShowSuccess();
}

int GroupDownload::CheckDownloadAllowed(const OpenDataFacts& facts) {
  // Only the user is bound by protection, and data that protects anything
  // itself may replace protected data.
  if (facts.OperatingMode != 0) return kDownloadAllowed;
  if (facts.Protected) return kDownloadAllowed;
  std::string reply;
  const int asked = session_.AskPrinter(kTypeGroupFile, reply, kTypeMs);
  if (asked < 0) return -1;
  if (asked == 0) return kDownloadAllowed;  // no group file on the printer
  // Group files before version 8 hold no protection value.
  auto header = ScanGroupFileHeader(reply);
  if (header && header->version >= 8 && header->protection != 0) return kDownloadProtected;
  return kDownloadAllowed;
}

int GroupDownload::WriteDownloadGroupFile(int count) {
  int result = -2;
  try {
    session_.Synchronize([&] { result = desk_.WriteDownloadFiles(count, tmpDir_); });
  } catch (...) {
    return -2;
  }
  return result;
}

int GroupDownload::DownloadGroupFiles(int count) {
  try {
    const std::string setDir = DownloadDir(tmpDir_);
    const std::string groupDir = DownloadGroupDir(tmpDir_);
    if (!platform::IsFolder(setDir) || !platform::IsFolder(groupDir) || count < 1 || count > kMaxPrinterTexts) return -1;
    Progress();
    Progress();
    for (int k = 1; k <= count; ++k) {
      if (session_.Terminated()) return -2;
      Progress();
      const std::string folder = setDir + Number3(k) + "/";
      const std::string textFile = groupDir + "GP_" + Number3(k) + ".j23";
      const std::string archive = folder + "DT.z23";
      // A file that cannot be stamped only makes its print text go again.
      (void)StampPrintTextFile(textFile, folder, k);
      int packed = -1;
      session_.Synchronize([&] { packed = desk_.PackArchive(textFile, archive); });
      if (packed != 0) return -1;

      const int sent = SendFile(archive, PrinterArchiveName(k));
      if (sent < 0) return -1;
      if (sent == 0) {
        // The printer holds this print text unchanged: none of its files
        // is compared or sent.
        DownloadDone += kFilesPerText;
        continue;
      }
      for (const PrintTextFile& file : PrintTextFiles(k)) {
        if (session_.Terminated()) return -2;
        Progress();
        const std::string local = folder + file.local;
        if (!file.required && !platform::IsFile(local)) continue;
        if (SendFile(local, file.printer) < 0) return -1;
      }
    }
    Progress();
    if (SendFile(groupDir + "GP.g23", kPrinterGroupFile) < 0) return -1;
    Progress();
    if (SendFile(setDir + "GP.n23", kPrinterTitleFile) < 0) return -1;
    return 1;
  } catch (...) {
    return -2;
  }
}

}  // namespace printerthread
