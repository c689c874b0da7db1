#include "app/pc/ProgramBackup.h"

#include <stdio.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/TForm_Main.h"
#include "platform/FileIO.h"
#include "platform/PathText.h"
#include "printdata/FolderTree.h"
#include "printdata/SlotStore.h"

namespace app {
namespace {

namespace fs = std::filesystem;
using platform::IsFolder;
using platform::Status;
using platform::WithoutTrailingSlash;

struct ProgramFolder {
  const char* name;
  std::string BackupFolders::*path;
};

// The folders of a backup, in the order they are copied.
const ProgramFolder kFolders[] = {{"BMP", &BackupFolders::bmp},
                                  {"CONFIG", &BackupFolders::config},
                                  {"SERVICE", &BackupFolders::service},
                                  {"DATA", &BackupFolders::data},
                                  {"DATAEASY", &BackupFolders::dataEasy}};

Status ToolFailed(const printdata::ArchiveTools& tools, const std::string& step, int code) {
  std::string text = step + " failed (" + std::to_string(code) + ")";
  if (const std::string why = tools.LastErrorText(); !why.empty()) text += ": " + why;
  return Status::Fail(text);
}

// Moves (or, across file systems, copies and checks) `from` to a new hidden
// folder beside `target`; its path.
platform::Result<std::string> StageBeside(const std::string& from, const std::string& target) {
  const std::string parent = fs::path(WithoutTrailingSlash(target)).parent_path().string();
  const std::string name = fs::path(WithoutTrailingSlash(target)).filename().string();
  // What an interrupted restore left goes first.
  printdata::RemoveEntriesStartingWith(parent, "." + name + ".restore.");
  auto staged = printdata::MakeUniqueFolder(parent, "." + name + ".restore.");
  if (!staged) return staged.status();
  if (::rename(WithoutTrailingSlash(from).c_str(), staged->c_str()) == 0) return *staged;
  if (errno != EXDEV) {
    (void)printdata::RemoveAll(*staged);
    return Status::Fail("cannot move \"" + from + "\" beside \"" + target + "\"");
  }
  Status copied = printdata::CopyFolderContent(from, *staged);
  if (copied && !printdata::SameFolderContent(from, *staged))
    copied = Status::Fail("the copy of \"" + from + "\" differs from it");
  if (!copied) {
    (void)printdata::RemoveAll(*staged);
    return copied;
  }
  return *staged;
}

}  // namespace

BackupFolders BackupFolders::Of(const TForm_Main& main) {
  return {main.RootDir, main.TmpDir, main.BmpDir, main.ConfigDir, main.ServiceDir, main.DataDir, main.DataEasyDir};
}

Status WriteBackup(printdata::ArchiveTools& tools, const BackupFolders& folders, const std::string& target,
                   const BackupStepHook& hook) {
  const std::string tmp = platform::WithTrailingSlash(folders.tmp);
  printdata::RemoveEntriesStartingWith(tmp, "SICHERN.");
  auto work = printdata::MakeUniqueFolder(tmp, "SICHERN.");
  if (!work) return work.status();
  const std::string staging = *work + "/SICHERN/";
  const std::string zip = *work + "/SICHERN.zip";
  Status result = [&]() -> Status {
    std::error_code ec;
    fs::create_directories(staging, ec);
    if (ec) return Status::Fail("cannot create \"" + staging + "\": " + ec.message());
    for (const ProgramFolder& f : kFolders) {
      const std::string& path = folders.*(f.path);
      if (!IsFolder(path)) continue;
      if (Status copied = printdata::CopyFolderContent(path, staging + f.name); !copied) return copied;
    }
    if (hook) hook(BackupStep::Copied);
    (void)tools.SetArchiveTempDir(tmp + kBackupArchiveWorkFolder);
    if (int r = tools.ZipToArchive(staging + "*.*", zip, "", tools.ArchivePassword(), 0); r != 0)
      return ToolFailed(tools, "packing the backup", r);
    if (hook) hook(BackupStep::Zipped);
    // The old backup is replaced only by a complete new one.
    if (int r = tools.LockArchive(zip, target); r != 0) return ToolFailed(tools, "writing " + target, r);
    if (hook) hook(BackupStep::Locked);
    return Status::Ok();
  }();
  (void)printdata::RemoveAll(*work);
  return result;
}

UnpackedBackup::~UnpackedBackup() {
  if (!work_.empty()) (void)printdata::RemoveAll(work_);
}

platform::Result<UnpackedBackup> UnpackBackup(printdata::ArchiveTools& tools, const BackupFolders& folders,
                                              const std::string& source) {
  const std::string tmp = platform::WithTrailingSlash(folders.tmp);
  printdata::RemoveEntriesStartingWith(tmp, "HERSTELLEN.");
  auto work = printdata::MakeUniqueFolder(tmp, "HERSTELLEN.");
  if (!work) return work.status();
  UnpackedBackup unpacked(*work + "/");
  const std::string zip = *work + "/HERSTELLEN.zip";
  if (int r = tools.UnlockArchive(source, zip); r != 0) return ToolFailed(tools, "reading " + source, r);
  (void)tools.SetArchiveTempDir(tmp + kBackupArchiveWorkFolder);
  if (int r = tools.UnzipArchive(zip, unpacked.Content(), tools.ArchivePassword()); r != 0)
    return ToolFailed(tools, "unpacking " + source, r);
  (void)printdata::RemoveAll(zip);
  bool holdsAny = false;
  for (const ProgramFolder& f : kFolders) holdsAny = holdsAny || IsFolder(unpacked.Content() + f.name);
  if (!holdsAny) return Status::Fail(source + " holds none of the program's folders");
  return unpacked;
}

Status RestoreBackup(const BackupFolders& folders, const UnpackedBackup& backup, const RestoreParts& parts) {
  struct Swap {
    std::string staged, target;
  };
  std::vector<Swap> swaps;
  auto cleanUp = [&swaps] {
    for (const Swap& s : swaps) (void)printdata::RemoveAll(s.staged);
  };
  for (const ProgramFolder& f : kFolders) {
    const std::string name = f.name;
    const bool chosen = (parts.pictures && name == "BMP") || (parts.settings && (name == "CONFIG" || name == "SERVICE")) ||
                        (parts.data && (name == "DATA" || name == "DATAEASY"));
    const std::string& target = folders.*(f.path);
    const std::string from = backup.Content() + name;
    // A part the backup does not hold leaves the program's folder alone.
    if (!chosen || target.empty() || !IsFolder(from)) continue;
    auto staged = StageBeside(from, target);
    if (!staged) {
      cleanUp();
      return staged.status();
    }
    swaps.push_back({*staged, target});
  }
  Status result = Status::Ok();
  for (const Swap& s : swaps) {
    if (Status swapped = printdata::ReplaceFolder(s.staged, s.target); !swapped && result) result = swapped;
    (void)printdata::RemoveAll(s.staged);
  }
  if (parts.data && IsFolder(folders.dataEasy)) {
    std::error_code ec;
    for (int slot = 1; slot <= printdata::kSlotCount; ++slot)
      fs::create_directories(printdata::SlotFolder(folders.dataEasy, slot), ec);
  }
  return result;
}

}  // namespace app
