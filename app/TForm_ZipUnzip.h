#pragma once
// The archive service: the one place through which the program writes and
// reads its ZIP archives and wraps them in, or takes them out of, the locked
// container. A window that is never shown; it owns the program's only
// archive component. Every operation returns 0 or a negative code naming the
// step that failed, and shows nothing itself.
//
// Paths are local UTF-8 paths with "/" separators.
#include <QWidget>
#include <cstdint>
#include <string>

#include "app/ArchivePassword.h"
#include "zip/ZipArchiver.h"


class TForm_ZipUnzip : public QWidget {
  Q_OBJECT

 public:
  // `initialTempDir` is the work folder set at start-up (created hidden);
  // every caller sets its own before use. Empty: "TMP" in the system's
  // temporary folder.
  explicit TForm_ZipUnzip(QWidget* parent = nullptr, std::string initialTempDir = std::string());
  ~TForm_ZipUnzip() override;

  int SetArchiveTempDir(std::string folder);
  int ZipToArchive(std::string source, std::string zipFile, std::string excludeMask, std::string password, int flags);
  int UnzipArchive(std::string zipFile, std::string folder, std::string password);
  int ExtractPackage(std::string zipFile, std::uint8_t* buffer, int size, std::string& text, std::string password);
  int LockArchive(std::string inFile, std::string outFile);
  int UnlockArchive(std::string inFile, std::string outFile);

  zip::TZipArchiver ZipArchiver{"ZipArchiver"};
  // The component's work folder, always with a trailing "/".
  std::string TempDir;

 private:
  void SetUpArchiver(const std::string& zipFile, const std::string& password);
  // Closes an archive opened for reading whose directory was missing or
  // damaged; true when it did.
  bool RefuseRebuiltDirectory();
};

// The single instance, created with the other windows at start-up.
extern TForm_ZipUnzip* Form_ZipUnzip;
