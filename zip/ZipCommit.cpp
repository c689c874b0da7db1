// The commit of an update bracket: writes the new form of the archive into
// a new file (or memory, or a new set of volumes) from the old one: entries
// before the first change as one raw copy, new and replaced entries packed,
// kept ones copied as they are, then the directory. Only a complete new
// form replaces the archive; a failure or a cancel drops it and leaves the
// archive as it was.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

#include "zip/ArchiveTarget.h"
#include "zip/CodePages.h"
#include "zip/EntryCrypto.h"
#include "zip/EntryPacking.h"
#include "zip/FileSystem.h"
#include "zip/PackAhead.h"
#include "zip/StreamStage.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipPaths.h"
#include "zip/ZipVolumes.h"

namespace zip {
namespace {

// Pending entries whose data is packed anew; the others are copied.
bool Rewrites(const TDirItem& e) {
  return e.IsPending && e.PendingOperation != poRename && e.PendingOperation != poChangeAttr &&
         e.PendingOperation != poChangeComment && e.PendingOperation != poMerge;
}

// What the manager holds about the file besides the entries; a commit that
// does not go through puts it back.
struct DirState {
  std::int64_t DirectoryOffset;
  TZipCentralDirEnd EndRecord;
  TZip64CentralDirEnd Zip64EndRecord;
  TZip64CentralDirEndLocator Zip64Locator;
  bool HasZip64;
  explicit DirState(const TZipDirManager& m)
      : DirectoryOffset(m.DirectoryOffset),
        EndRecord(m.EndRecord),
        Zip64EndRecord(m.Zip64EndRecord),
        Zip64Locator(m.Zip64Locator),
        HasZip64(m.HasZip64) {}
  void Restore(TZipDirManager& m) const {
    m.DirectoryOffset = DirectoryOffset;
    m.EndRecord = EndRecord;
    m.Zip64EndRecord = Zip64EndRecord;
    m.Zip64Locator = Zip64Locator;
    m.HasZip64 = HasZip64;
  }
};

// Keeps a local header of `length` bytes in one volume and notes in the
// entry where it starts.
void PlaceHeader(TArchiveTarget& target, std::uint64_t length, TDirItem& entry) {
  target.KeepTogether(length);
  entry.SetDiskNumberStart(target.Disk());
  entry.SetLocalHeaderOffset(static_cast<std::uint64_t>(target.Offset()));
}

}  // namespace

std::string TZipBaseArchiver::GetTempFileName() {
  std::string folder = TempDir;
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

std::int64_t TZipBaseArchiver::EntryPosition(const TDirItem& entry) const {
  const auto offset = static_cast<std::int64_t>(entry.LocalHeaderOffset());
  if (!volumes) return offset;
  const std::uint32_t disk =
      entry.Header.DiskNumberStart == 0xFFFF ? entry.Zip64Values.DiskNumberStart : entry.Header.DiskNumberStart;
  return volumes->Position(disk, offset);
}

std::unique_ptr<TArchiveTarget> TZipBaseArchiver::MakeCommitTarget(std::int64_t origin) {
  if (SpanningMode != smNone) return MakeVolumeTarget();
  if (!CommitPath.empty()) return std::make_unique<TReplacementFile>(CommitPath, Options.FlushBuffers);
  if (ExternalStream) return std::make_unique<TInPlaceTarget>(*archiveStream, origin);
  if (InMemory) return std::make_unique<TMemoryTarget>();
  return std::make_unique<TReplacementFile>(VolumeFileName, Options.FlushBuffers);
}

void TZipBaseArchiver::AdoptTarget(TArchiveTarget& target) {
  PendingCreate = false;
  if (auto* file = dynamic_cast<TReplacementFile*>(&target)) {
    ownedStream = file->TakeStream();
    archiveStream = ownedStream.get();
  } else if (auto* memory = dynamic_cast<TMemoryTarget*>(&target)) {
    ownedStream = memory->TakeStream();
    archiveStream = ownedStream.get();
  } else if (dynamic_cast<TInPlaceTarget*>(&target)) {
    // The caller's stream holds the new form already.
  } else if (auto* set = dynamic_cast<TVolumeTarget*>(&target)) {
    VolumeInfo.LastNumber = static_cast<std::int32_t>(set->Volumes()) - 1;
    // Spanned volumes went away with their disks; split ones are read back
    // as they now lie in their folder.
    if (SpanningMode == smSpanning) AdoptSpannedSet(set->Sizes());
    else OpenVolumeSet();
    return;
  }
  dirManager->ArchiveStream = archiveStream;
}

void TZipBaseArchiver::RestoreRollback() {
  dirManager->CurrentDirectory.Assign(dirManager->RollbackDirectory);
  dirManager->Comment = RollbackComment;
}

void TZipBaseArchiver::ForceUpdate() {
  if (UpdateCount <= 0 || !dirManager) return;
  UpdateCount = 0;
  ResetCounters();
  CancelRequested = false;
  ReportProgress = true;
  overlapsKnown = false;
  TZipDirArray& dir = dirManager->CurrentDirectory;
  TZipDirArray& old = dirManager->RollbackDirectory;

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
  // Nothing changed: the archive stays as it is.
  if (firstPending < 0 && first == old.GetCount() && first == dir.GetCount() && dirManager->Comment == RollbackComment &&
      CommitPath.empty())
    return;
  // A new set of volumes, or a repaired archive, is written whole.
  const bool whole = SpanningMode != smNone || !CommitPath.empty();
  if (whole) first = 0;
  auto operation = static_cast<TZipProcessOperation>(firstPending >= 0 ? dir.GetItemPtr(firstPending)->PendingOperation
                                                                        : static_cast<std::uint8_t>(poDelete));
  DoOnOverallProgress(0, operation, ppStart, CancelRequested);
  if (CancelRequested) {
    RestoreRollback();
    CommitFailed = true;
    return;
  }
  // Everything before P stays as it is and is copied in one piece.
  std::int64_t origin = whole ? (CommitPath.empty() ? dirManager->PrefixSize : 0) : 0;
  if (!whole) {
    if (first < old.GetCount()) origin = EntryPosition(*old.GetItemPtr(first));
    else origin = old.GetCount() > 0 ? dirManager->DirectoryOffset : dirManager->PrefixSize;
  }

  const DirState before(*dirManager);
  std::unique_ptr<TArchiveTarget> target;
  try {
    target = MakeCommitTarget(origin);
  } catch (...) {
    RestoreRollback();
    CommitFailed = true;
    throw;
  }
  // Where kept entries are copied from: the old archive, or the old bytes
  // that an in-place rewrite keeps aside.
  auto* inPlace = dynamic_cast<TInPlaceTarget*>(target.get());
  copySource = inPlace ? &inPlace->OldBytes() : archiveStream;
  copyShift = inPlace ? origin : 0;
  // The entries to pack, in the writer's order; helpers take those that are
  // files or streams of the entry's own, and small enough.
  std::vector<PackAhead::Slot> slots;
  std::size_t eligible = 0;
  for (int i = first; i < dir.GetCount(); ++i) {
    const TDirItem& e = *dir.GetItemPtr(i);
    if (!Rewrites(e)) continue;
    PackAhead::Slot slot;
    slot.request = RequestFor(e, UsePkSignatures, EncryptionMethod, Name);
    slot.estimate = e.UncompressedSize() + 64;
    slot.eligible = !e.IsFolder() && (e.SourceStream ? e.OwnsSourceStream : !e.SourcePath.empty()) &&
                    e.UncompressedSize() <= PackAhead::kLargestEntry;
    if (slot.eligible) ++eligible;
    slots.push_back(std::move(slot));
  }
  PackAhead ahead(std::move(slots), PackAhead::HelpersFor(PackThreads, eligible));

  bool aborted = false;
  std::exception_ptr failure;
  std::vector<std::string> movedFiles, movedFolders;
  try {
    if (!inPlace && origin > 0 && !CopyStreamRange(*archiveStream, 0, origin, target->Stream(), DiskFullWriter()))
      CancelRequested = true;
    int i = first;
    std::size_t slot = 0;
    while (i < dir.GetCount() && !CancelRequested) {
      TDirItem* entry = dir.GetItemPtr(i);
      const bool rewrite = Rewrites(*entry);
      std::optional<PackedEntry> packed;
      if (rewrite) packed = ahead.Take(slot++);
      TZipAction action = fxaIgnore;
      bool written = true;
      const bool merged = entry->IsPending && entry->PendingOperation == poMerge;
      if (merged) {
        DoOnFileProgress(entry->StoredName, 0, poMerge, ppStart, CancelRequested);
        if (CancelRequested) break;
      }
      do {
        action = fxaIgnore;
        if (rewrite) written = WriteEntry(i, *target, packed, action, failure);
        else CopyEntry(i, *target);
      } while (rewrite && !written && action == fxaRetry && !CancelRequested);
      if (merged) DoOnFileProgress(dir.GetItemPtr(i)->StoredName, 100, poMerge, ppEnd, CancelRequested);
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
      int was = -1;
      if (!old.FileExists(entry->StoredName, was)) {
        dir.DeleteItem(i);
      } else {
        dir.SetItem(i, *old.GetItemPtr(was));
        dir.GetItemPtr(i)->IsPending = false;
        CopyEntry(i, *target);
        ++i;
      }
    }
    ahead.Stop();
    for (int k = 0; k < dir.GetCount(); ++k) {
      const TDirItem* e = dir.GetItemPtr(k);
      if (e->IsPending && e->PendingOperation == poMove && !e->SourcePath.empty())
        (e->IsFolder() ? movedFolders : movedFiles).push_back(e->SourcePath);
    }
    if (!aborted && !CancelRequested) {
      dirManager->WriteDirectory(*target);
      target->Commit();
      AdoptTarget(*target);
    }
  } catch (...) {
    ahead.Stop();
    target.reset();
    before.Restore(*dirManager);
    RestoreRollback();
    CommitFailed = true;
    throw;
  }
  if (aborted || CancelRequested) {
    target.reset();
    before.Restore(*dirManager);
    RestoreRollback();
    CommitFailed = true;
    // An entry that failed and was not let pass fails the whole commit.
    if (aborted && failure) std::rethrow_exception(failure);
    return;
  }
  for (int k = 0; k < dir.GetCount(); ++k) {
    TDirItem* e = dir.GetItemPtr(k);
    e->IsPending = false;
    e->RawSource = nullptr;
  }
  DeleteMovedSources(movedFiles, movedFolders);
  DoOnOverallProgress(100, operation, ppEnd, CancelRequested);
}

bool TZipBaseArchiver::WriteEntry(int index, TArchiveTarget& target, std::optional<PackedEntry>& packed,
                                  TZipAction& action, std::exception_ptr& failure) {
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  const bool fromFile = operation == poAdd || operation == poMove;
  const WideString eventName = fromFile && !entry.SourcePath.empty() ? W(entry.SourcePath) : entry.StoredName;
  // A volume set takes each entry whole once it is written: it goes to a
  // spool first, where its header can be completed (a temporary file for a
  // large one).
  std::unique_ptr<TStream> spool;
  if (!target.Seekable()) {
    if (entry.UncompressedSize() > PackAhead::kLargestEntry) {
      const std::string name = GetTempFileName();
      spool = std::make_unique<TUniFileStream>(name, fmOpenReadWrite);
      WideDeleteFile(name);  // gone with its last handle
    } else {
      spool = std::make_unique<TMemoryStream>();
    }
  }
  TStream& out = spool ? *spool : target.Stream();
  const std::int64_t start = out.Position();
  std::optional<PackedEntry> mine = std::move(packed);
  packed.reset();
  try {
    SetCompMethod();
    DoOnFileProgress(eventName, 0, operation, ppStart, CancelRequested);
    if (CancelRequested) return false;
    const bool folder = entry.IsFolder();
    ByteString name;
    if (EncodeEntryName(entry.StoredName, Options.OEMFileNames, name)) entry.Header.Flags |= 0x0800;
    else entry.Header.Flags &= ~0x0800;
    const PackRequest request = RequestFor(entry, UsePkSignatures, EncryptionMethod, Name);
    if (mine && mine->failure) std::rethrow_exception(mine->failure);
    OpenedSource source;
    std::int64_t size = 0;
    if (!folder) {
      if (mine) {
        size = mine->size;
      } else {
        source.Open(request);
        size = source.size;
      }
    }
    TZipCentralDir& h = entry.Header;
    // In a spool its place in the volumes is known when it is placed.
    if (spool) entry.SetLocalHeaderOffset(0);
    else entry.SetLocalHeaderOffset(static_cast<std::uint64_t>(start), Zip64Mode == zmAlways);
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
    if (UnicodeFilenames) entry.ExtraBlocks.push_back(UnicodeNameField(entry.StoredName));
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
    std::size_t extraLength = localZip64 ? kLocalZip64FieldSize : 0;
    for (const auto& b : entry.ExtraBlocks) extraLength += 4 + b.Data.size();
    lh.ExtraLength = static_cast<std::uint16_t>(extraLength);
    lh.Pack(local.data());
    local.insert(local.end(), name.begin(), name.end());
    const std::size_t zip64At = local.size();
    if (localZip64) local.resize(local.size() + kLocalZip64FieldSize, 0);
    for (const auto& b : entry.ExtraBlocks) AppendExtraField(local, b);
    WriteBufferToStream(out, local.data(), local.size());
    if (!folder) {
      bool complete = mine ? WritePackedEntry(*mine, out, entry)
                           : InternalCompressFile(*source.stream, size, out, entry, request);
      source.Rewind(request);
      if (complete) {
        lh.Crc32 = h.Crc32;
        lh.CompressedSize = h.CompressedSize;
        lh.Method = h.Method;
        lh.Pack(local.data());
        if (localZip64) StoreLocalZip64Field(&local[zip64At], entry.UncompressedSize(), entry.CompressedSize());
        std::int64_t end = out.Position();
        out.SetPosition(start);
        WriteBufferToStream(out, local.data(), zip64At + (localZip64 ? kLocalZip64FieldSize : 0));
        out.SetPosition(end);
      }
    }
    if (CancelRequested) return false;
    out.Seek(0, SeekOrigin::End);
    if (spool) PlaceRecord(target, *spool, local.size(), entry);
    DoOnFileProgress(eventName, 100, operation, ppEnd, CancelRequested);
    return true;
  } catch (const EZipException& e) {
    if (!spool) {
      out.SetSize(start);
      out.SetPosition(start);
    }
    DoOnProcessFileFailure(eventName, operation, e.NativeCode, e.MessageIndex, e.what(), action);
    if (action == fxaAbort) failure = std::current_exception();
    return false;
  }
}

bool TZipBaseArchiver::InternalCompressFile(TStream& source, std::int64_t size, TStream& destination,
                                            TDirItem& entry, const PackRequest& request) {
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  const WideString eventName = entry.SourcePath.empty() ? entry.StoredName : W(entry.SourcePath);
  std::unique_ptr<EntryEncryptor> cipher = MakeEntryCipher(request, source, size);
  PackSettings settings;
  settings.method = entry.ActualMethod;
  settings.level = entry.LevelCode;
  settings.blockSize = BlockSizeOfMode(entry.LevelCode);
  settings.cipher = cipher.get();
  StreamStage sink(destination, DiskFullWriter());
  PackedSizes sizes = PackEntryData(source, size, settings, sink, [&](std::int64_t done) {
    if (ReportProgress) {
      DoOnFileProgress(eventName, size ? 100.0 * static_cast<double>(done) / static_cast<double>(size) : 0, operation,
                       ppProcess, CancelRequested);
      double overall =
          TotalBytes ? 100.0 * static_cast<double>(DoneBytes + done) / static_cast<double>(TotalBytes) : 50;
      DoOnOverallProgress(overall, operation, ppProcess, CancelRequested);
    }
    return !CancelRequested;
  });
  return ApplyPackedSizes(entry, sizes, size, CancelRequested);
}

bool TZipBaseArchiver::WritePackedEntry(PackedEntry& packed, TStream& destination, TDirItem& entry) {
  const auto operation = static_cast<TZipProcessOperation>(entry.PendingOperation);
  const WideString eventName = entry.SourcePath.empty() ? entry.StoredName : W(entry.SourcePath);
  const std::size_t total = packed.data.size();
  constexpr std::size_t kPiece = 0x100000;
  bool taken = true;
  for (std::size_t done = 0; done < total || done == 0; done += kPiece) {
    if (ReportProgress) {
      const double part = total ? static_cast<double>(done) / static_cast<double>(total) : 0;
      DoOnFileProgress(eventName, 100.0 * part, operation, ppProcess, CancelRequested);
      double overall = TotalBytes ? 100.0 * (static_cast<double>(DoneBytes) + part * static_cast<double>(packed.size)) /
                                        static_cast<double>(TotalBytes)
                                  : 50;
      DoOnOverallProgress(overall, operation, ppProcess, CancelRequested);
    }
    if (CancelRequested) {
      taken = false;
      break;
    }
    if (total == 0) break;
    const std::size_t n = std::min(kPiece, total - done);
    if (!WriteToStreamWithOnDiskFull(destination, packed.data.data() + done, n)) {
      taken = false;
      break;
    }
  }
  PackedSizes sizes = packed.sizes;
  sizes.complete = sizes.complete && taken;
  return ApplyPackedSizes(entry, sizes, packed.size, CancelRequested);
}

bool TZipBaseArchiver::ApplyPackedSizes(TDirItem& entry, const PackedSizes& sizes, std::int64_t size,
                                        bool cancelled) {
  DoneBytes += size;
  const bool aes = !entry.EntryPassword.empty() && UsePkSignatures && IsAes(EncryptionMethod);
  TZipCentralDir& h = entry.Header;
  h.Crc32 = sizes.crc;
  const std::uint64_t compressed = sizes.written;
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
  if (sizes.complete) return true;
  if (cancelled || CancelRequested) return false;
  if (sizes.read == static_cast<std::uint64_t>(size)) return false;  // the archive gave up (disk full, cancelled)
  Raise(34, {static_cast<std::int64_t>(size), static_cast<std::int64_t>(sizes.read)});
}

void TZipBaseArchiver::CopyEntry(int index, TArchiveTarget& target) {
  TDirItem* entry = dirManager->CurrentDirectory.GetItemPtr(index);
  TStream& from = entry->RawSource ? *entry->RawSource : *copySource;
  const std::int64_t at = entry->RawSource ? static_cast<std::int64_t>(entry->LocalHeaderOffset())
                                           : EntryPosition(*entry) - copyShift;
  TZipFileHeader lh = ReadLocalHeader(from, at);
  const std::int64_t headerLength = lh.Length();
  std::int64_t dataLength = static_cast<std::int64_t>(entry->CompressedSize());
  if (lh.Flags & 0x0008) {
    // Keep the data descriptor that another tool wrote after the data.
    std::uint8_t sig[4] = {0, 0, 0, 0};
    from.SetPosition(at + headerLength + dataLength);
    std::size_t got = from.Read(sig, 4);
    dataLength += (got == 4 && LoadLE32(sig) == kDataDescriptorSig) ? (entry->NeedsZip64 ? 24 : 16) : 12;
  }
  const bool renamed = entry->PendingOperation == poRename && entry->IsPending;
  std::vector<std::uint8_t> header(static_cast<std::size_t>(headerLength));
  if (renamed) {
    // A new header for the new name; the data stays as it is.
    ByteString name;
    if (EncodeEntryName(entry->StoredName, Options.OEMFileNames, name)) entry->Header.Flags |= 0x0800;
    else entry->Header.Flags &= ~0x0800;
    lh.Flags = static_cast<std::uint16_t>((lh.Flags & ~0x0800) | (entry->Header.Flags & 0x0800));
    const bool zip64 = lh.UncompressedSize == 0xFFFFFFFF;
    std::vector<std::uint8_t> extra;
    if (zip64) {
      extra.resize(kLocalZip64FieldSize);
      StoreLocalZip64Field(extra.data(), entry->UncompressedSize(), entry->CompressedSize());
    }
    for (const auto& b : entry->ExtraBlocks)
      if (b.HeaderId != kExtraZip64) AppendExtraField(extra, b);
    lh.NameLength = static_cast<std::uint16_t>(name.size());
    lh.ExtraLength = static_cast<std::uint16_t>(extra.size());
    header.resize(TZipFileHeader::kSize);
    lh.Pack(header.data());
    header.insert(header.end(), name.begin(), name.end());
    header.insert(header.end(), extra.begin(), extra.end());
  } else {
    from.SetPosition(at);
    from.ReadBuffer(header.data(), header.size());
  }
  PlaceHeader(target, header.size(), *entry);
  if (!WriteToStreamWithOnDiskFull(target.Stream(), header.data(), header.size())) return;
  if (!CopyStreamRange(from, at + headerLength, dataLength, target.Stream(), DiskFullWriter())) CancelRequested = true;
}

void TZipBaseArchiver::PlaceRecord(TArchiveTarget& target, TStream& spool, std::uint64_t headerLength,
                                   TDirItem& entry) {
  PlaceHeader(target, headerLength, entry);
  // Into the volumes in pieces, with their own progress event.
  const std::int64_t size = spool.Size();
  constexpr std::int64_t kPiece = 1000000;
  std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min(size, kPiece)));
  DoOnCopyTempFileProgress(0, ppStart, CancelRequested);
  spool.SetPosition(0);
  for (std::int64_t done = 0; done < size && !CancelRequested;) {
    const auto n = static_cast<std::size_t>(std::min(size - done, kPiece));
    spool.ReadBuffer(piece.data(), n);
    if (!WriteToStreamWithOnDiskFull(target.Stream(), piece.data(), n)) return;
    done += static_cast<std::int64_t>(n);
    DoOnCopyTempFileProgress(100.0 * static_cast<double>(done) / static_cast<double>(size), ppProcess, CancelRequested);
  }
  if (!CancelRequested) DoOnCopyTempFileProgress(100, ppEnd, CancelRequested);
}

void TZipBaseArchiver::DeleteMovedSources(const std::vector<std::string>& files, std::vector<std::string> folders) {
  auto retrying = [this](const std::string& path, int code, const std::function<bool()>& attempt) {
    TZipAction action;
    do {
      action = fxaIgnore;
      if (attempt()) return;
      try {
        Raise(code, {path});
      } catch (const EZipException& e) {
        DoOnProcessFileFailure(W(path), poMove, e.NativeCode, e.MessageIndex, e.what(), action);
        if (action == fxaAbort) throw;
      }
    } while (action == fxaRetry);
  };
  for (const std::string& path : files) {
    retrying(path, 27, [&] {
      if (WideDeleteFile(path) || !WideFileExists(path)) return true;
      WideFileSetAttr(path, 0);
      return WideDeleteFile(path);
    });
  }
  // Deepest first, so that a folder emptied by its subfolders goes too.
  std::sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& path : folders) retrying(path, 60, [&] { return DelTreeIfNoFiles(path); });
}

}  // namespace zip
