// Reading entries back: finding them by name or mask, the batch that
// extracts the tagged ones, and the decompression of one entry with its
// password, size and checksum checks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "zip/CodePages.h"
#include "zip/EntryCrypto.h"
#include "zip/EntryPipeline.h"
#include "zip/StreamStage.h"
#include "zip/ZipVolumes.h"
#include "zip/FileSystem.h"
#include "zip/WildcardMatch.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipLock.h"
#include "zip/ZipPaths.h"
#include "zip/ZlibBinding.h"
#include "zip/crypto/Crc32.h"

namespace zip {
namespace {

WideString LastPart(const WideString& name) {
  auto slash = name.rfind(u'/');
  return slash == WideString::npos ? name : name.substr(slash + 1);
}

WideString FolderPart(const WideString& name) {
  auto slash = name.rfind(u'/');
  return slash == WideString::npos ? WideString() : name.substr(0, slash + 1);
}

bool IsInternalFileMatchMask(WideString name, WideString mask) {
  if (mask.empty()) return false;
  WideString folded;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    folded += mask[i];
    if (mask.compare(i, 3, u"*.*") == 0) i += 2;  // "*.*" counts as "*"
  }
  mask = folded;
  bool noExtension = false;
  if (mask.back() == u'.') {
    mask.pop_back();
    noExtension = true;
  }
  if (!name.empty() && name.back() == u'.') name.pop_back();
  if (!WIsStrMatchPattern(name, mask, true)) return false;
  return !noExtension || LastPart(name).find(u'.') == WideString::npos;
}

bool CheckAttributesMatch(std::uint32_t entryAttr, std::int32_t searchAttr) {
  std::uint32_t special = entryAttr & (faHidden | faSysFile | faVolumeID | faDirectory);
  return (special & static_cast<std::uint32_t>(searchAttr)) == special;
}

// Keeps only the bytes from `offset` on, at most `count`, of what is written
// into it, and counts everything.
class WindowStream : public TStream {
 public:
  WindowStream(std::uint8_t* buffer, std::int64_t offset, std::int64_t count)
      : buffer_(buffer), offset_(offset), count_(count) {}
  std::size_t Read(void*, std::size_t) override { return 0; }
  std::size_t Write(const void* data, std::size_t n) override {
    std::int64_t from = std::max<std::int64_t>(offset_, total_);
    std::int64_t to = std::min<std::int64_t>(offset_ + count_, total_ + static_cast<std::int64_t>(n));
    if (to > from) {
      std::memcpy(buffer_ + (from - offset_), static_cast<const std::uint8_t*>(data) + (from - total_),
                  static_cast<std::size_t>(to - from));
      copied_ = std::max(copied_, to - offset_);
    }
    total_ += static_cast<std::int64_t>(n);
    return n;
  }
  std::int64_t Seek(std::int64_t, SeekOrigin) override { return total_; }
  void SetSize(std::int64_t) override {}
  std::int64_t Copied() const { return copied_; }

 private:
  std::uint8_t* buffer_;
  std::int64_t offset_, count_, total_ = 0, copied_ = 0;
};

// A fresh file beside `path` for the new content, created and left open
// (its descriptor in `fd`); replaced into place only after every check
// passed.
std::string CreateSiblingTemp(const std::string& path, int& fd) {
  static std::atomic<unsigned> serial{0};
  thread_local std::minstd_rand noise(std::random_device{}());
  const std::string folder = WideExtractFilePath(path);
  const std::string base = WideExtractFileName(path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = folder + ".~" + base.substr(0, 100) + "." + std::to_string(::getpid()) + "." +
                       std::to_string(serial.fetch_add(1)) + std::to_string(noise() % 100000) + ".tmp";
    fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return name;
    if (errno != EEXIST) break;
  }
  return std::string();
}

// True when one of the existing folders of `relative` below `root` is a
// symbolic link: writing through it could leave the target folder.
bool PassesThroughLink(const std::string& root, const std::string& relative, bool lastIsFolder) {
  std::string path = root;
  std::size_t start = 0;
  for (;;) {
    std::size_t slash = relative.find('/', start);
    bool last = slash == std::string::npos;
    if (last && !lastIsFolder) return false;
    path += relative.substr(start, last ? std::string::npos : slash - start);
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) return true;
    if (last) return false;
    path += '/';
    start = slash + 1;
  }
}

}  // namespace

bool TZipBaseArchiver::FindFirst() {
  CheckInactive();
  searchItem = TZipArchiveItem();
  searchItem.UseComponentMasks = true;
  searchItem.SearchAttr = Options.SearchAttr;
  return InternalFind(searchItem);
}

bool TZipBaseArchiver::FindFirst(const WideString& fileMask, TZipArchiveItem& item, std::int32_t searchAttr,
                                 const WideString& exclusionMask) {
  CheckInactive();
  item = TZipArchiveItem();
  item.FileMask = Slashed(fileMask).substr(0, 260);
  if (Options.StorePath != spFullPathWithDrive && !item.FileMask.empty() && item.FileMask[0] == u'/')
    item.FileMask.erase(0, 1);
  item.UseWildCards = item.FileMask.find_first_of(u"*?") != WideString::npos;
  item.SearchAttr = searchAttr;
  item.ExclusionMask = Slashed(exclusionMask);
  return InternalFind(item);
}

bool TZipBaseArchiver::FindNext(TZipArchiveItem& item) {
  CheckInactive();
  return InternalFind(item);
}

bool TZipBaseArchiver::IsItemMatches(const TDirItem& entry, const TZipArchiveItem& item) {
  const WideString& name = entry.StoredName;
  auto matches = [&](const WideString& mask) {
    return IsInternalFileMatchMask(name, mask) || IsInternalFileMatchMask(LastPart(name), mask);
  };
  if (item.UseComponentMasks) {
    bool any = false;
    for (int i = 0; i < FileMasks.GetCount() && !any; ++i) any = matches(Slashed(FileMasks[i]));
    if (!any) return false;
    for (int i = 0; i < ExclusionMasks.GetCount(); ++i)
      if (matches(Slashed(ExclusionMasks[i]))) return false;
    return true;
  }
  if (!matches(item.FileMask)) return false;
  return item.ExclusionMask.empty() || !matches(item.ExclusionMask);
}

void TZipBaseArchiver::FillFoundItem(int index, TZipArchiveItem& item) {
  const TDirItem& e = *dirManager->CurrentDirectory.GetItemPtr(index);
  item.ItemNo = index;
  item.FileName = LastPart(e.StoredName);
  item.StoredPath = FolderPart(e.StoredName);
  item.CompressedSize = static_cast<std::int64_t>(e.CompressedSize());
  item.UncompressedSize = static_cast<std::int64_t>(e.UncompressedSize());
  item.CompressionRate = item.UncompressedSize == 0
                             ? 100
                             : std::max(0.0, (1.0 - static_cast<double>(item.CompressedSize) / item.UncompressedSize) * 100);
  item.Encrypted = e.IsEncrypted();
  item.LastModFileTime = e.Header.Time;
  item.LastModFileDate = e.Header.Date;
  item.CRC = e.Header.Crc32;
  item.ExternalFileAttributes = e.Header.ExternalAttributes;
  item.Comment = e.EntryComment;
}

bool TZipBaseArchiver::InternalFind(TZipArchiveItem& item) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  if (item.UseWildCards || Options.Recurse || item.UseComponentMasks) {
    const WideString maskFolder = WideLowerCase(FolderPart(item.FileMask));
    for (int i = item.ItemNo + 1; i < dir.GetCount(); ++i) {
      const TDirItem& e = *dir.GetItemPtr(i);
      if (!Options.Recurse && !item.UseComponentMasks && WideLowerCase(FolderPart(e.StoredName)) != maskFolder)
        continue;
      if (IsItemMatches(e, item) && CheckAttributesMatch(e.Header.ExternalAttributes, item.SearchAttr)) {
        FillFoundItem(i, item);
        return true;
      }
    }
    return false;
  }
  int index = -1;
  if (dir.FileExists(item.FileMask, index) && index > item.ItemNo) {
    FillFoundItem(index, item);
    return true;
  }
  return false;
}

void TZipBaseArchiver::TagFiles() {
  CheckInactive();
  dirManager->CurrentDirectory.ClearTags();
  for (bool found = FindFirst(); found; found = InternalFind(searchItem))
    dirManager->CurrentDirectory.GetItemPtr(searchItem.ItemNo)->IsTagged = true;
}

void TZipBaseArchiver::TagFiles(const WideString& fileMask, std::int32_t searchAttr, const WideString& exclusionMask) {
  CheckInactive();
  dirManager->CurrentDirectory.ClearTags();
  TZipArchiveItem item;
  for (bool found = FindFirst(fileMask, item, searchAttr, exclusionMask); found; found = FindNext(item))
    dirManager->CurrentDirectory.GetItemPtr(item.ItemNo)->IsTagged = true;
}

void TZipBaseArchiver::ExtractFiles() {
  CheckInactive();
  CheckInUpdate();
  TagFiles();
  ProcessTaggedFiles(poExtract, -1);
}

void TZipBaseArchiver::ExtractFiles(const WideString& fileMask, std::int32_t searchAttr,
                                    const WideString& exclusionMask) {
  CheckInactive();
  CheckInUpdate();
  if (!Options.Recurse && fileMask.find_first_of(u"*?") == WideString::npos && exclusionMask.empty() &&
      searchAttr == kDefaultSearchAttr) {
    TZipArchiveItem item;
    SkippedCount = 0;
    if (FindFirst(fileMask, item, searchAttr, exclusionMask)) ProcessTaggedFiles(poExtract, item.ItemNo);
    return;
  }
  TagFiles(fileMask, searchAttr, exclusionMask);
  ProcessTaggedFiles(poExtract, -1);
}

void TZipBaseArchiver::CheckExtractNames() {
  // A name that would land outside the target fails the whole archive
  // before anything is written.
  TZipDirArray& dir = dirManager->CurrentDirectory;
  for (int i = 0; i < dir.GetCount(); ++i) {
    const TDirItem& e = *dir.GetItemPtr(i);
    std::string relative;
    if (e.IsTagged && !SafeRelativeName(e.StoredName, relative)) Raise(19, {U8(e.StoredName)});
  }
}

void TZipBaseArchiver::ProcessTaggedFiles(TZipProcessOperation operation, int itemNo) {
  ZipLockGuard lock;
  TZipDirArray& dir = dirManager->CurrentDirectory;
  ProcessedFiles = 0;
  CancelRequested = false;
  ReportProgress = true;
  SkippedCount = 0;
  removableDevices.clear();
  if (itemNo != -1) {
    if (itemNo < 0 || itemNo >= dir.GetCount()) Raise(16);
    dir.ClearTags();
    dir.GetItemPtr(itemNo)->IsTagged = true;
  }
  std::vector<int> work;
  for (int i = 0; i < dir.GetCount(); ++i)
    if (dir.GetItemPtr(i)->IsTagged) work.push_back(i);
  TotalFiles = static_cast<std::int64_t>(work.size());
  if (operation == poExtract) CheckExtractNames();
  struct ForgetPrepared {
    std::map<std::uint64_t, PreparedDecryptor>& prepared;
    ~ForgetPrepared() { prepared.clear(); }
  } forget{preparedDecryptors};
  const bool reads = operation == poExtract || operation == poTest;
  if (reads) {
    overlapsKnown = false;
    PrepareDecryption(work);
  }
  if (reads) DoOnOverallProgress(0, operation, ppStart, CancelRequested);
  bool aborted = false;
  std::exception_ptr failure;
  // Deleting moves the next entry into the index of the one removed, so the
  // walk goes by index over what is tagged.
  int index = 0;
  while (index < dir.GetCount() && !CancelRequested) {
    if (!dir.GetItemPtr(index)->IsTagged) {
      ++index;
      continue;
    }
    dir.GetItemPtr(index)->PendingOperation = operation;
    const WideString name = dir.GetItemPtr(index)->StoredName;
    bool removed = false;
    TZipAction action;
    do {
      action = fxaIgnore;
      bool confirm = true;
      DoOnConfirmProcessFile(name, operation, confirm);
      if (!confirm) break;
      if (WorkingFolder.empty()) WorkingFolder = WideGetCurrentDir();
      const std::string root = AddTrailingBackslash(BaseDir.empty() ? WorkingFolder : BaseDir);
      if (reads) {
        DoOnFileProgress(name, 0, operation, ppStart, CancelRequested);
        if (CancelRequested) break;
      }
      try {
        switch (operation) {
          case poExtract: ExtractTaggedFile(index, name, root); break;
          case poTest: TestTaggedFile(index); break;
          case poDelete:
            DeleteItem(index);
            removed = true;
            break;
          case poUpdate: UpdateTaggedFile(index, name, root); break;
          default: break;
        }
      } catch (const EZipException& e) {
        DoOnProcessFileFailure(name, operation, e.NativeCode, e.MessageIndex, e.what(), action);
        if (action == fxaIgnore) ++SkippedCount;
        if (action == fxaAbort) failure = std::current_exception();
      }
      if (reads) DoOnFileProgress(name, 100, operation, ppEnd, CancelRequested);
    } while (action == fxaRetry && !CancelRequested);
    if (action == fxaAbort) aborted = true;
    if (aborted || CancelRequested) break;
    ++ProcessedFiles;
    if (!removed) ++index;
  }
  if (reads) DoOnOverallProgress(100, operation, ppEnd, CancelRequested);
  if (aborted || CancelRequested) CancelUpdate();
  // An entry that failed without being let pass fails the batch.
  if (aborted && failure) std::rethrow_exception(failure);
}

void TZipBaseArchiver::PrepareDecryption(const std::vector<int>& work) {
  preparedDecryptors.clear();
  if (Password.empty() || work.size() < 2) return;
  TZipDirArray& dir = dirManager->CurrentDirectory;
  std::vector<std::function<void()>> jobs;
  for (int index : work) {
    const TDirItem& e = *dir.GetItemPtr(index);
    if (!e.IsAesEncrypted()) continue;
    const int bits = KeyBitsOfCipherKind(e.CipherKind);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(bits / 16 + 2));
    try {
      const TZipFileHeader local = ReadLocalHeader(*archiveStream, EntryPosition(e));
      archiveStream->Seek(local.NameLength + local.ExtraLength, SeekOrigin::Current);
      archiveStream->ReadBuffer(block.data(), block.size());
    } catch (const std::exception&) {
      continue;  // the entry's own reading reports what is wrong
    }
    PreparedDecryptor& slot = preparedDecryptors[static_cast<std::uint64_t>(EntryPosition(e))];
    slot.cipher = MakeAesDecryptor(bits, e.ActualMethod);
    // Each job writes only its own slot, and the map stays as it is until
    // all jobs are done.
    jobs.push_back([&slot, block, password = Password] {
      try {
        slot.cipher->Prepare(block, password);
      } catch (...) {
        slot.failure = std::current_exception();
      }
    });
  }
  if (jobs.empty()) return;
  jobs.front()();  // the first one alone, so that the cipher library's tables exist before threads use them
  jobs.erase(jobs.begin());
  RunInParallel(jobs);
}

void TZipBaseArchiver::ExtractTaggedFile(int index, const WideString& name, const std::string& root) {
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  WideString target = name;
  std::uint32_t attr = entry.Header.ExternalAttributes;
  DoOnExtractFile(target, attr, entry.EntryComment);
  std::string relative;
  if (!SafeRelativeName(target, relative)) Raise(19, {U8(target)});
  const bool folderEntry = (attr & faDirectory) || (!target.empty() && (target.back() == u'/' || target.back() == u'\\'));
  if (relative.empty()) {
    if (folderEntry) return;  // "./": the target folder itself
    Raise(19, {U8(target)});
  }
  if (!Options.CreateDirs) relative = WideExtractFileName(relative);
  if (PassesThroughLink(root, relative, folderEntry)) Raise(20, {root + relative});
  const std::string path = root + relative;
  if (Options.CreateDirs) {
    const std::string folder = folderEntry ? path : WideExtractFilePath(path);
    if (!folder.empty() && !WideForceDirectories(folder)) Raise(20, {folder});
  }
  if (folderEntry) return;

  struct stat st;
  if (::lstat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) Raise(19, {path});
    std::int32_t fileAttr = WideFileGetAttr(path);
    if (!Options.ReplaceReadOnly && fileAttr != -1 && (fileAttr & faReadOnly)) return;
    const std::uint32_t fileTime = static_cast<std::uint32_t>(WideFileAge(path));
    const bool replace = ReplacesByMode(Options.OverwriteMode, entry.DosDateTime(), fileTime, [&](bool& answer) {
      WideString dest = W(path);
      DoOnConfirmOverwrite(name, dest, answer);
    });
    if (!replace) return;
  }
  int fd = -1;
  const std::string temp = CreateSiblingTemp(path, fd);
  if (temp.empty()) Raise(19, {path});
  bool done = false;
  try {
    TUniFileStream file(fd, temp);
    SkipCurrentFile = false;
    ExtractItem(index, file, 0, 0);
    if (!SkipCurrentFile && !CancelRequested) {
      if (Options.FlushBuffers) {
        struct stat written;
        if (::fstat(file.Handle(), &written) == 0) {
          auto [known, fresh] = removableDevices.try_emplace(written.st_dev, false);
          if (fresh) known->second = IsRemovableDevice(written.st_dev);
          if (known->second) file.Flush();
        }
      }
      file.Close();
      WideFileSetDate(temp, entry.DosDateTime());
      if (Options.SetAttributes) WideFileSetAttr(temp, attr);
      if (!WideRenameFile(temp, path)) Raise(19, {path});
      done = true;
    } else if (SkipCurrentFile) {
      ++SkippedCount;
    }
  } catch (const EStreamError&) {
    WideDeleteFile(temp);
    Raise(19, {path});
  } catch (...) {
    WideDeleteFile(temp);
    throw;
  }
  if (!done) WideDeleteFile(temp);
}

bool TZipBaseArchiver::GetFileCendralDirItemNo(const WideString& fileName, int& index) {
  if (dirManager->CurrentDirectory.FileExists(Slashed(fileName), index)) return true;
  TZipArchiveItem item;
  if (!FindFirst(fileName, item, kDefaultSearchAttr, WideString())) return false;
  index = item.ItemNo;
  return true;
}

namespace {
struct RecurseOff {
  TZipOptions& options;
  bool saved;
  explicit RecurseOff(TZipOptions& o) : options(o), saved(o.Recurse) { options.Recurse = false; }
  ~RecurseOff() { options.Recurse = saved; }
};
}  // namespace

int TZipBaseArchiver::SingleEntryIndex(const WideString& fileName) {
  RecurseOff off(Options);
  int index = -1;
  if (!GetFileCendralDirItemNo(fileName, index)) Raise(15, {U8(fileName)});
  return index;
}

void TZipBaseArchiver::ExtractToStream(const WideString& fileName, TStream& stream) {
  CheckInactive();
  CheckInUpdate();
  overlapsKnown = false;
  ReportProgress = true;
  CancelRequested = false;
  DoOnOverallProgress(0, poExtract, ppStart, CancelRequested);
  DoOnFileProgress(fileName, 0, poExtract, ppStart, CancelRequested);
  const int index = SingleEntryIndex(fileName);
  ProcessedFiles = 0;
  TotalFiles = 1;
  ExtractItem(index, stream, 0, 0);
  DoOnFileProgress(fileName, 100, poExtract, ppEnd, CancelRequested);
  DoOnOverallProgress(100, poExtract, ppEnd, CancelRequested);
}

void TZipBaseArchiver::ExtractToBuffer(const WideString& fileName, void* buffer, std::int64_t count,
                                       std::int64_t offset) {
  CheckInactive();
  CheckInUpdate();
  overlapsKnown = false;
  ReportProgress = false;
  CancelRequested = false;
  const int index = SingleEntryIndex(fileName);
  // The whole entry is decompressed and checked; only the asked window
  // reaches the buffer.
  WindowStream window(static_cast<std::uint8_t*>(buffer), offset, count);
  ExtractItem(index, window, 0, 0);
  if (window.Copied() < count) throw EReadError();
}

void TZipBaseArchiver::ExtractToString(const WideString& fileName, ByteString& text) {
  CheckInactive();
  CheckInUpdate();
  overlapsKnown = false;
  ReportProgress = false;
  CancelRequested = false;
  const int index = SingleEntryIndex(fileName);
  TMemoryStream stream;
  ExtractItem(index, stream, 0, 0);
  text.assign(stream.Data().begin(), stream.Data().end());
}

void TZipBaseArchiver::ExtractItem(int index, TStream& target, std::int64_t offset, std::int64_t count) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  if (index < 0 || index >= dir.GetCount()) Raise(16);
  TDirItem& entry = *dir.GetItemPtr(index);
  CheckNotOverlapping(index);
  SkipCurrentFile = false;
  bool ok;
  if (count > 0 || offset > 0) {
    // A part of the entry: the whole entry is still checked.
    std::vector<std::uint8_t> part(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    WindowStream window(part.data(), offset, count);
    ok = InternalDecompressFile(*archiveStream, window, 0, 0, entry);
    if (ok) target.WriteBuffer(part.data(), static_cast<std::size_t>(window.Copied()));
  } else {
    ok = InternalDecompressFile(*archiveStream, target, 0, 0, entry);
  }
  if (!ok && !CancelRequested && !ExtractCorruptedFiles && !SkipCurrentFile) Raise(8);
}

bool TZipBaseArchiver::InternalDecompressFile(TStream& archive, TStream& target, std::int64_t, std::int64_t,
                                              TDirItem& entry) {
  const bool encrypted = entry.IsEncrypted();
  const bool aes = entry.IsAesEncrypted();
  const std::uint16_t method = entry.ActualMethod;
  const std::int64_t archiveSize = archive.Size();
  const std::uint64_t expected = entry.UncompressedSize();
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  try {
    const std::int64_t headerAt = EntryPosition(entry);
    if (headerAt < 0 || headerAt > archiveSize - static_cast<std::int64_t>(TZipFileHeader::kSize)) return false;
    const TZipFileHeader local = ReadLocalHeader(archive, headerAt);
    if (local.Signature != kLocalHeaderSig && local.Signature != kAltLocalHeaderSig) return false;
    const std::int64_t dataStart = headerAt + local.Length();
    if (dataStart > archiveSize) return false;
    std::uint64_t compressed = entry.CompressedSize();
    const std::int64_t limit =
        (dirManager->DirectoryOffset > dataStart && dirManager->DirectoryOffset <= archiveSize) ? dirManager->DirectoryOffset
                                                                                             : archiveSize;
    if (compressed > static_cast<std::uint64_t>(limit - dataStart)) compressed = static_cast<std::uint64_t>(limit - dataStart);
    if (method == 9) throw EZipException(55);
    if (method != 0 && method != 8) return false;
    archive.SetPosition(dataStart);

    std::unique_ptr<EntryDecryptor> cipher;
    if (encrypted) {
      auto prepared = preparedDecryptors.find(static_cast<std::uint64_t>(headerAt));
      if (aes && prepared != preparedDecryptors.end()) {
        const std::exception_ptr failure = prepared->second.failure;
        cipher = std::move(prepared->second.cipher);
        preparedDecryptors.erase(prepared);
        if (failure) std::rethrow_exception(failure);
      } else {
        cipher = MakeEntryDecryptor(entry, method);
      }
      const std::size_t framing = cipher->StartBlockSize() + cipher->EndBlockSize();
      if (compressed < framing) return false;
      compressed -= framing;
      for (;;) {
        archive.SetPosition(dataStart);
        bool right = cipher->LoadAndCheck(archive, Password);
        if (QuietPasswordTest) {
          if (!right) return false;
          break;
        }
        if (right) break;
        ByteString answer = Password;
        bool skip = false;
        DoOnPassword(entry.StoredName, answer, skip);
        if (skip) {
          SkipCurrentFile = true;
          return false;
        }
        SetPassword(answer);
      }
    }

    // archive -> MAC -> cipher -> inflate -> CRC -> progress -> target
    const double progressSize = expected ? static_cast<double>(expected) : 2.0;
    StreamStage sink(target, DiskFullWriter());
    WatchStage watch(&sink, [&](std::uint64_t produced) {
      if (ReportProgress) {
        double file = 100.0 * static_cast<double>(produced) / progressSize;
        DoOnFileProgress(entry.StoredName, file, operation, ppProcess, CancelRequested);
        double all = TotalFiles ? (static_cast<double>(produced) / progressSize + static_cast<double>(ProcessedFiles)) /
                                      static_cast<double>(TotalFiles) * 100
                                : file;
        DoOnOverallProgress(all, operation, ppProcess, CancelRequested);
      }
      return !CancelRequested;
    });
    UnpackSettings settings;
    settings.method = method;
    settings.dataSize = compressed;
    settings.expected = expected;
    settings.cipher = cipher.get();
    UnpackedData data = UnpackEntryData(archive, settings, watch);
    if (!data.complete || CancelRequested) return false;
    if (data.produced != expected) return false;
    if (aes) return cipher->Verify(archive);
    return data.crc == entry.Header.Crc32;
  } catch (const EReadError&) {
    return false;  // a short read: the archive is cut short
  } catch (const EZlibError&) {
    return false;
  }
}

}  // namespace zip
