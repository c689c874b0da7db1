#include "zip/container/LockContainer.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FileIO.h"
#include "platform/LinkChecksum.h"
#include "platform/NumberText.h"

namespace zip::container {
namespace {
namespace fs = std::filesystem;

bool FolderOfExists(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  std::error_code ec;
  return folder.empty() || fs::is_directory(folder, ec);
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
      if (plainIsInput) crc = platform::Crc32Update(crc, byte);
      byte ^= 0xFF;
      if (!plainIsInput) crc = platform::Crc32Update(crc, byte);
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
    if (!FolderOfExists(outFile) || isFolder || (deleteOld && !platform::DeleteFileOnly(outFile))) return -10;
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

LockResult Lock(const std::string& inFile, const std::string& outFile) {
  // The container is written beside the old one and replaces it only when
  // complete: a failed save never costs the previous data set.
  ContainerFiles files;
  if (int opened = files.Open(inFile, outFile, false)) return static_cast<LockResult>(opened);
  int result = kLockDone;
  if (!files.out->Append(std::string(kLockWord) + " 00000000")) result = kLockHeaderNotWritten;
  std::uint32_t crc = platform::CrcInitFrom(0);
  if (result == kLockDone) result = CopyInverted(files.in, *files.out, true, crc, kLockWriteFailed);
  if (result == kLockDone && !files.out->WriteAt(0, std::string(kLockWord) + " " + platform::Hex8(crc)))
    result = kLockWriteFailed;
  return static_cast<LockResult>(files.Finish(result, kLockWriteFailed));
}

UnlockResult Unlock(const std::string& inFile, const std::string& outFile) {
  ContainerFiles files;
  if (int opened = files.Open(inFile, outFile, true)) return static_cast<UnlockResult>(opened);
  int result = kUnlockDone;
  std::string word;
  std::uint32_t stored = 0;
  int fields = ScanLockHeader(files.in, word, stored);
  if (fields < 2) result = kUnlockNoHeader;
  else if (word != kLockWord) result = kUnlockWrongWord;
  std::uint32_t crc = platform::CrcInitFrom(0);
  if (result == kUnlockDone) result = CopyInverted(files.in, *files.out, false, crc, kUnlockWriteFailed);
  if (result == kUnlockDone && crc != stored) result = kUnlockChecksumMismatch;
  return static_cast<UnlockResult>(files.Finish(result, kUnlockWriteFailed));
}

const char* ResultText(LockResult result) {
  switch (result) {
    case kLockDone: return "locked";
    case kLockInputUnreadable: return "the file to lock cannot be read";
    case kLockTargetUnusable: return "the container's folder is missing or the container's name is a folder";
    case kLockTargetNotCreated: return "the container cannot be created";
    case kLockHeaderNotWritten: return "the container's header cannot be written";
    case kLockWriteFailed: return "the container cannot be written";
  }
  return "unknown result";
}

const char* ResultText(UnlockResult result) {
  switch (result) {
    case kUnlockDone: return "unlocked";
    case kUnlockInputUnreadable: return "the container cannot be read";
    case kUnlockTargetUnusable: return "the target's folder is missing, or the target is a folder or cannot be replaced";
    case kUnlockWriteFailed: return "the unlocked file cannot be written";
    case kUnlockNoHeader: return "the file has no container header";
    case kUnlockWrongWord: return "the file is not a container of this version";
    case kUnlockChecksumMismatch: return "the container is damaged: its checksum does not match";
  }
  return "unknown result";
}

}  // namespace zip::container
