#pragma once
// The archive service: the one place through which the program writes and
// reads its ZIP archives and wraps them in, or takes them out of, the locked
// container. A window that is never shown; it owns the program's only
// archive component. Every operation returns 0 or a negative code naming the
// step that failed (the enums below; the numbers are fixed, callers and
// logs know them), keeps what went wrong in LastErrorText, and shows
// nothing itself.
//
// Paths are local UTF-8 paths with "/" separators.
#include <QWidget>
#include <cstdint>
#include <string>

#include "app/archive/ArchivePassword.h"
#include "zip/ZipArchiver.h"
#include "zip/container/LockContainer.h"


class TForm_ZipUnzip : public QWidget {
  Q_OBJECT

 public:
  // `initialTempDir` is the work folder set at start-up (created hidden);
  // every caller sets its own before use. Empty: "TMP" in the system's
  // temporary folder.
  explicit TForm_ZipUnzip(QWidget* parent = nullptr, std::string initialTempDir = std::string());
  ~TForm_ZipUnzip() override;

  // Results of SetArchiveTempDir.
  enum TempDirResult : int {
    kTempDirSet = 0,
    kTempDirNoName = -1,
    kTempDirRoot = -2,          // nothing left once the trailing "/" is dropped
    kTempDirNotCreated = -3,
    kTempDirAttributes = -4,
  };
  // Flag bits of ZipToArchive; 0 replaces the archive with a new one.
  enum ZipFlags : int {
    kZipAddToArchive = 1,  // add to an archive that exists
    kZipReadOnly = 2,      // the finished archive gets these attributes
    kZipHidden = 4,
  };
  // Results of ZipToArchive.
  enum ZipResult : int {
    kZipDone = 0,
    kZipNoSource = -1,
    kZipSourceFolderMissing = -2,
    kZipNoArchiveName = -10,
    kZipArchiveAttributes = -11,  // the attributes of an archive that exists cannot be cleared
    kZipNotOpened = -20,
    kZipIncomplete = -21,         // a file was left out or writing failed; the archive is deleted
    kZipFinalAttributes = -30,    // the finished archive's attributes cannot be set; it is deleted
  };
  // Results of UnzipArchive.
  enum UnzipResult : int {
    kUnzipDone = 0,
    kUnzipNoArchiveName = -1,
    kUnzipArchiveMissing = -2,
    kUnzipNoFolder = -10,
    kUnzipNotOpened = -20,
    kUnzipIncomplete = -21,  // an entry was or may be left out (wrong password, damage, a name outside
                             // the folder, a directory missing or damaged)
  };
  // Results of ExtractPackage.
  enum PackageResult : int {
    kPackageDone = 0,
    kPackageNoName = -1,
    kPackageMissing = -2,
    kPackageNoStem = -3,     // no name to look for the ".BIN" and ".TXT" entries by
    kPackageNotOpened = -20,
    kPackageIncomplete = -21,  // an entry missing, short or unreadable, or the directory damaged
  };
  // LockArchive and UnlockArchive return zip::container::LockResult and
  // UnlockResult.

  int SetArchiveTempDir(std::string folder);
  int ZipToArchive(std::string source, std::string zipFile, std::string excludeMask, std::string password, int flags);
  int UnzipArchive(std::string zipFile, std::string folder, std::string password);
  int ExtractPackage(std::string zipFile, std::uint8_t* buffer, int size, std::string& text, std::string password);
  int LockArchive(std::string inFile, std::string outFile);
  int UnlockArchive(std::string inFile, std::string outFile);

  zip::TZipArchiver ZipArchiver{"ZipArchiver"};
  // The component's work folder, always with a trailing "/".
  std::string TempDir;
  // Why the last operation failed, for the log: the archive component's
  // message where it raised one; "" after a success.
  std::string LastErrorText;

 private:
  void SetUpArchiver(const std::string& zipFile, const std::string& password);
  // Returns `code` with `text` kept in LastErrorText.
  int Fail(int code, std::string text);
  // Closes an archive opened for reading whose directory was missing or
  // damaged; true when it did.
  bool RefuseRebuiltDirectory();
};

// The single instance, created with the other windows at start-up.
extern TForm_ZipUnzip* Form_ZipUnzip;
