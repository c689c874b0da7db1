#include "app/archive/TForm_ZipUnzip.h"

#include <algorithm>
#include <filesystem>

#include "platform/FileIO.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"

TForm_ZipUnzip* Form_ZipUnzip = nullptr;

namespace {
namespace fs = std::filesystem;

std::string DropTrailingSlash(std::string path) {
  if (!path.empty() && path.back() == '/') path.pop_back();
  return path;
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

int TForm_ZipUnzip::Fail(int code, std::string text) {
  LastErrorText = std::move(text);
  return code;
}

int TForm_ZipUnzip::SetArchiveTempDir(std::string folder) {
  LastErrorText.clear();
  if (folder.empty()) return Fail(kTempDirNoName, "no work folder given");
  folder = DropTrailingSlash(folder);
  if (folder.empty()) return Fail(kTempDirRoot, "the work folder cannot be the root folder");
  try {
    if (!zip::WideForceDirectories(folder)) return Fail(kTempDirNotCreated, "cannot create " + folder);
  } catch (const std::exception& e) {
    return Fail(kTempDirNotCreated, e.what());
  }
  // Hidden and folder: nothing is hidden on this platform, the folder bit
  // is what it is.
  if (!zip::WideFileSetAttr(folder, zip::faHidden | zip::faDirectory))
    return Fail(kTempDirAttributes, "cannot set the attributes of " + folder);
  TempDir = folder + "/";
  return kTempDirSet;
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
  LastErrorText.clear();
  source = DropTrailingSlash(source);
  if (source.empty()) return Fail(kZipNoSource, "nothing to pack");
  std::string base, mask;
  if (zip::WideDirectoryExists(source)) {
    base = fs::path(source).parent_path().string();
    mask = source + "/*.*";
  } else {
    std::string folder = fs::path(source).parent_path().string();
    if (folder.empty() || !zip::WideDirectoryExists(folder))
      return Fail(kZipSourceFolderMissing, "the folder of " + source + " does not exist");
    base = folder;
    mask = source;
  }
  if (base.empty()) base = "/";
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return Fail(kZipNoArchiveName, "no archive name given");
  const bool exists = zip::WideFileExists(zipFile);
  if (exists && !zip::WideFileSetAttr(zipFile, 0))
    return Fail(kZipArchiveAttributes, "cannot clear the attributes of " + zipFile);
  try {
    SetUpArchiver(zipFile, password);
    if (exists && (flags & kZipAddToArchive)) ZipArchiver.OpenArchive(zip::fmOpenReadWrite);
    else ZipArchiver.OpenArchive(zip::fmCreate);
  } catch (const std::exception& e) {
    return Fail(kZipNotOpened, e.what());
  }
  std::string failure;
  try {
    ZipArchiver.BaseDir = base;
    ZipArchiver.AddFiles(mask, 0x3F, excludeMask);
    // A file that a failure answer left out makes the archive incomplete.
    if (ZipArchiver.SkippedEntries() > 0)
      failure = "files left out: " + std::to_string(ZipArchiver.SkippedEntries());
  } catch (const std::exception& e) {
    failure = e.what();
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception& e) {
    if (failure.empty()) failure = e.what();
  }
  if (!failure.empty()) {
    platform::DeleteFileOnly(zipFile);
    return Fail(kZipIncomplete, failure);
  }
  std::uint32_t attributes = zip::faArchive | ((flags & kZipReadOnly) ? zip::faReadOnly : 0) |
                             ((flags & kZipHidden) ? zip::faHidden : 0);
  if (!zip::WideFileSetAttr(zipFile, attributes)) {
    platform::DeleteFileOnly(zipFile);
    return Fail(kZipFinalAttributes, "cannot set the attributes of " + zipFile);
  }
  return kZipDone;
}

int TForm_ZipUnzip::UnzipArchive(std::string zipFile, std::string folder, std::string password) {
  LastErrorText.clear();
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return Fail(kUnzipNoArchiveName, "no archive name given");
  if (!zip::WideFileExists(zipFile)) return Fail(kUnzipArchiveMissing, zipFile + " does not exist");
  folder = DropTrailingSlash(folder);
  if (folder.empty()) return Fail(kUnzipNoFolder, "no target folder given");
  try {
    SetUpArchiver(zipFile, password);
    ZipArchiver.OpenArchive(zip::fmOpenRead);
  } catch (const std::exception& e) {
    return Fail(kUnzipNotOpened, e.what());
  }
  if (RefuseRebuiltDirectory()) return Fail(kUnzipIncomplete, "the archive's directory is missing or damaged");
  std::string failure;
  try {
    ZipArchiver.BaseDir = folder;
    ZipArchiver.ExtractFiles(u"*.*", 0x28BF, u"");
    // Entries left out after a wrong password or a failure mean the folder
    // does not hold the archive: callers must not take it as complete.
    if (ZipArchiver.SkippedEntries() > 0)
      failure = "entries left out: " + std::to_string(ZipArchiver.SkippedEntries());
  } catch (const std::exception& e) {
    failure = e.what();
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
    // Read only: closing has nothing left to lose.
  }
  return failure.empty() ? kUnzipDone : Fail(kUnzipIncomplete, failure);
}

int TForm_ZipUnzip::ExtractPackage(std::string zipFile, std::uint8_t* buffer, int size, std::string& text,
                                   std::string password) {
  LastErrorText.clear();
  zipFile = DropTrailingSlash(zipFile);
  if (zipFile.empty()) return Fail(kPackageNoName, "no package name given");
  if (!zip::WideFileExists(zipFile)) return Fail(kPackageMissing, zipFile + " does not exist");
  zip::WideString binName, txtName;
  try {
    fs::path name = fs::path(zipFile).filename();
    if (name.stem().empty()) return Fail(kPackageNoStem, "the package " + zipFile + " has no name");
    binName = zip::W(fs::path(name).replace_extension(".BIN").string());
    txtName = zip::W(fs::path(name).replace_extension(".TXT").string());
  } catch (const std::exception& e) {
    return Fail(kPackageNoStem, e.what());
  }
  try {
    SetUpArchiver(zipFile, password);
    ZipArchiver.OpenArchive(zip::fmOpenRead);
  } catch (const std::exception& e) {
    return Fail(kPackageNotOpened, e.what());
  }
  if (RefuseRebuiltDirectory()) return Fail(kPackageIncomplete, "the package's directory is missing or damaged");
  int result = kPackageDone;
  try {
    if (buffer && size > 0) std::fill(buffer, buffer + size, 0xFF);
    ZipArchiver.ExtractToBuffer(binName, buffer, size, 0);
    std::string description;
    ZipArchiver.ExtractToString(txtName, description);
    text = description;
  } catch (const std::exception& e) {
    result = Fail(kPackageIncomplete, e.what());
  }
  try {
    ZipArchiver.CloseArchive();
  } catch (const std::exception&) {
    // Read only: closing has nothing left to lose.
  }
  return result;
}

int TForm_ZipUnzip::LockArchive(std::string inFile, std::string outFile) {
  LastErrorText.clear();
  const zip::container::LockResult result = zip::container::Lock(inFile, outFile);
  return result == zip::container::kLockDone ? result : Fail(result, zip::container::ResultText(result));
}

int TForm_ZipUnzip::UnlockArchive(std::string inFile, std::string outFile) {
  LastErrorText.clear();
  const zip::container::UnlockResult result = zip::container::Unlock(inFile, outFile);
  return result == zip::container::kUnlockDone ? result : Fail(result, zip::container::ResultText(result));
}
