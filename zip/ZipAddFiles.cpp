// Adding files: the scan that selects them, the entries it fills, and the
// commit that writes new entries, copies kept ones and saves the directory,
// putting the archive back as it was when anything fails.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <functional>

#include "zip/CodePages.h"
#include "zip/EntryCrypto.h"
#include "zip/FileSystem.h"
#include "zip/WildcardMatch.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipLock.h"
#include "zip/ZipPaths.h"
#include "zip/ZlibBinding.h"
#include "zip/crypto/Crc32.h"

namespace zip {
namespace {

bool HasWildcards(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

bool IsAes(TZipCryptoAlgorithm m) { return m == caAES_128 || m == caAES_192 || m == caAES_256; }
int KeyBitsOf(TZipCryptoAlgorithm m) { return m == caAES_128 ? 128 : m == caAES_192 ? 192 : 256; }

}  // namespace

void TZipBaseArchiver::AddFiles(const std::string& fileMask, std::int32_t searchAttr,
                                const std::string& exclusionMask) {
  CheckInactive();
  CheckModifySpanning();
  TUniStringList masks{W(fileMask)};
  TUniStringList exclusions;
  if (!exclusionMask.empty()) exclusions.Add(W(exclusionMask));
  if (!InMemory) exclusions.Add(W(WideExpandFileName(FileName)));
  if (!VolumeFileName.empty() && VolumeFileName != FileName) exclusions.Add(W(WideExpandFileName(VolumeFileName)));
  BeginUpdate();
  try {
    InternalAddFiles(masks, searchAttr, Options.Recurse, exclusions);
    EndUpdate();
  } catch (...) {
    CancelUpdate();
    throw;
  }
}

void TZipBaseArchiver::AddFiles() {
  CheckInactive();
  CheckModifySpanning();
  TUniStringList exclusions;
  exclusions.Assign(ExclusionMasks);
  if (!InMemory) exclusions.Add(W(WideExpandFileName(FileName)));
  BeginUpdate();
  try {
    InternalAddFiles(FileMasks, Options.SearchAttr, Options.Recurse, exclusions);
    EndUpdate();
  } catch (...) {
    CancelUpdate();
    throw;
  }
}

void TZipBaseArchiver::InternalAddFiles(const TUniStringList& masks, std::int32_t searchAttr, bool recurse,
                                        const TUniStringList& exclusions) {
  ZipLockGuard lock;
  const std::string previous = WorkingFolder;
  struct Restore {
    std::string& folder;
    std::string value;
    ~Restore() { folder = value; }
  } restore{WorkingFolder, previous};
  std::string against = previous.empty() ? WideGetCurrentDir() : previous;
  WorkingFolder = DropTrailingBackslash(ResolveArchivePath(against, BaseDir, against));
  if (WorkingFolder.empty()) WorkingFolder = "/";
  for (int i = 0; i < masks.GetCount(); ++i) ScanMask(GetFullMask(U8(masks[i])), searchAttr, recurse, exclusions);
}

std::string TZipBaseArchiver::GetFullMask(const std::string& mask) const {
  if (!mask.empty() && mask[0] == '/') return mask;
  if (mask.rfind("./", 0) == 0) return AddTrailingBackslash(WorkingFolder) + mask.substr(2);
  if (mask.find("../") != std::string::npos) return mask;
  return AddTrailingBackslash(WorkingFolder) + mask;
}

bool TZipBaseArchiver::IsExcluded(const std::string& path, const TUniStringList& exclusions) const {
  if (exclusions.GetCount() == 0) return false;
  WideString full = W(path);
  WideString name = W(WideExtractFileName(path));
  for (int i = 0; i < exclusions.GetCount(); ++i) {
    const WideString& mask = exclusions[i];
    if (mask.empty()) continue;
    bool withPath = mask.find(u'/') != WideString::npos;
    if (WIsStrMatchPattern(withPath ? full : name, mask, true)) return true;
  }
  return false;
}

void TZipBaseArchiver::ScanMask(const std::string& fullMask, std::int32_t searchAttr, bool recurse,
                                const TUniStringList& exclusions) {
  const std::string folder = WideExtractFilePath(fullMask);
  const std::string namePart = WideExtractFileName(fullMask);
  const std::uint32_t fileAttr = static_cast<std::uint32_t>(searchAttr) & ~faDirectory;
  TSearchRecW rec;
  if (!namePart.empty() && WideFindFirst(fullMask, fileAttr, rec) == 0) {
    do {
      if (rec.Attr & faDirectory) continue;
      bool taken = (rec.Attr & fileAttr) != 0 || (rec.Attr == 0 && (searchAttr & 0x27) == 0x27);
      if (taken) TakeFoundItem(folder + rec.Name, rec.Attr, rec.Size, rec.Time, exclusions);
    } while (WideFindNext(rec) == 0);
  }
  WideFindClose(rec);
  if (!(searchAttr & faDirectory) && !recurse) return;
  const bool wild = HasWildcards(namePart);
  if (WideFindFirst(folder + "*", faHidden | faSysFile | faDirectory, rec) != 0) return;
  std::vector<TSearchRecW::Found> subfolders;
  do {
    if (rec.Attr & faDirectory) subfolders.push_back({rec.Name, rec.Attr, 0, rec.Time});
  } while (WideFindNext(rec) == 0);
  WideFindClose(rec);
  const WideString mask = W(fullMask);
  for (const auto& sub : subfolders) {
    const std::string path = folder + sub.name;
    if (IsExcluded(path, exclusions)) continue;
    if (searchAttr & faDirectory) {
      if (WIsStrMatchPattern(W(path), mask, true) || WIsStrMatchPattern(W(path + "."), mask, true)) {
        if (TakeFoundItem(path, sub.attr, 0, sub.time, exclusions)) ScanMask(path + "/" + namePart, searchAttr, recurse, exclusions);
        continue;
      }
    }
    if (recurse && wild) ScanMask(path + "/" + namePart, searchAttr, recurse, exclusions);
  }
}

bool TZipBaseArchiver::TakeFoundItem(const std::string& path, std::uint32_t attr, std::int64_t size,
                                     std::int32_t time, const TUniStringList& exclusions) {
  if (IsExcluded(path, exclusions)) return false;
  bool confirm = true;
  DoOnConfirmProcessFile(W(path), poAdd, confirm);
  if (!confirm) return false;
  int index = AddFileInit(path, time, attr, size);
  if (index < 0) return false;
  TDirItem* entry = dirManager->CurrentDirectory.GetItemPtr(index);
  const WideString name = W(WideExtractFileName(path));
  for (int i = 0; i < NoCompressionMasks.GetCount(); ++i) {
    if (WIsStrMatchPattern(name, NoCompressionMasks[i], true)) {
      entry->LevelCode = 0;
      entry->Header.Method = entry->ActualMethod = 0;
      break;
    }
  }
  if (!(attr & faDirectory) && (size >= 0xFFFFFFFFLL || Zip64Mode == zmAlways)) {
    entry->NeedsZip64 = true;
    entry->Zip64Values.UncompressedSize = static_cast<std::uint64_t>(size);
    entry->Header.UncompressedSize = 0xFFFFFFFF;
  }
  return true;
}

int TZipBaseArchiver::AddFileInit(const std::string& sourcePath, std::int32_t time, std::uint32_t attributes,
                                  std::int64_t size) {
  std::string stored = MakeStoredName(sourcePath, WorkingFolder, Options.StorePath, WorkingFolder);
  if (attributes & faDirectory) stored = AddTrailingBackslash(stored);
  WideString name = W(stored);
  std::int32_t attr = static_cast<std::int32_t>(attributes);
  ByteString comment;
  DoOnStoreFile(name, attr, comment, sourcePath);
  TZipDirArray& dir = dirManager->CurrentDirectory;
  int index = -1;
  std::uint8_t operation = poAdd;
  if (dir.FileExists(name, index)) {
    const TDirItem& old = *dir.GetItemPtr(index);
    std::uint32_t oldTime = (static_cast<std::uint32_t>(old.Header.Date) << 16) | old.Header.Time;
    bool replace = false;
    switch (Options.OverwriteMode) {
      case omPrompt: {
        WideString dest = name;
        DoOnConfirmOverwrite(W(sourcePath), dest, replace);
        break;
      }
      case omAlways: replace = true; break;
      case omNever: replace = false; break;
      case omIfNewer: replace = static_cast<std::uint32_t>(time) > oldTime; break;
      case omIfOlder: replace = static_cast<std::uint32_t>(time) < oldTime; break;
    }
    if (!replace) return -1;
    operation = poUpdate;
  } else {
    index = dir.GetCount();
    dir.SetCount(index + 1);
  }
  TDirItem item;
  FillDirItem(item, sourcePath, time, static_cast<std::uint32_t>(attr), size);
  item.StoredName = name;
  item.EntryComment = comment;
  item.PendingOperation = operation;
  dir.SetItem(index, item);
  return index;
}

void TZipBaseArchiver::FillDirItem(TDirItem& item, const std::string& path, std::int32_t time,
                                   std::uint32_t attributes, std::int64_t size) {
  const bool folder = attributes & faDirectory;
  TZipCentralDir& h = item.Header;
  h = TZipCentralDir();
  h.Signature = UsePkSignatures ? kCentralHeaderSig : kAltCentralHeaderSig;
  h.Flags = folder ? 0x0002 : (Password.empty() ? 0 : 1);
  h.Method = (folder || size == 0) ? 0 : NewEntryMethod;
  std::uint32_t dos = time != 0 ? static_cast<std::uint32_t>(time) : DateTimeToDos(std::time(nullptr));
  h.Time = static_cast<std::uint16_t>(dos);
  h.Date = static_cast<std::uint16_t>(dos >> 16);
  h.Crc32 = folder ? 0 : 0xFFFFFFFF;
  h.UncompressedSize = folder ? 0 : static_cast<std::uint32_t>(std::min<std::int64_t>(size, 0xFFFFFFFF));
  h.ExternalAttributes = attributes;
  if (!folder && !WideFileExists(path) && attributes == 0) h.ExternalAttributes = faArchive;
  item.EntryPassword = Password;
  item.SourcePath = path;
  item.LevelCode = folder ? 0 : CompressionMode;
  item.ActualMethod = h.Method;
  item.IsPending = true;
  item.ExtraBlocks.clear();
}

std::uint16_t TZipBaseArchiver::VersionFor(bool zip64) const {
  if (!UsePkSignatures) return zip64 ? kAltVersionZip64 : kAltVersion;
  if (zip64 || Zip64Mode == zmAlways) return kVersionZip64;
  return Options.OEMFileNames ? kVersionOem : kVersionAnsi;
}

std::string TZipBaseArchiver::GetTempFileName() {
  std::string folder = TempDir.empty() ? std::string() : TempDir;
  if (folder.empty()) {
    const char* env = ::getenv("TMPDIR");
    folder = env && *env ? env : "/tmp";
  }
  std::string pattern = AddTrailingBackslash(folder) + "FCXXXXXX";
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) Raise(19, {pattern});
  ::close(fd);
  return pattern;
}

void TZipBaseArchiver::ForceUpdate() {
  if (UpdateCount <= 0 || !dirManager) return;
  UpdateCount = 0;
  ResetCounters();
  CancelRequested = false;
  ReportProgress = true;
  TZipDirArray& dir = dirManager->CurrentDirectory;
  TZipDirArray& old = dirManager->RollbackDirectory;
  TStream& archive = *archiveStream;

  int firstPending = -1;
  for (int i = 0; i < dir.GetCount(); ++i) {
    const TDirItem* e = dir.GetItemPtr(i);
    if (!e->IsPending) continue;
    if (firstPending < 0) firstPending = i;
    ++TotalFiles;
    TotalBytes += static_cast<std::int64_t>(e->UncompressedSize());
  }
  int first = std::min(old.GetCount(), dir.GetCount());
  for (int i = 0; i < first; ++i) {
    if (old.GetItemPtr(i)->StoredName != dir.GetItemPtr(i)->StoredName || dir.GetItemPtr(i)->IsPending) {
      first = i;
      break;
    }
  }
  auto operation = static_cast<TZipProcessOperation>(firstPending >= 0 ? dir.GetItemPtr(firstPending)->PendingOperation
                                                                        : static_cast<std::uint8_t>(poDelete));
  DoOnOverallProgress(0, operation, ppStart, CancelRequested);
  if (CancelRequested) {
    dir.Assign(old);
    return;
  }

  std::unique_ptr<TUniFileStream> temp;
  std::string tempName;
  std::int64_t origin;
  bool aborted = false;
  std::exception_ptr failure;
  try {
    if (first < old.GetCount()) {
      origin = static_cast<std::int64_t>(old.GetItemPtr(first)->LocalHeaderOffset());
      tempName = GetTempFileName();
      temp = std::make_unique<TUniFileStream>(tempName, fmCreate);
      archive.SetPosition(origin);
      temp->CopyFrom(archive, -1);
    } else {
      origin = old.GetCount() > 0 ? dirManager->DirectoryOffset : dirManager->PrefixSize;
    }
  } catch (...) {
    if (temp) temp.reset(), WideDeleteFile(tempName);
    dir.Assign(old);
    throw;
  }
  struct ForgetPrepared {
    std::map<std::string, std::unique_ptr<EntryEncryptor>>& prepared;
    ~ForgetPrepared() { prepared.clear(); }
  } forget{preparedEncryptors};
  try {
    PrepareEncryption(first);
    archive.SetSize(origin);
    archive.SetPosition(origin);
    int i = first;
    while (i < dir.GetCount() && !CancelRequested) {
      TDirItem* entry = dir.GetItemPtr(i);
      bool rewrite = entry->IsPending && entry->PendingOperation != poRename &&
                     entry->PendingOperation != poChangeAttr && entry->PendingOperation != poChangeComment;
      TZipAction action = fxaIgnore;
      bool written = true;
      do {
        action = fxaIgnore;
        if (rewrite) written = WriteEntry(i, action, failure);
        else CopyEntry(i, temp.get(), origin);
      } while (rewrite && !written && action == fxaRetry && !CancelRequested);
      if (action == fxaAbort) aborted = true;
      if (aborted || CancelRequested) break;
      if (written) {
        ++ProcessedFiles;
        ++i;
        continue;
      }
      // Written in part and let pass: a new entry goes, a replaced one keeps
      // its old form.
      ++SkippedCount;
      if (entry->PendingOperation == poAdd) {
        dir.DeleteItem(i);
      } else {
        entry->IsPending = false;
        CopyEntry(i, temp.get(), origin);
        ++i;
      }
    }
    if (!aborted && !CancelRequested) {
      dirManager->SaveDir(true);
      if (temp) {
        temp->Close();
        temp.reset();
        WideDeleteFile(tempName);
      }
    }
  } catch (...) {
    RollBack(temp, tempName, origin);
    throw;
  }
  if (aborted || CancelRequested) {
    RollBack(temp, tempName, origin);
    // An entry that failed and was not let pass fails the whole commit.
    if (aborted && failure) std::rethrow_exception(failure);
    return;
  }
  for (int i = 0; i < dir.GetCount(); ++i) dir.GetItemPtr(i)->IsPending = false;
  DoOnOverallProgress(100, operation, ppEnd, CancelRequested);
  if (Options.FlushBuffers && !InMemory && !ExternalStream) archive.Flush();
}

void TZipBaseArchiver::PrepareEncryption(int first) {
  preparedEncryptors.clear();
  if (!UsePkSignatures || !IsAes(EncryptionMethod)) return;
  TZipDirArray& dir = dirManager->CurrentDirectory;
  std::vector<std::function<void()>> jobs;
  for (int i = first; i < dir.GetCount(); ++i) {
    const TDirItem& e = *dir.GetItemPtr(i);
    if (!e.IsPending || e.IsFolder() || e.EntryPassword.empty() || e.SourcePath.empty()) continue;
    if (preparedEncryptors.count(e.SourcePath)) continue;
    std::unique_ptr<EntryEncryptor>& slot = preparedEncryptors[e.SourcePath];
    jobs.push_back([&slot, bits = KeyBitsOf(EncryptionMethod), method = e.ActualMethod, password = e.EntryPassword] {
      try {
        slot = MakeAesEncryptor(bits, method, password);
      } catch (...) {
      }
    });
  }
  if (jobs.size() < 2) {
    preparedEncryptors.clear();  // one entry gains nothing from the threads
    return;
  }
  jobs.front()();  // the first one alone, so that the cipher library's tables exist before threads use them
  jobs.erase(jobs.begin());
  RunInParallel(jobs);
}

void TZipBaseArchiver::RollBack(std::unique_ptr<TUniFileStream>& temp, const std::string& tempName,
                                std::int64_t origin) {
  dirManager->CurrentDirectory.Assign(dirManager->RollbackDirectory);
  TStream& archive = *archiveStream;
  archive.SetSize(origin);
  archive.SetPosition(origin);
  if (temp) {
    temp->SetPosition(0);
    archive.CopyFrom(*temp, -1);
    temp->Close();
    temp.reset();
    WideDeleteFile(tempName);
  } else {
    dirManager->SaveDir(true);
  }
  if (Options.FlushBuffers && !InMemory && !ExternalStream) archive.Flush();
}

bool TZipBaseArchiver::WriteEntry(int index, TZipAction& action, std::exception_ptr& failure) {
  TStream& archive = *archiveStream;
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  const WideString eventName = operation == poUpdate ? entry.StoredName : W(entry.SourcePath);
  const std::int64_t start = archive.Position();
  try {
    SetCompMethod();
    DoOnFileProgress(eventName, 0, operation, ppStart, CancelRequested);
    if (CancelRequested) return false;
    const bool folder = entry.IsFolder();
    ByteString name;
    if (EncodeEntryName(entry.StoredName, Options.OEMFileNames, name)) entry.Header.Flags |= 0x0800;
    else entry.Header.Flags &= ~0x0800;
    std::unique_ptr<TUniFileStream> source;
    std::int64_t size = 0;
    if (!folder) {
      try {
        source = std::make_unique<TUniFileStream>(entry.SourcePath, fmOpenRead | fmShareDenyNone);
      } catch (const EStreamError&) {
        Raise(33, {entry.SourcePath});
      }
      size = source->Size();
    }
    TZipCentralDir& h = entry.Header;
    if (start >= 0xFFFFFFFFLL || Zip64Mode == zmAlways) {
      entry.NeedsZip64 = true;
      h.LocalHeaderOffset = 0xFFFFFFFF;
      entry.Zip64Values.LocalHeaderOffset = static_cast<std::uint64_t>(start);
    } else {
      h.LocalHeaderOffset = static_cast<std::uint32_t>(start);
      entry.Zip64Values.LocalHeaderOffset = 0;
    }
    const bool bigSource = size >= 0xFFFFFFFFLL || Zip64Mode == zmAlways;
    if (bigSource) {
      entry.NeedsZip64 = true;
      h.UncompressedSize = 0xFFFFFFFF;
      entry.Zip64Values.UncompressedSize = static_cast<std::uint64_t>(size);
    } else if (!folder) {
      h.UncompressedSize = static_cast<std::uint32_t>(size);
    }
    if (entry.NeedsZip64 && Zip64Mode == zmDisabled) Raise(43, {entry.SourcePath});
    if (!folder && size == 0) h.Method = entry.ActualMethod = 0;
    const bool aes = !folder && UsePkSignatures && IsAes(EncryptionMethod) && !entry.EntryPassword.empty();
    const bool localZip64 = h.UncompressedSize == 0xFFFFFFFF;
    h.VersionMadeBy = h.VersionNeeded = VersionFor(entry.NeedsZip64 || bigSource);
    entry.ExtraBlocks.clear();
    if (UnicodeFilenames) {
      TZipExtraFieldDataBlock block;
      block.HeaderId = kExtraUnicodeName;
      block.Data.resize(8 + 2 * entry.StoredName.size());
      StoreLE32(block.Data.data(), kUnicodeNameSig);
      StoreLE32(block.Data.data() + 4, static_cast<std::uint32_t>(entry.StoredName.size()));
      for (std::size_t k = 0; k < entry.StoredName.size(); ++k) StoreLE16(block.Data.data() + 8 + 2 * k, entry.StoredName[k]);
      block.DataSize = static_cast<std::uint16_t>(block.Data.size());
      entry.ExtraBlocks.push_back(std::move(block));
    }
    if (aes) {
      entry.ExtraBlocks.push_back(AesExtraField(KeyBitsOf(EncryptionMethod), entry.ActualMethod));
      h.Method = 99;
      entry.CipherKind = static_cast<std::uint8_t>(EncryptionMethod);
    }
    std::vector<std::uint8_t> local(TZipFileHeader::kSize);
    TZipFileHeader lh;
    lh.Signature = UsePkSignatures ? kLocalHeaderSig : kAltLocalHeaderSig;
    lh.VersionNeeded = h.VersionNeeded;
    lh.Flags = h.Flags;
    lh.Method = h.Method;
    lh.Time = h.Time;
    lh.Date = h.Date;
    lh.Crc32 = folder ? 0 : 0xFFFFFFFF;
    lh.CompressedSize = 0;
    lh.UncompressedSize = h.UncompressedSize;
    lh.NameLength = static_cast<std::uint16_t>(name.size());
    std::size_t extraLength = localZip64 ? 20 : 0;
    for (const auto& b : entry.ExtraBlocks) extraLength += 4 + b.Data.size();
    lh.ExtraLength = static_cast<std::uint16_t>(extraLength);
    lh.Pack(local.data());
    local.insert(local.end(), name.begin(), name.end());
    const std::size_t zip64At = local.size();
    if (localZip64) local.resize(local.size() + 20, 0);
    for (const auto& b : entry.ExtraBlocks) {
      std::uint8_t head[4];
      StoreLE16(head, b.HeaderId);
      StoreLE16(head + 2, static_cast<std::uint16_t>(b.Data.size()));
      local.insert(local.end(), head, head + 4);
      local.insert(local.end(), b.Data.begin(), b.Data.end());
    }
    WriteBufferToStream(archive, local.data(), local.size());
    if (source) {
      if (InternalCompressFile(*source, archive, entry)) {
        lh.Crc32 = h.Crc32;
        lh.CompressedSize = h.CompressedSize;
        lh.Method = h.Method;
        lh.Pack(local.data());
        if (localZip64) {
          StoreLE16(&local[zip64At], kExtraZip64);
          StoreLE16(&local[zip64At + 2], 16);
          StoreLE64(&local[zip64At + 4], entry.UncompressedSize());
          StoreLE64(&local[zip64At + 12], entry.CompressedSize());
        }
        std::int64_t end = archive.Position();
        archive.SetPosition(start);
        WriteBufferToStream(archive, local.data(), zip64At + (localZip64 ? 20 : 0));
        archive.SetPosition(end);
      }
      source->Close();
    }
    if (CancelRequested) return false;
    archive.Seek(0, SeekOrigin::End);
    DoOnFileProgress(eventName, 100, operation, ppEnd, CancelRequested);
    return true;
  } catch (const EZipException& e) {
    archive.SetSize(start);
    archive.SetPosition(start);
    DoOnProcessFileFailure(eventName, operation, e.NativeCode, e.MessageIndex, e.what(), action);
    if (action == fxaAbort) failure = std::current_exception();
    return false;
  }
}

bool TZipBaseArchiver::InternalCompressFile(TStream& source, TStream& destination, TDirItem& entry) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  const std::uint32_t blockSize = BlockSizeOfMode(entry.LevelCode);
  const bool encrypting = !entry.EntryPassword.empty();
  const bool aes = encrypting && UsePkSignatures && IsAes(EncryptionMethod);
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  const WideString eventName = W(entry.SourcePath);
  std::vector<std::uint8_t> in(static_cast<std::size_t>(std::max<std::int64_t>(1, std::min<std::int64_t>(blockSize, size))));
  std::uint32_t crc = 0xFFFFFFFF;
  std::unique_ptr<EntryEncryptor> cipher;
  std::uint64_t compressed = 0;
  if (encrypting && !aes) {
    // The traditional header carries the CRC, so it is known before the data.
    for (std::int64_t done = 0; done < size;) {
      std::size_t n = source.Read(in.data(), static_cast<std::size_t>(std::min<std::int64_t>(in.size(), size - done)));
      if (n == 0) break;
      crc = UpdateCrc32(crc, in.data(), static_cast<std::int64_t>(n));
      done += static_cast<std::int64_t>(n);
    }
    source.SetPosition(0);
    cipher = MakeTraditionalEncryptor(entry.EntryPassword, ~crc);
  } else if (aes) {
    auto prepared = preparedEncryptors.find(entry.SourcePath);
    if (prepared != preparedEncryptors.end() && prepared->second) {
      cipher = std::move(prepared->second);
      preparedEncryptors.erase(prepared);
    } else {
      cipher = MakeAesEncryptor(KeyBitsOf(EncryptionMethod), entry.ActualMethod, entry.EntryPassword);
    }
  }
  if (cipher) {
    std::vector<std::uint8_t> head = cipher->StartBlock();
    if (!WriteToStreamWithOnDiskFull(destination, head.data(), head.size())) return false;
    compressed += head.size();
  }
  const bool deflating = entry.ActualMethod == 8 && size > 0;
  z_stream zs{};
  if (deflating) CCheck(deflateInit2(&zs, entry.LevelCode, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY));
  struct EndDeflate {
    z_stream* zs;
    bool active;
    ~EndDeflate() {
      if (active) deflateEnd(zs);
    }
  } endDeflate{&zs, deflating};
  std::vector<std::uint8_t> out;
  std::int64_t done = 0;
  while (done < size) {
    if (ReportProgress) {
      DoOnFileProgress(eventName, size ? 100.0 * done / size : 0, operation, ppProcess, CancelRequested);
      double overall = TotalBytes ? 100.0 * (DoneBytes + done) / TotalBytes : 50;
      DoOnOverallProgress(overall, operation, ppProcess, CancelRequested);
      if (CancelRequested) break;
    }
    std::size_t n = source.Read(in.data(), static_cast<std::size_t>(std::min<std::int64_t>(in.size(), size - done)));
    if (n == 0) break;
    done += static_cast<std::int64_t>(n);
    if (!encrypting || aes) crc = UpdateCrc32(crc, in.data(), static_cast<std::int64_t>(n));
    const std::uint8_t* piece = in.data();
    std::size_t length = n;
    if (deflating) {
      out.resize(((n + n / 10 + 12 + 255) / 256) * 256);
      zs.next_in = in.data();
      zs.avail_in = static_cast<uInt>(n);
      const int flush = done == size ? Z_FINISH : Z_SYNC_FLUSH;
      length = 0;
      for (;;) {
        if (out.size() - length < 64) out.resize(out.size() * 2);
        zs.next_out = out.data() + length;
        zs.avail_out = static_cast<uInt>(out.size() - length);
        int r = CCheck(deflate(&zs, flush));
        length = out.size() - zs.avail_out;
        if (flush == Z_FINISH ? r == Z_STREAM_END : (zs.avail_in == 0 && zs.avail_out != 0)) break;
      }
      piece = out.data();
    } else if (cipher) {
      out.assign(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(n));
      piece = out.data();
    }
    if (cipher) cipher->Encrypt(const_cast<std::uint8_t*>(piece), length);
    if (!WriteToStreamWithOnDiskFull(destination, piece, length)) {
      done -= static_cast<std::int64_t>(n);
      break;
    }
    compressed += length;
  }
  DoneBytes += size;
  if (cipher && !CancelRequested) {
    std::vector<std::uint8_t> tail = cipher->EndBlock();
    if (WriteToStreamWithOnDiskFull(destination, tail.data(), tail.size())) compressed += tail.size();
  }
  TZipCentralDir& h = entry.Header;
  h.Crc32 = ~crc;
  const bool big = compressed >= 0xFFFFFFFFull || static_cast<std::uint64_t>(size) >= 0xFFFFFFFFull ||
                   Zip64Mode == zmAlways;
  if (big) {
    entry.NeedsZip64 = true;
    h.CompressedSize = h.UncompressedSize = 0xFFFFFFFF;
    entry.Zip64Values.CompressedSize = compressed;
    entry.Zip64Values.UncompressedSize = static_cast<std::uint64_t>(size);
    if (Zip64Mode == zmDisabled) Raise(41, {entry.SourcePath});
  } else {
    h.CompressedSize = static_cast<std::uint32_t>(compressed);
    h.UncompressedSize = static_cast<std::uint32_t>(size);
  }
  if (size == 0 && UsePkSignatures) {
    entry.ActualMethod = 0;
    // An empty AES entry keeps method 99 with the real method 0 in its
    // 0x9901 field, as other tools write and expect it.
    if (!aes) h.Method = 0;
  }
  if (deflating) {
    endDeflate.active = false;
    int r = deflateEnd(&zs);
    if (!CancelRequested) CCheck(r == Z_DATA_ERROR ? Z_OK : r);
  }
  if (done == size) return true;
  if (CancelRequested) return false;
  Raise(34, {static_cast<std::int64_t>(size), done});
}

void TZipBaseArchiver::CopyEntry(int index, TStream* temp, std::int64_t origin) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  TZipDirArray& old = dirManager->RollbackDirectory;
  TDirItem* entry = dir.GetItemPtr(index);
  int at = -1;
  if (!old.FileExists(entry->StoredName, at)) Raise(7);
  if (!temp) Raise(6);
  if (entry->PendingOperation == poUpdate && !entry->IsPending) *entry = *old.GetItemPtr(at);
  const TDirItem& before = *old.GetItemPtr(at);
  std::int64_t from = static_cast<std::int64_t>(before.LocalHeaderOffset()) - origin;
  std::uint8_t raw[TZipFileHeader::kSize];
  temp->SetPosition(from);
  temp->ReadBuffer(raw, sizeof raw);
  TZipFileHeader lh;
  lh.Unpack(raw);
  std::int64_t length = static_cast<std::int64_t>(TZipFileHeader::kSize) + lh.NameLength + lh.ExtraLength +
                        static_cast<std::int64_t>(before.CompressedSize());
  if (lh.Flags & 0x0008) {
    // Keep the data descriptor that another tool wrote after the data.
    std::uint8_t sig[4] = {0, 0, 0, 0};
    temp->SetPosition(from + length);
    std::size_t got = temp->Read(sig, 4);
    length += (got == 4 && LoadLE32(sig) == kDataDescriptorSig) ? (before.NeedsZip64 ? 24 : 16) : 12;
  }
  TStream& archive = *archiveStream;
  std::int64_t target = archive.Position();
  if (target >= 0xFFFFFFFFLL) {
    entry->NeedsZip64 = true;
    entry->Header.LocalHeaderOffset = 0xFFFFFFFF;
    entry->Zip64Values.LocalHeaderOffset = static_cast<std::uint64_t>(target);
  } else {
    entry->Header.LocalHeaderOffset = static_cast<std::uint32_t>(target);
  }
  temp->SetPosition(from);
  std::vector<std::uint8_t> buffer(1 << 20);
  for (std::int64_t left = length; left > 0;) {
    std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(left, buffer.size()));
    temp->ReadBuffer(buffer.data(), n);
    if (!WriteToStreamWithOnDiskFull(archive, buffer.data(), n)) return;
    left -= static_cast<std::int64_t>(n);
  }
}

}  // namespace zip
