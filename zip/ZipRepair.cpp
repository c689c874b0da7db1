// Repairing an archive: every entry that can still be read whole, with its
// checksum or authentication code right, is copied as it is into a new
// archive; the others are left out. Nothing is repacked, so a damaged entry
// never comes out with a fresh, valid-looking checksum, and nothing but the
// new archive (a file beside its target, renamed into place) is written.
#include <unistd.h>

#include <algorithm>

#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/ZipBaseArchiver.h"

namespace zip {

void TZipBaseArchiver::RepairArchive(const std::string& newFileName) {
  if (Active) Raise(37);
  const std::string target = newFileName.empty() ? FileName : newFileName;
  if (newFileName.empty()) {
    if (::access(FileName.c_str(), R_OK | W_OK) != 0) Raise(36, {FileName});
  } else {
    const std::string folder = WideExtractFilePath(WideExpandFileName(newFileName));
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) != 0) Raise(36, {newFileName});
  }
  const bool savedRebuild = RebuildDamagedDirectory;
  const bool savedCorrupted = ExtractCorruptedFiles;
  struct Restore {
    TZipBaseArchiver& a;
    bool rebuild, corrupted;
    ~Restore() {
      a.RebuildDamagedDirectory = rebuild;
      a.ExtractCorruptedFiles = corrupted;
      a.CommitPath.clear();
      a.CheckOverlaps = true;
    }
  } restore{*this, savedRebuild, savedCorrupted};
  RebuildDamagedDirectory = true;
  // A damaged entry must fail its test, never pass as it is.
  ExtractCorruptedFiles = false;
  OpenArchive(fmOpenRead | fmShareDenyNone);
  try {
    TZipDirArray& dir = dirManager->CurrentDirectory;
    // Entries are judged in the order of their place in the file; one that
    // shares bytes with an entry already kept is left out (a directory
    // rebuilt from the local headers also finds the headers of an archive
    // stored inside an entry).
    std::vector<int> order(static_cast<std::size_t>(dir.GetCount()));
    for (int i = 0; i < dir.GetCount(); ++i) order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return EntryPosition(*dir.GetItemPtr(a)) < EntryPosition(*dir.GetItemPtr(b));
    });
    CheckOverlaps = false;
    std::vector<bool> keep(order.size(), false);
    std::int64_t keptUpTo = -1;
    for (int i : order) {
      TDirItem& e = *dir.GetItemPtr(i);
      const std::int64_t at = EntryPosition(e);
      if (at < keptUpTo) continue;
      std::int64_t end = at;
      try {
        const TZipFileHeader local = ReadLocalHeader(*archiveStream, at);
        end = at + local.Length() + static_cast<std::int64_t>(e.CompressedSize());
        if (end > archiveStream->Size()) continue;
        if (!e.IsFolder()) {
          TNullStream sink;
          e.PendingOperation = poTest;
          ExtractItem(i, sink, 0, 0);
          if (SkipCurrentFile) continue;
        }
      } catch (const std::exception&) {
        continue;
      }
      keep[static_cast<std::size_t>(i)] = true;
      keptUpTo = end;
    }
    // The kept entries go into the new file, whole.
    BeginUpdate();
    for (int i = dir.GetCount() - 1; i >= 0; --i)
      if (!keep[static_cast<std::size_t>(i)]) dir.DeleteItem(i);
    CommitPath = target;
    EndUpdate();
  } catch (...) {
    UpdateCount = 0;
    CommitPath.clear();
    CloseArchive();
    throw;
  }
  CommitPath.clear();
  CloseArchive();
}

}  // namespace zip
