#include "app/TForm_ZipUnzip.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/FileIO.h"
#include "platform/NumberText.h"
#include "printerlink/LinkChecksum.h"
#include "zip/CodePages.h"
#include "zip/FileSystem.h"

TForm_ZipUnzip* Form_ZipUnzip = nullptr;

namespace {
namespace fs = std::filesystem;

constexpr char kLockWord[] = "LOCK_V0100";

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

bool FolderOfExists(const std::string& path) {
  std::string folder = fs::path(path).parent_path().string();
  return folder.empty() || zip::WideDirectoryExists(folder);
}

bool IsHexDigit(int c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The header scan "%50s %08X": a word of at most 50 non-blank characters,
// any white space, at most eight hex digits. Returns the fields read and
// leaves the stream right after the last character consumed.
int ScanLockHeader(FILE* in, std::string& word, std::uint32_t& value) {
  int c;
  do c = std::fgetc(in);
  while (c != EOF && IsBlank(c));
  while (c != EOF && !IsBlank(c) && word.size() < 50) {
    word += static_cast<char>(c);
    c = std::fgetc(in);
  }
  if (word.empty()) return 0;
  while (c != EOF && IsBlank(c)) c = std::fgetc(in);
  int digits = 0;
  value = 0;
  while (c != EOF && digits < 8 && IsHexDigit(c)) {
    value = value * 16 + static_cast<std::uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
    ++digits;
    if (digits < 8) c = std::fgetc(in);
  }
  if (digits < 8 && c != EOF) std::ungetc(c, in);
  return digits > 0 ? 2 : 1;
}

// Copies the rest of `in` to `out` with every byte inverted, stepping the
// link checksum over the plain bytes (before inversion when locking, after
// it when unlocking). 0, -1 for a read error, `writeError` for a write error.
int CopyInverted(FILE* in, platform::AtomicFile& out, bool plainIsInput, std::uint32_t& crc, int writeError) {
  std::vector<char> buf(1 << 16);
  for (;;) {
    std::size_t n = std::fread(buf.data(), 1, buf.size(), in);
    for (std::size_t i = 0; i < n; ++i) {
      auto byte = static_cast<std::uint8_t>(buf[i]);
      if (plainIsInput) crc = printerlink::Crc32Update(crc, byte);
      byte ^= 0xFF;
      if (!plainIsInput) crc = printerlink::Crc32Update(crc, byte);
      buf[i] = static_cast<char>(byte);
    }
    if (n && !out.Append(std::string_view(buf.data(), n))) return writeError;
    if (n < buf.size()) return std::ferror(in) ? -1 : 0;
  }
}

// The input of a container operation and the output, which replaces its
// target only when complete.
struct ContainerFiles {
  FILE* in = nullptr;
  std::optional<platform::AtomicFile> out;
  ~ContainerFiles() {
    if (in) std::fclose(in);
  }
  // 0, or the code of the step that failed (-1, -10, -11).
  int Open(const std::string& inFile, const std::string& outFile, bool deleteOld) {
    in = std::fopen(inFile.c_str(), "rb");
    if (!in) return -1;
    struct stat st;
    bool isFolder = ::stat(outFile.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (!FolderOfExists(outFile) || isFolder || (deleteOld && !DeleteFileOnly(outFile))) return -10;
    out.emplace(outFile);
    return out->Open() ? 0 : -11;
  }
  // Puts the output in place of its target after a success (an uncommitted
  // output is removed). Returns `result`, or `writeError` when that fails.
  int Finish(int result, int writeError) {
    if (result == 0 && !out->Commit()) result = writeError;
    return result;
  }
};

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
  // The container is written beside the old one and replaces it only when
  // complete: a failed save never costs the previous data set.
  ContainerFiles files;
  if (int opened = files.Open(inFile, outFile, false)) return opened;
  int result = 0;
  if (!files.out->Append("LOCK_V0100 00000000")) result = -20;
  std::uint32_t crc = printerlink::CrcInitFrom(0);
  if (result == 0) result = CopyInverted(files.in, *files.out, true, crc, -31);
  if (result == 0 && !files.out->WriteAt(0, std::string(kLockWord) + " " + platform::Hex8(crc))) result = -31;
  return files.Finish(result, -31);
}

int TForm_ZipUnzip::UnlockArchive(std::string inFile, std::string outFile) {
  ContainerFiles files;
  if (int opened = files.Open(inFile, outFile, true)) return opened;
  int result = 0;
  std::string word;
  std::uint32_t stored = 0;
  int fields = ScanLockHeader(files.in, word, stored);
  if (fields < 2) result = -20;
  else if (word != kLockWord) result = -21;
  std::uint32_t crc = printerlink::CrcInitFrom(0);
  if (result == 0) result = CopyInverted(files.in, *files.out, false, crc, -11);
  if (result == 0 && crc != stored) result = -30;
  return files.Finish(result, -11);
}
