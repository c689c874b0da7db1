#pragma once
// What the data-set files need of the program's archive service: packing a
// folder into a ZIP, unpacking one, and wrapping a ZIP in the locked
// container or taking it out again. Each operation returns 0 or the
// service's negative code of the step that failed. The program hands in its
// archive service; tests give their own.
#include <string>

namespace printdata {

class ArchiveTools {
 public:
  virtual ~ArchiveTools() = default;

  // The password of data sets and backups.
  virtual std::string ArchivePassword() const = 0;
  // The archive component's own work folder (created when missing).
  virtual int SetArchiveTempDir(const std::string& folder) = 0;
  // `source`: a folder, a file, or a folder followed by "/*.*" (its files
  // stored relative to it). flags 0 replaces `zipFile`.
  virtual int ZipToArchive(const std::string& source, const std::string& zipFile, const std::string& excludeMask,
                           const std::string& password, int flags) = 0;
  virtual int UnzipArchive(const std::string& zipFile, const std::string& folder, const std::string& password) = 0;
  // `outFile` is replaced only by a complete container.
  virtual int LockArchive(const std::string& inFile, const std::string& outFile) = 0;
  virtual int UnlockArchive(const std::string& inFile, const std::string& outFile) = 0;
  // Why the last operation failed, for the failure's text.
  virtual std::string LastErrorText() const { return {}; }
};

}  // namespace printdata
