#pragma once
// The backup of the program's data and settings (extension bak23): the
// locked container around an encrypted ZIP of the folders BMP, CONFIG,
// SERVICE, DATA and DATAEASY, each stored under its own name. A new backup
// replaces an old file only when complete. A restore unpacks and checks the
// backup before anything of the program tree is touched, and then puts each
// chosen folder that the backup holds in place of the program's in one step.
//
// Plain file work without windows; the PC menu shows the messages.
#include <functional>
#include <string>

#include "platform/Result.h"
#include "printdata/ArchiveTools.h"

class TForm_Main;

namespace app {

inline constexpr char kBackupExtension[] = "bak23";
// The archive component's work folder in TMP.
inline constexpr char kBackupArchiveWorkFolder[] = "BAKxx";

// The program tree as the backup sees it; every path ends in "/".
struct BackupFolders {
  std::string root, tmp, bmp, config, service, data, dataEasy;
  static BackupFolders Of(const TForm_Main& main);
};

// Points between the steps of a backup, where a test can stop it as a crash
// would.
enum class BackupStep { Copied, Zipped, Locked };
using BackupStepHook = std::function<void(BackupStep)>;

// Writes the backup `target`. A folder missing from the tree is left out.
platform::Status WriteBackup(printdata::ArchiveTools& tools, const BackupFolders& folders, const std::string& target,
                             const BackupStepHook& hook = {});

// The parts a restore puts back.
struct RestoreParts {
  bool data = true;      // DATA and DATAEASY
  bool pictures = true;  // BMP
  bool settings = true;  // CONFIG and SERVICE
};

// A backup unpacked into a work folder of TMP, removed with the object.
class UnpackedBackup {
 public:
  UnpackedBackup() = default;
  explicit UnpackedBackup(std::string work) : work_(std::move(work)) {}
  UnpackedBackup(UnpackedBackup&& other) noexcept : work_(std::move(other.work_)) { other.work_.clear(); }
  UnpackedBackup& operator=(UnpackedBackup&&) = delete;
  UnpackedBackup(const UnpackedBackup&) = delete;
  ~UnpackedBackup();

  // The folder that holds the backup's folders, ending in "/".
  std::string Content() const { return work_ + "HERSTELLEN/"; }

 private:
  std::string work_;
};

// Takes the backup `source` out of its container and unpacks it. Fails on a
// damaged container, a ZIP that does not unpack completely, and a backup
// that holds none of the five program folders.
platform::Result<UnpackedBackup> UnpackBackup(printdata::ArchiveTools& tools, const BackupFolders& folders,
                                              const std::string& source);

// Puts the chosen folders of the unpacked backup in place of the program's,
// each only when the backup holds it. All chosen folders are prepared before
// the first is exchanged. DATAEASY gets its slot folders back.
platform::Status RestoreBackup(const BackupFolders& folders, const UnpackedBackup& backup, const RestoreParts& parts);

}  // namespace app
