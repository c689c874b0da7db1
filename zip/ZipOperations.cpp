// The archive operations besides adding and extracting: moving, deleting,
// freshening and testing entries, renaming them and changing their
// attributes and comments, checking a password, adding from streams,
// buffers and strings, and checking an archive. Each is a bracket around
// the scan, the tagged-entry batch or a change of the directory; the
// commit (ZipCommit.cpp) writes the result.
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "zip/CodePages.h"
#include "zip/EntryCrypto.h"
#include "zip/FileSystem.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipPaths.h"

namespace zip {
namespace {

bool StartsWithNoCase(const WideString& s, const WideString& prefix) {
  return s.size() >= prefix.size() && WideLowerCase(s.substr(0, prefix.size())) == WideLowerCase(prefix);
}

}  // namespace

void TZipBaseArchiver::MoveFiles(const std::string& fileMask, std::int32_t searchAttr,
                                 const std::string& exclusionMask) {
  AddOrMoveByMask(fileMask, searchAttr, exclusionMask, true);
}

void TZipBaseArchiver::MoveFiles() { AddOrMoveListed(true); }

void TZipBaseArchiver::TagAndProcess(const WideString* fileMask, std::int32_t searchAttr,
                                     const WideString& exclusionMask, TZipProcessOperation operation) {
  if (fileMask) TagFiles(*fileMask, searchAttr, exclusionMask);
  else TagFiles();
  ProcessTaggedFiles(operation, -1);
}

void TZipBaseArchiver::DeleteFiles() {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] { TagAndProcess(nullptr, 0, WideString(), poDelete); });
}

void TZipBaseArchiver::DeleteFiles(const WideString& fileMask, std::int32_t searchAttr,
                                   const WideString& exclusionMask) {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] { TagAndProcess(&fileMask, searchAttr, exclusionMask, poDelete); });
}

void TZipBaseArchiver::UpdateFiles() {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] { TagAndProcess(nullptr, 0, WideString(), poUpdate); });
}

void TZipBaseArchiver::UpdateFiles(const WideString& fileMask, std::int32_t searchAttr,
                                   const WideString& exclusionMask) {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] { TagAndProcess(&fileMask, searchAttr, exclusionMask, poUpdate); });
}

void TZipBaseArchiver::TestFiles() {
  CheckInactive();
  CheckInUpdate();
  TagAndProcess(nullptr, 0, WideString(), poTest);
}

void TZipBaseArchiver::TestFiles(const WideString& fileMask, std::int32_t searchAttr,
                                 const WideString& exclusionMask) {
  CheckInactive();
  CheckInUpdate();
  TagAndProcess(&fileMask, searchAttr, exclusionMask, poTest);
}

void TZipBaseArchiver::DeleteItem(int index) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  if (index < 0 || index >= dir.GetCount()) Raise(21);
  if (!GetInUpdate()) Raise(22);
  dir.DeleteItem(index);
}

void TZipBaseArchiver::UpdateItem(int index, const std::string& path) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  if (index < 0 || index >= dir.GetCount()) Raise(24);
  if (!GetInUpdate()) Raise(25);
  struct stat st;
  const std::int64_t size = ::stat(path.c_str(), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
  const std::int32_t attr = WideFileGetAttr(path);
  TDirItem item = *dir.GetItemPtr(index);
  FillDirItem(item, path, WideFileAge(path), attr < 0 ? faArchive : static_cast<std::uint32_t>(attr), size);
  item.PendingOperation = poUpdate;
  if (size >= 0xFFFFFFFFLL || Zip64Mode == zmAlways) {
    item.NeedsZip64 = true;
    item.Zip64Values.UncompressedSize = static_cast<std::uint64_t>(size);
    item.Header.UncompressedSize = 0xFFFFFFFF;
  }
  dir.SetItem(index, item);
}

void TZipBaseArchiver::UpdateTaggedFile(int index, const WideString& name, const std::string& root) {
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  if (entry.IsFolder()) return;
  // Only a file below the root can freshen an entry: a name that climbs out
  // of it is passed over.
  std::string relative;
  if (!SafeRelativeName(name, relative) || relative.empty()) return;
  const std::string path = root + relative;
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (!Options.ReplaceReadOnly && (entry.Header.ExternalAttributes & faReadOnly)) return;
  const auto fileTime = static_cast<std::uint32_t>(WideFileAge(path));
  const bool replace = ReplacesByMode(Options.OverwriteMode, fileTime, entry.DosDateTime(), [&](bool& answer) {
    WideString dest = entry.StoredName;
    DoOnConfirmOverwrite(W(path), dest, answer);
  });
  if (!replace) return;
  const std::string saved = WorkingFolder;
  if (!BaseDir.empty()) WorkingFolder = DropTrailingBackslash(BaseDir);
  try {
    UpdateItem(index, path);
  } catch (...) {
    WorkingFolder = saved;
    throw;
  }
  WorkingFolder = saved;
}

void TZipBaseArchiver::TestTaggedFile(int index) {
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  if (entry.IsFolder()) return;
  TNullStream sink;
  SkipCurrentFile = false;
  ExtractItem(index, sink, 0, 0);
  if (SkipCurrentFile) ++SkippedCount;
}

void TZipBaseArchiver::RenameEntry(int index, const WideString& newName) {
  TZipDirArray& dir = dirManager->CurrentDirectory;
  TDirItem& entry = *dir.GetItemPtr(index);
  const bool alreadyRenamed = entry.IsPending && entry.PendingOperation == poRename;
  if (!alreadyRenamed) entry.PreviousName = entry.StoredName;
  dir.SetItemName(index, newName);
  if (!entry.IsPending || entry.PendingOperation == poChangeAttr || entry.PendingOperation == poChangeComment) {
    entry.IsPending = true;
    entry.PendingOperation = poRename;
  }
  // Name fields that carry the old name would contradict the new one.
  auto& blocks = entry.ExtraBlocks;
  blocks.erase(std::remove_if(blocks.begin(), blocks.end(),
                              [](const TZipExtraFieldDataBlock& b) {
                                return b.HeaderId == kExtraUnicodePath || b.HeaderId == kExtraUnicodeName;
                              }),
               blocks.end());
  if (UnicodeFilenames) blocks.insert(blocks.begin(), UnicodeNameField(newName));
}

void TZipBaseArchiver::RenameFile(const WideString& oldName, const WideString& newName) {
  CheckInactive();
  CheckModifySpanning();
  const WideString from = Slashed(oldName);
  WideString to = Slashed(newName);
  TZipArchiveItem item;
  bool found = FindFirst(from, item, kDefaultSearchAttr, WideString());
  // A folder may be named without its closing "/".
  if (!found && !from.empty() && from.back() != u'/') found = FindFirst(from + u"/", item, kDefaultSearchAttr, WideString());
  if (!found) Raise(30, {U8(oldName)});
  TZipDirArray& dir = dirManager->CurrentDirectory;
  const TDirItem& entry = *dir.GetItemPtr(item.ItemNo);
  const WideString previous = entry.StoredName;
  const bool folder = entry.IsFolder();
  if (folder && (to.empty() || to.back() != u'/')) to += u'/';
  // The names to give: the entry itself and, for a folder, every entry
  // whose name starts with the folder's. Only that leading part changes, so
  // a later part that happens to read the same stays as it is.
  std::vector<std::pair<int, WideString>> renames;
  for (int i = 0; i < dir.GetCount(); ++i) {
    const WideString& name = dir.GetItemPtr(i)->StoredName;
    if (i == item.ItemNo || (folder && StartsWithNoCase(name, previous)))
      renames.emplace_back(i, to + name.substr(previous.size()));
  }
  // A new name that another entry already has would make two entries of
  // one name; nothing is renamed then.
  for (const auto& [index, name] : renames) {
    int at = -1;
    if (!dir.FileExists(name, at) || at == index) continue;
    bool alsoRenamed = std::any_of(renames.begin(), renames.end(), [&](const auto& r) { return r.first == at; });
    if (!alsoRenamed) Raise(19, {U8(name)});
  }
  if (renames.size() == 1 && renames.front().second == previous) return;
  InUpdateBracket([&] {
    for (const auto& [index, name] : renames) RenameEntry(index, name);
  });
}

int TZipBaseArchiver::ChangeFound(const WideString& fileMask, const std::function<void(TDirItem&)>& change,
                                  TZipProcessOperation operation) {
  int changed = 0;
  TZipArchiveItem item;
  for (bool found = FindFirst(fileMask, item, kDefaultSearchAttr, WideString()); found; found = FindNext(item)) {
    TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(item.ItemNo);
    change(entry);
    if (!entry.IsPending) {
      entry.IsPending = true;
      entry.PendingOperation = operation;
    }
    ++changed;
  }
  return changed;
}

void TZipBaseArchiver::ChangeFilesAttr(const WideString& fileMask, std::uint32_t attr) {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] {
    int n = ChangeFound(fileMask, [&](TDirItem& e) {
      const std::uint32_t folderBit = e.Header.ExternalAttributes & faDirectory;
      e.Header.ExternalAttributes = (attr & ~faDirectory) | folderBit;
    }, poChangeAttr);
    if (n == 0) Raise(31, {U8(fileMask)});
  });
}

void TZipBaseArchiver::ChangeFilesIntAttr(const WideString& fileMask, std::uint16_t attr) {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] {
    int n = ChangeFound(fileMask, [&](TDirItem& e) { e.Header.InternalAttributes = attr; }, poChangeAttr);
    if (n == 0) Raise(38, {U8(fileMask)});
  });
}

void TZipBaseArchiver::ChangeFilesComment(const WideString& fileMask, const ByteString& comment) {
  CheckInactive();
  CheckModifySpanning();
  InUpdateBracket([&] {
    int n = ChangeFound(fileMask, [&](TDirItem& e) {
      e.EntryComment = comment.substr(0, 0xFFFF);
      e.Header.CommentLength = static_cast<std::uint16_t>(e.EntryComment.size());
    }, poChangeComment);
    if (n == 0) Raise(31, {U8(fileMask)});
  });
}

bool TZipBaseArchiver::IsFilePasswordValid(const WideString& fileName, const ByteString& password) {
  CheckInactive();
  CheckInUpdate();
  TZipArchiveItem item;
  if (!FindFirst(fileName, item, kDefaultSearchAttr, WideString())) Raise(42, {U8(fileName)});
  const int index = item.ItemNo;
  TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
  if (!entry.IsEncrypted()) return true;
  try {
    const std::uint16_t method = entry.ActualMethod;
    if (!volumes && (method == 0 || method == 8)) {
      TStream& archive = *archiveStream;
      const TZipFileHeader local = ReadLocalHeader(archive, EntryPosition(entry));
      archive.Seek(local.NameLength + local.ExtraLength, SeekOrigin::Current);
      if (!MakeEntryDecryptor(entry, method)->LoadAndCheck(archive, password)) return false;
    }
  } catch (const std::exception&) {
    return false;
  }
  // The check fields can pass by chance; decompressing with every check
  // decides.
  const ByteString savedPassword = Password;
  const bool savedQuiet = QuietPasswordTest;
  QuietPasswordTest = true;
  Password = password;
  bool valid = true;
  try {
    TNullStream sink;
    ExtractItem(index, sink, 0, 0);
  } catch (const std::exception&) {
    valid = false;
  }
  Password = savedPassword;
  QuietPasswordTest = savedQuiet;
  return valid;
}

void TZipBaseArchiver::AddFromOwnedStream(const WideString& fileName, std::shared_ptr<TStream> stream, bool owned,
                                          std::int64_t start, std::int64_t count, std::uint32_t attr,
                                          std::time_t dateTime) {
  CheckInactive();
  CheckModifySpanning();
  ReportProgress = false;
  InUpdateBracket([&] {
    const std::uint32_t dos = DateTimeToDos(dateTime ? dateTime : std::time(nullptr));
    const int index = AddFileInit(std::string(), static_cast<std::int32_t>(dos), attr, count, &fileName);
    if (index < 0) return;
    TDirItem& entry = *dirManager->CurrentDirectory.GetItemPtr(index);
    entry.Header.ExternalAttributes = attr;
    entry.SourceStream = std::move(stream);
    entry.OwnsSourceStream = owned;
    entry.SourceStreamStart = start;
    entry.SourceStreamCount = count;
    if (count >= 0xFFFFFFFFLL || Zip64Mode == zmAlways) {
      entry.NeedsZip64 = true;
      entry.Zip64Values.UncompressedSize = static_cast<std::uint64_t>(count);
      entry.Header.UncompressedSize = 0xFFFFFFFF;
    }
  });
}

void TZipBaseArchiver::AddFromStream(const WideString& fileName, TStream& stream, bool copyToBuffer,
                                     std::int64_t position, std::int64_t count, std::uint32_t attr,
                                     std::time_t dateTime) {
  if (count == 0) {
    // The whole stream from its start.
    position = 0;
    count = stream.Size();
  }
  if (!copyToBuffer) {
    // The caller's stream, read at the commit; the entry does not own it.
    AddFromOwnedStream(fileName, std::shared_ptr<TStream>(&stream, [](TStream*) {}), false, position, count, attr,
                       dateTime);
    return;
  }
  auto copy = std::make_shared<TMemoryStream>();
  const std::int64_t saved = stream.Position();
  stream.SetPosition(position);
  std::vector<std::uint8_t> piece(10000);
  for (std::int64_t done = 0; done < count;) {
    std::size_t n = stream.Read(piece.data(), static_cast<std::size_t>(std::min<std::int64_t>(10000, count - done)));
    if (n == 0) break;
    copy->WriteBuffer(piece.data(), n);
    done += static_cast<std::int64_t>(n);
  }
  stream.SetPosition(saved);
  AddFromOwnedStream(fileName, copy, true, 0, copy->Size(), attr, dateTime);
}

void TZipBaseArchiver::AddFromBuffer(const WideString& fileName, const void* buffer, std::size_t count,
                                     std::uint32_t attr, std::time_t dateTime) {
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  auto copy = std::make_shared<TMemoryStream>(std::vector<std::uint8_t>(bytes, bytes + count));
  AddFromOwnedStream(fileName, copy, true, 0, static_cast<std::int64_t>(count), attr, dateTime);
}

void TZipBaseArchiver::AddFromString(const WideString& fileName, const ByteString& text, std::uint32_t attr,
                                     std::time_t dateTime) {
  auto copy = std::make_shared<TMemoryStream>(std::vector<std::uint8_t>(text.begin(), text.end()));
  AddFromOwnedStream(fileName, copy, true, 0, static_cast<std::int64_t>(text.size()), attr, dateTime);
}

bool TZipBaseArchiver::IsValidArchiveFile() {
  if (Active) return true;
  if (FileName.empty() || !WideFileExists(FileName)) return false;
  try {
    TUniFileStream file(FileName, fmOpenRead | fmShareDenyNone);
    TZipDirManager probe(&file, this, false);
    TZipCentralDirEnd record;
    std::int64_t position = -1;
    if (probe.GetCentralDirEnd(record, position, kEndRecordSig)) return true;
    if (!UsePkSignatures && probe.GetCentralDirEnd(record, position, kAltEndRecordSig)) return true;
  } catch (const std::exception&) {
    return false;
  }
  // No end record: what the local headers hold decides, every entry tested.
  const TZipSpanningMode savedMode = SpanningMode;
  const bool savedRebuild = RebuildDamagedDirectory;
  const bool savedQuiet = QuietPasswordTest;
  RebuildDamagedDirectory = true;
  QuietPasswordTest = true;
  bool valid = true;
  try {
    OpenArchive(fmOpenRead | fmShareDenyNone);
    TZipDirArray& dir = dirManager->CurrentDirectory;
    valid = dir.GetCount() > 0;
    for (int i = 0; valid && i < dir.GetCount(); ++i) {
      if (dir.GetItemPtr(i)->IsFolder()) continue;
      TNullStream sink;
      ExtractItem(i, sink, 0, 0);
    }
  } catch (const std::exception&) {
    valid = false;
  }
  try {
    CloseArchive();
  } catch (const std::exception&) {
  }
  RebuildDamagedDirectory = savedRebuild;
  QuietPasswordTest = savedQuiet;
  SpanningMode = savedMode;
  return valid;
}

}  // namespace zip
