// Adding files: the scan that selects them and the entries it fills; the
// commit (ZipCommit.cpp) writes them.
#include <algorithm>
#include <ctime>

#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/WildcardMatch.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipLock.h"
#include "zip/ZipPaths.h"

namespace zip {
namespace {

bool HasWildcards(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

}  // namespace

void TZipBaseArchiver::AddFiles(const std::string& fileMask, std::int32_t searchAttr,
                                const std::string& exclusionMask) {
  AddOrMoveByMask(fileMask, searchAttr, exclusionMask, false);
}

void TZipBaseArchiver::AddFiles() { AddOrMoveListed(false); }

void TZipBaseArchiver::AddOrMoveByMask(const std::string& fileMask, std::int32_t searchAttr,
                                       const std::string& exclusionMask, bool moving) {
  CheckInactive();
  CheckModifySpanning();
  TUniStringList masks{W(fileMask)};
  TUniStringList exclusions;
  if (!exclusionMask.empty()) exclusions.Add(W(exclusionMask));
  if (!InMemory) exclusions.Add(W(WideExpandFileName(FileName)));
  if (!VolumeFileName.empty() && VolumeFileName != FileName) exclusions.Add(W(WideExpandFileName(VolumeFileName)));
  AddOrMoveFiles(masks, searchAttr, exclusions, moving);
}

void TZipBaseArchiver::AddOrMoveListed(bool moving) {
  CheckInactive();
  CheckModifySpanning();
  TUniStringList exclusions;
  exclusions.Assign(ExclusionMasks);
  if (!InMemory) exclusions.Add(W(WideExpandFileName(FileName)));
  AddOrMoveFiles(FileMasks, Options.SearchAttr, exclusions, moving);
}

void TZipBaseArchiver::AddOrMoveFiles(const TUniStringList& masks, std::int32_t searchAttr,
                                      const TUniStringList& exclusions, bool moving) {
  BeginUpdate();
  try {
    MovingFiles = moving;
    InternalAddFiles(masks, searchAttr, Options.Recurse, exclusions);
    MovingFiles = false;
    EndUpdate();
  } catch (...) {
    MovingFiles = false;
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
  DoOnConfirmProcessFile(W(path), MovingFiles ? poMove : poAdd, confirm);
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
                                  std::int64_t size, const WideString* storedName) {
  WideString name;
  if (storedName) {
    name = Slashed(*storedName);
  } else {
    std::string stored = MakeStoredName(sourcePath, WorkingFolder, Options.StorePath, WorkingFolder);
    if (attributes & faDirectory) stored = AddTrailingBackslash(stored);
    name = W(stored);
  }
  std::int32_t attr = static_cast<std::int32_t>(attributes);
  ByteString comment;
  DoOnStoreFile(name, attr, comment, sourcePath);
  TZipDirArray& dir = dirManager->CurrentDirectory;
  int index = -1;
  std::uint8_t operation = poAdd;
  if (dir.FileExists(name, index)) {
    const bool replace = ReplacesByMode(Options.OverwriteMode, static_cast<std::uint32_t>(time),
                                        dir.GetItemPtr(index)->DosDateTime(), [&](bool& answer) {
                                          WideString dest = name;
                                          DoOnConfirmOverwrite(W(sourcePath), dest, answer);
                                        });
    if (!replace) return -1;
    operation = poUpdate;
  } else {
    index = dir.GetCount();
    dir.SetCount(index + 1);
  }
  if (MovingFiles) operation = poMove;
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

}  // namespace zip
