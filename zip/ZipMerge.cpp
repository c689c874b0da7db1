// Merging another archive into this one: its entries are copied as they
// are (no repacking) behind this archive's, or in place of this archive's
// entries of the same name when the overwrite mode says so. The commit
// writes the merged archive as a new file, so a failure or a cancel merges
// nothing.
#include "zip/CodePages.h"
#include "zip/FileSystem.h"
#include "zip/ZipArchiver.h"

namespace zip {

void TZipBaseArchiver::MergeFrom(TZipBaseArchiver& other) {
  CheckInactive();
  CheckInUpdate();
  ReportProgress = true;
  InUpdateBracket([&] {
    TZipDirArray& dir = dirManager->CurrentDirectory;
    TZipDirArray& theirs = other.dirManager->CurrentDirectory;
    for (int k = 0; k < theirs.GetCount(); ++k) {
      TDirItem item = *theirs.GetItemPtr(k);
      // Its bytes are read from the other archive, where they start here.
      const std::int64_t at = other.EntryPosition(item);
      item.RawSource = other.archiveStream;
      item.SetDiskNumberStart(0);
      item.SetLocalHeaderOffset(static_cast<std::uint64_t>(at));
      item.IsPending = true;
      item.PendingOperation = poMerge;
      item.IsTagged = false;
      int index = -1;
      if (!dir.FileExists(item.StoredName, index)) {
        index = dir.GetCount();
        dir.SetCount(index + 1);
        dir.SetItem(index, item);
        continue;
      }
      const TDirItem& mine = *dir.GetItemPtr(index);
      const auto prompt = [&](bool& answer) {
        WideString dest = W(FileName) + u"/" + mine.StoredName;
        DoOnConfirmOverwrite(W(other.FileName) + u"/" + item.StoredName, dest, answer);
      };
      const bool take = ReplacesByMode(Options.OverwriteMode, item.DosDateTime(), mine.DosDateTime(), prompt);
      if (take) dir.SetItem(index, item);
    }
  });
}

void TZipArchiver::MergeWith(const std::string& fileName) {
  if (!GetActive()) throw EZipException(13, Name);
  if (GetInUpdate()) throw EZipException(26, Name);
  TZipArchiver other(Name);
  other.FileName = fileName;
  other.Options.OverwriteMode = Options.OverwriteMode;
  other.OpenArchive(fmOpenRead | fmShareDenyNone);
  MergeFrom(other);
  other.CloseArchive();
}

}  // namespace zip
