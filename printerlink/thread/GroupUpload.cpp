#include "printerlink/thread/GroupUpload.h"

#include <filesystem>

#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "printerlink/PortState.h"
#include "printerlink/SyncFiles.h"
#include "printerlink/thread/InputHold.h"
#include "printerlink/thread/PrintDataFiles.h"
#include "printerlink/thread/ReplyScan.h"
#include "printerlink/thread/TransferProgress.h"

namespace printerthread {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxTitle = 999;

// The first line of a file: its bytes up to the first CR or LF, at most
// 999 of them; nothing when the file cannot be read.
std::optional<std::string> ReadFirstLine(const std::string& path) {
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes.ok()) return std::nullopt;
  return FirstLine(*bytes).substr(0, kMaxTitle);
}

}  // namespace

GroupUpload::GroupUpload(PrinterSession& session, PrintDataDesk& desk, std::string tmpDir)
    : session_(session), desk_(desk), tmpDir_(std::move(tmpDir)) {}

void GroupUpload::Progress() {
  ++UploadDone;
  session_.BoxText = ProgressText(UploadDone, UploadTotal);
  session_.ShowBusyMessage();
}

void GroupUpload::FailureEnding() { session_.EndTransfer(CatalogueText::DoneFailed); }

// No data on the printer is no fault: the box is green.
void GroupUpload::NoDataEnding() { session_.EndTransfer(CatalogueText::NoData, false); }

int GroupUpload::FetchFile(const std::string& local, const std::string& printerName) {
  printerlink::ComLockGuard lock;
  return printerlink::SyncFromPrinter(local, printerName, false);
}

void GroupUpload::UploadGroup(const UploadGroupRequest& request) {
  std::string caption;
  InputHold hold(session_, desk_);
  session_.Synchronize([&] { caption = desk_.PrinterCaption(); });
  session_.BoxTitle = caption + " - " + request.Title;
  // Asked now rather than taken from the last poll, which may be a minute
  // old: a download just before would not be counted yet. A printer that
  // does not answer has not said that it holds nothing.
  const std::optional<int> asked = AskDtCount();
  if (!asked) {
    FailureEnding();
    return;
  }
  DtCount = *asked;
  const int n = DtCount;
  if (n < 1) {
    NoDataEnding();  // the PC's data stays open
    return;
  }
  if (n > kMaxPrinterTexts) {
    FailureEnding();
    return;
  }
  UploadTotal = 2 * n + 3;
  UploadDone = 0;
  session_.BoxText = ProgressText(0, UploadTotal);
  session_.ShowBusyMessage();
  session_.Sleep(1000);
  Progress();
  // Closed before the printer is raised to the settings level, and closed
  // it stays whatever happens later.
  session_.Synchronize([&] { desk_.CloseOpenData(); });

  if (!session_.EnterSettingsLevel()) return;

  UploadResult = QueryGroupFileVersion();
  if (UploadResult != 1) {
    FailureEnding();
    return;
  }
  UploadResult = UploadGroupFiles(n);
  if (UploadResult != 1) {
    FailureEnding();
    return;
  }
  if (session_.SendChecked("STATUS 40 ZAMFI", kCommandMs) != 1) return;

  GroupLoadEnd loaded = GroupLoadEnd::Failed;
  if (auto base = LocalBaseName()) {
    const std::string groupFile = UploadDir(tmpDir_) + *base + ".g23";
    session_.Synchronize([&] { loaded = desk_.LoadGroup(groupFile, [this] { Progress(); }); });
  }
  // A group that could not be read, or read only in part, is no success.
  if (loaded != GroupLoadEnd::Loaded) {
    FailureEnding();
    return;
  }
  session_.BoxText = MessageText::Of(CatalogueText::DoneOk);
  session_.ShowSuccess();
}

std::optional<int> GroupUpload::AskDtCount() {
  const Reply reply = session_.Query("DT");
  if (!reply.ok()) return std::nullopt;
  auto values = ScanIntegers<2>(reply.text);
  if (!values) return std::nullopt;
  return (*values)[1];
}

int GroupUpload::QueryGroupFileVersion() {
  PrinterGroupVersion = 0;
  std::string reply;
  const int asked = session_.AskPrinter(kTypeGroupFile, reply, 5000);
  if (asked == 0) return 0;
  if (asked < 0) return -1;
  auto version = ScanHexWord(reply);
  if (!version) return -1;
  PrinterGroupVersion = static_cast<int>(*version);
  return 1;
}

std::optional<std::string> UploadBaseName(int version, std::string_view title) {
  if (version == 8 || version == 9) return std::string("GP");
  if (version != 6 && version != 7) return std::nullopt;
  // The title comes from the printer: it becomes part of a path only as one
  // plain name.
  const std::string name = platform::Cp1252ToUtf8(title);
  if (!platform::IsPlainFileName(name) || !platform::IsPlainFileName(name + "_099.z23")) return std::nullopt;
  return name;
}

std::optional<std::string> GroupUpload::LocalBaseName() const { return UploadBaseName(PrinterGroupVersion, Title); }

int GroupUpload::UploadGroupFiles(int n) {
  try {
    const std::string dir = UploadDir(tmpDir_);
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) return -1;
    if (n < 1 || n > kMaxPrinterTexts) return -1;

    Progress();
    const std::string titleFile = dir + "GP.n23";
    if (FetchFile(titleFile, kPrinterTitleFile) != 0) return -1;
    auto title = ReadFirstLine(titleFile);
    if (!title) return -1;
    Title = *title;
    session_.Synchronize([&] { desk_.ShowTitle(Title); });

    auto base = LocalBaseName();
    if (!base) return -1;
    // Print-text files left from an earlier upload must not pass for the
    // printer's: every one of this name goes before anything is unpacked.
    for (int i = 1; i <= kMaxPrinterTexts; ++i) fs::remove(dir + *base + "_" + Number3(i) + ".j23", ec);

    for (int i = 1; i <= n; ++i) {
      if (session_.Terminated()) return -2;
      Progress();
      const std::string archive = dir + *base + "_" + Number3(i) + ".z23";
      if (FetchFile(archive, PrinterArchiveName(i)) != 0) return -1;
      int unpacked = -1;
      session_.Synchronize([&] { unpacked = desk_.UnpackArchive(archive, dir); });
      if (unpacked != 0) return -1;
      if (!fs::is_regular_file(dir + *base + "_" + Number3(i) + ".j23", ec)) return -1;
    }
    Progress();
    if (FetchFile(dir + *base + ".g23", kPrinterGroupFile) != 0) return -1;
    return 1;
  } catch (...) {
    return -2;
  }
}

}  // namespace printerthread
