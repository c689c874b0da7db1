#include "app/TForm_ZipUnzip.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/container/LockContainer.h"

TForm_ZipUnzip* Form_ZipUnzip = nullptr;

namespace {
namespace fs = std::filesystem;

std::string DropTrailingSlash(std::string path) {
  if (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

// Deletes a file (never a folder). False only when something is there that
// could not be removed.
bool DeleteFileOnly(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  if (S_ISDIR(st.st_mode)) return false;
  return ::unlink(path.c_str()) == 0;
}

}  // namespace

TForm_ZipUnzip::TForm_ZipUnzip(QWidget* parent, std::string initialTempDir) : QWidget(parent) {
  setObjectName("Form_ZipUnzip");
  ZipArchiver.Options.OEMFileNames = true;
  ZipArchiver.Options.FlushBuffers = true;
  ZipArchiver.Zip64Mode = zip::zmDisabled;
  if (initialTempDir.empty()) initialTempDir = (fs::temp_directory_path() / "TMP").string();
  (void)SetArchiveTempDir(initialTempDir);
  if (!Form_ZipUnzip) Form_ZipUnzip = this;
}

TForm_ZipUnzip::~TForm_ZipUnzip() {
  if (Form_ZipUnzip == this) Form_ZipUnzip = nullptr;
}

int TForm_ZipUnzip::SetArchiveTempDir(std::string folder) {
  if (folder.empty()) return -1;
  folder = DropTrailingSlash(folder);
  if (folder.empty()) return -2;
  try {
    if (!zip::WideForceDirectories(folder)) return -3;
  } catch (const std::exception&) {
    return -3;
  }
  // Hidden and folder: nothing is hidden on this platform, the folder bit
  // is what it is.
  if (!zip::WideFileSetAttr(folder, zip::faHidden | zip::faDirectory)) return -4;
  TempDir = folder + "/";
  return 0;
}

void TForm_ZipUnzip::SetUpArchiver(const std::string& zipFile, const std::string& password) {
  ZipArchiver.FileName = zipFile;
  ZipArchiver.TempDir = TempDir;
  ZipArchiver.SetInMemory(false);
  ZipArchiver.SetPassword(password);
  ZipArchiver.EncryptionMethod = zip::caAES_256;
  ZipArchiver.SetCompressionLevel(zip::clMax);
}

bool TForm_ZipUnzip::RefuseRebuiltDirectory() {
  // A directory that had to be rebuilt from the local headers may lack the
  // entries behind a cut or a damaged spot: a data set, a backup or a
  // firmware package read from it would be silently incomplete.
  if (!ZipArchiver.DirectoryRebuilt()) return false;
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
    // Read only: closing has nothing left to lose.
  }
  return true;
}

int TForm_ZipUnzip::ZipToArchive(std::string source, std::string zipFile, std::string excludeMask,
                                 std::string password, int flags) {
  source = DropTrailingSlash(source);
  if (source.empty()) return -1;
  std::string base, mask;
  if (zip::WideDirectoryExists(source)) {
    base = fs::path(source).parent_path().string();
    mask = source + "/*.*";
  } else {
    std::string folder = fs::path(source).parent_path().string();
    if (folder.empty() || !zip::WideDirectoryExists(folder)) return -2;
    base = folder;
    mask = source;
  }
  if (base.empty()) base = "/";
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return -10;
  const bool exists = zip::WideFileExists(zipFile);
  if (exists && !zip::WideFileSetAttr(zipFile, 0)) return -11;
  try {
    SetUpArchiver(zipFile, password);
    if (exists && (flags & 1)) ZipArchiver.OpenArchive(zip::fmOpenReadWrite);
    else ZipArchiver.OpenArchive(zip::fmCreate);
  } catch (const std::exception&) {
    return -20;
  }
  bool failed = false;
  try {
    ZipArchiver.BaseDir = base;
    ZipArchiver.AddFiles(mask, 0x3F, excludeMask);
    // A file that a failure answer left out makes the archive incomplete.
    failed = ZipArchiver.SkippedEntries() > 0;
  } catch (const std::exception&) {
    failed = true;
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) {
    DeleteFileOnly(zipFile);
    return -21;
  }
  std::uint32_t attributes = zip::faArchive | ((flags & 2) ? zip::faReadOnly : 0) | ((flags & 4) ? zip::faHidden : 0);
  if (!zip::WideFileSetAttr(zipFile, attributes)) {
    DeleteFileOnly(zipFile);
    return -30;
  }
  return 0;
}

int TForm_ZipUnzip::UnzipArchive(std::string zipFile, std::string folder, std::string password) {
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return -1;
  if (!zip::WideFileExists(zipFile)) return -2;
  folder = DropTrailingSlash(folder);
  if (folder.empty()) return -10;
  try {
    SetUpArchiver(zipFile, password);
    ZipArchiver.OpenArchive(zip::fmOpenRead);
  } catch (const std::exception&) {
    return -20;
  }
  if (RefuseRebuiltDirectory()) return -21;
  bool failed = false;
  try {
    ZipArchiver.BaseDir = folder;
    ZipArchiver.ExtractFiles(u"*.*", 0x28BF, u"");
    // Entries left out after a wrong password or a failure mean the folder
    // does not hold the archive: callers must not take it as complete.
    failed = ZipArchiver.SkippedEntries() > 0;
  } catch (const std::exception&) {
    failed = true;
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
  }
  return failed ? -21 : 0;
}

int TForm_ZipUnzip::ExtractPackage(std::string zipFile, std::uint8_t* buffer, int size, std::string& text,
                                   std::string password) {
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return -1;
  if (!zip::WideFileExists(zipFile)) return -2;
  zip::WideString binName, txtName;
  try {
    fs::path name = fs::path(zipFile).filename();
    if (name.stem().empty()) return -3;
    binName = zip::W(fs::path(name).replace_extension(".BIN").string());
    txtName = zip::W(fs::path(name).replace_extension(".TXT").string());
  } catch (const std::exception&) {
    return -3;
  }
  try {
    SetUpArchiver(zipFile, password);
    ZipArchiver.OpenArchive(zip::fmOpenRead);
  } catch (const std::exception&) {
    return -20;
  }
  if (RefuseRebuiltDirectory()) return -21;
  int result = 0;
  try {
    if (buffer && size > 0) std::fill(buffer, buffer + size, 0xFF);
    ZipArchiver.ExtractToBuffer(binName, buffer, size, 0);
    std::string description;
    ZipArchiver.ExtractToString(txtName, description);
    text = description;
  } catch (const std::exception&) {
    result = -21;
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
  }
  return result;
}

int TForm_ZipUnzip::LockArchive(std::string inFile, std::string outFile) {
  return zip::container::Lock(inFile, outFile);
}

int TForm_ZipUnzip::UnlockArchive(std::string inFile, std::string outFile) {
  return zip::container::Unlock(inFile, outFile);
}
