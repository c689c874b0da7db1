// Archives spanned over removable disks. One disk is in the drive at a time
// and the operator changes it when asked, so a disk's volume is never read
// where it lies: each disk is copied once into a temporary file and the set
// is read from those, whichever disk is in the drive meanwhile.
#include <memory>

#include "zip/FileSystem.h"
#include "zip/ZipBaseArchiver.h"
#include "zip/ZipVolumes.h"

namespace zip {

void TZipBaseArchiver::RequestVolume(int volume, int count, std::string& name) {
  bool cancel = false;
  if (volume == 0) DoOnRequestFirstVolume(name, cancel);
  else if (volume == count - 1) DoOnRequestLastVolume(name, cancel);
  else DoOnRequestMiddleVolume(volume, name, cancel);
  if (cancel) Raise(45);
}

std::vector<std::unique_ptr<TUniFileStream>> TZipBaseArchiver::FetchSpannedVolumes(
    int count, const std::vector<std::int64_t>& sizes, bool lastInDrive) {
  std::vector<std::unique_ptr<TUniFileStream>> files(static_cast<std::size_t>(count));
  auto fits = [&](int volume, const std::string& name) {
    if (!WideFileExists(name)) return false;
    if (sizes.empty()) return true;
    TUniFileStream probe(name, fmOpenRead | fmShareDenyNone);
    return probe.Size() == sizes[static_cast<std::size_t>(volume)];
  };
  auto copy = [&](int volume, const std::string& name) {
    const std::string temp = GetTempFileName();
    auto file = std::make_unique<TUniFileStream>(temp, fmOpenReadWrite);
    WideDeleteFile(temp);  // gone with its last handle
    TUniFileStream disk(name, fmOpenRead | fmShareDenyNone);
    const std::int64_t size = disk.Size();
    if (file->CopyFrom(disk, size) != size) throw EReadError();
    files[static_cast<std::size_t>(volume)] = std::move(file);
  };
  const int last = count - 1;
  if (lastInDrive && fits(last, FileName)) copy(last, FileName);
  for (int v = 0; v < count; ++v) {
    if (files[static_cast<std::size_t>(v)]) continue;
    std::string name;
    do RequestVolume(v, count, name);
    while (!fits(v, name));
    copy(v, name);
  }
  return files;
}

bool TZipBaseArchiver::EndRecordFound() {
  const bool rebuild = RebuildDamagedDirectory;
  RebuildDamagedDirectory = false;
  bool found = false;
  try {
    found = dirManager->HasCentralDirEnd();
  } catch (...) {
    RebuildDamagedDirectory = rebuild;
    throw;
  }
  RebuildDamagedDirectory = rebuild;
  return found;
}

void TZipBaseArchiver::InsertLastDisk(std::uint16_t mode) {
  // A file on a removable disk without an end record is taken for a volume
  // of a spanned set other than the last; answered with Cancel, it is read
  // as the damaged archive it may be.
  SpanningMode = smSpanning;
  for (;;) {
    dirManager.reset();
    ownedStream.reset();
    archiveStream = nullptr;
    std::string last;
    bool cancel = false;
    DoOnRequestLastVolume(last, cancel);
    if (!WideFileExists(FileName)) {
      if (cancel) Raise(45);
      continue;
    }
    ownedStream = std::make_unique<TUniFileStream>(FileName, mode);
    archiveStream = ownedStream.get();
    dirManager = std::make_unique<TZipDirManager>(archiveStream, this, false);
    if (cancel || EndRecordFound()) break;
  }
  SpanningMode = smNone;
}

void TZipBaseArchiver::OpenSpannedSet(int count) {
  // Nothing stays open on a disk that is about to be changed.
  ownedStream.reset();
  archiveStream = nullptr;
  auto set = std::make_unique<TVolumeSet>(FetchSpannedVolumes(count, {}, true));
  volumes = set.get();
  ownedStream = std::move(set);
  archiveStream = ownedStream.get();
  dirManager->ArchiveStream = archiveStream;
  dirManager->UsesForeignStream = false;
  if (!dirManager->HasCentralDirEnd()) Raise(48);
  dirManager->LoadDir();
}

void TZipBaseArchiver::AdoptSpannedSet(const std::vector<std::int64_t>& sizes) {
  // The directory in memory is the one just written; the disks are asked
  // for only when entry data is read.
  const int count = static_cast<int>(sizes.size());
  auto set = std::make_unique<TVolumeSet>(sizes, [this, count, sizes] { return FetchSpannedVolumes(count, sizes, true); });
  volumes = set.get();
  ownedStream = std::move(set);
  archiveStream = ownedStream.get();
  dirManager->ArchiveStream = archiveStream;
  dirManager->UsesForeignStream = false;
}

}  // namespace zip
