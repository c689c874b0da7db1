#pragma once
// The archive service (Form_ZipUnzip) as the data-set files and the backup
// use it. It looks the service up at each call, so it may be made before the
// service window exists.
#include "printdata/ArchiveTools.h"

namespace app {

class ArchiveServiceTools : public printdata::ArchiveTools {
 public:
  std::string ArchivePassword() const override;
  int SetArchiveTempDir(const std::string& folder) override;
  int ZipToArchive(const std::string& source, const std::string& zipFile, const std::string& excludeMask,
                   const std::string& password, int flags) override;
  int UnzipArchive(const std::string& zipFile, const std::string& folder, const std::string& password) override;
  int LockArchive(const std::string& inFile, const std::string& outFile) override;
  int UnlockArchive(const std::string& inFile, const std::string& outFile) override;
  std::string LastErrorText() const override;
};

}  // namespace app
