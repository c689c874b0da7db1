#include "zip/ZipVolumes.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "zip/FileSystem.h"
#include "zip/ZipBaseArchiver.h"

namespace zip {

// ---- reading ----

TVolumeSet::TVolumeSet(const std::vector<std::string>& files) {
  std::int64_t at = 0;
  for (const std::string& name : files) {
    auto file = std::make_unique<TUniFileStream>(name, fmOpenRead | fmShareDenyNone);
    starts_.push_back(at);
    at += file->Size();
    files_.push_back(std::move(file));
  }
  starts_.push_back(at);
}

std::size_t TVolumeSet::Read(void* buffer, std::size_t count) {
  std::size_t done = 0;
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (done < count && position_ < Size()) {
    auto next = std::upper_bound(starts_.begin(), starts_.end(), position_);
    const std::size_t v = static_cast<std::size_t>(next - starts_.begin()) - 1;
    const std::int64_t inVolume = position_ - starts_[v];
    const std::int64_t left = starts_[v + 1] - position_;
    files_[v]->SetPosition(inVolume);
    std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(left, static_cast<std::int64_t>(count - done)));
    std::size_t got = files_[v]->Read(out + done, want);
    done += got;
    position_ += static_cast<std::int64_t>(got);
    if (got < want) break;  // a volume shorter than when it was opened
  }
  return done;
}

std::size_t TVolumeSet::Write(const void*, std::size_t) { throw EStreamError("the volumes are open for reading only"); }

void TVolumeSet::SetSize(std::int64_t) { throw EStreamError("the volumes are open for reading only"); }

std::int64_t TVolumeSet::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? position_ : Size();
  if (base + offset < 0) throw EStreamError("seek before the start of the volumes");
  position_ = base + offset;
  return position_;
}

std::int64_t TVolumeSet::Position(std::uint32_t disk, std::int64_t offset) const {
  if (disk >= files_.size()) return starts_.back() + 1;
  return starts_[disk] + offset;
}

// ---- writing ----

TVolumeTarget::TVolumeTarget(TVolumePlan plan) : plan_(std::move(plan)), writer_(*this) { NextVolume(); }

TVolumeTarget::~TVolumeTarget() {
  if (committed_) return;
  for (Volume& v : volumes_) {
    v.file.reset();
    ::unlink(v.temp.c_str());
  }
}

std::int64_t TVolumeTarget::Room() const {
  const Volume& v = volumes_.back();
  return v.capacity < 0 ? INT64_MAX : v.capacity - v.used;
}

void TVolumeTarget::NextVolume() {
  const int number = static_cast<int>(volumes_.size());
  Volume v;
  v.name = plan_.nameOf(number);
  std::int64_t free = -1;
  for (;;) {
    plan_.requestBlank(number, v.name);
    free = FreeSpaceFor(v.name);
    if (free < 0 || free > 65536) break;
    plan_.diskFull(number, v.name);
  }
  const std::int64_t limit = plan_.sizeOf(number);
  v.capacity = limit < 0 ? free : (free < 0 ? limit : std::min(limit, free));
  v.file = CreateTempBeside(v.name, v.temp);
  volumes_.push_back(std::move(v));
}

void TVolumeTarget::KeepTogether(std::uint64_t length) {
  // A record longer than a whole volume is split after all.
  if (volumes_.back().used > 0 && static_cast<std::uint64_t>(Room()) < length) NextVolume();
}

std::uint32_t TVolumeTarget::Disk() {
  if (Room() == 0) NextVolume();
  return static_cast<std::uint32_t>(volumes_.size() - 1);
}

std::int64_t TVolumeTarget::Offset() {
  if (Room() == 0) NextVolume();
  return volumes_.back().used;
}

std::size_t TVolumeTarget::Writer::Write(const void* buffer, std::size_t count) {
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    if (owner_.Room() == 0) owner_.NextVolume();
    Volume& v = owner_.volumes_.back();
    std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(owner_.Room(), static_cast<std::int64_t>(count - done)));
    std::size_t wrote = v.file->Write(in + done, n);
    v.used += static_cast<std::int64_t>(wrote);
    owner_.total_ += static_cast<std::int64_t>(wrote);
    done += wrote;
    if (wrote < n) break;  // the disk is full
  }
  return done;
}

std::int64_t TVolumeTarget::Writer::Seek(std::int64_t offset, SeekOrigin origin) {
  // Volumes are written straight on; only the position can be asked.
  std::int64_t to = origin == SeekOrigin::Begin ? offset : origin == SeekOrigin::Current ? owner_.total_ + offset
                                                                                         : owner_.total_ + offset;
  if (to != owner_.total_) throw EStreamError("volumes are written in one pass");
  return to;
}

void TVolumeTarget::Writer::SetSize(std::int64_t size) {
  if (size != owner_.total_) throw EStreamError("volumes are written in one pass");
}

void TVolumeTarget::Commit() {
  // The last volume takes the archive's own name.
  volumes_.back().name = plan_.nameOf(-1);
  for (Volume& v : volumes_) {
    if (plan_.flush) v.file->Flush();
    v.file->Close();
  }
  for (Volume& v : volumes_) {
    if (::rename(v.temp.c_str(), v.name.c_str()) != 0)
      throw EStreamError("cannot replace \"" + v.name + "\" with \"" + v.temp + "\"");
  }
  committed_ = true;
  // Volumes of an earlier, longer set would be taken for this one's.
  for (int k = static_cast<int>(volumes_.size()) - 1;; ++k) {
    std::string stale = plan_.nameOf(k);
    if (stale == plan_.nameOf(-1) || !WideFileExists(stale)) break;
    WideDeleteFile(stale);
  }
}

// ---- names ----

std::string SplitVolumeName(const std::string& fileName, int volume, bool advanced, bool sfx, bool altFamily) {
  const std::string ext = WideExtractFileExt(fileName);
  const std::string stem = fileName.substr(0, fileName.size() - ext.size());
  char digits[16];
  if (advanced) {
    if (volume < 0 && !sfx) return fileName;
    std::snprintf(digits, sizeof digits, "_%.3u", static_cast<unsigned>(volume + 1));
    return stem + digits + (sfx ? ".exe" : ext);
  }
  if (volume == 0 && sfx) return stem + ".exe";
  if (volume < 0) return sfx ? stem + (altFamily ? ".ZA" : ".ZIP") : fileName;
  const bool lower = std::any_of(ext.begin(), ext.end(), [](unsigned char c) { return std::islower(c); });
  std::snprintf(digits, sizeof digits, "%.2d", volume + 1);
  std::string letter = altFamily ? "F" : "Z";
  if (lower) letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
  return stem + "." + letter + digits;
}

std::int64_t FreeSpaceFor(const std::string& path) {
  std::string folder = WideExtractFilePath(path);
  struct statvfs st;
  if (::statvfs(folder.empty() ? "." : folder.c_str(), &st) != 0) return -1;
  return static_cast<std::int64_t>(st.f_bavail) * static_cast<std::int64_t>(st.f_frsize);
}

// ---- the archiver's side ----

std::string TZipBaseArchiver::MakeDefaultVolumeName(int volume, bool checkExists) {
  const bool sfx = !SFXStub.empty();
  const bool alt = !UsePkSignatures;
  std::string name = SplitVolumeName(FileName, volume, SpanningOptions.AdvancedNaming, sfx, alt);
  if (checkExists && !WideFileExists(name)) {
    std::string other = SplitVolumeName(FileName, volume, !SpanningOptions.AdvancedNaming, sfx, alt);
    if (WideFileExists(other)) return other;
  }
  return name;
}

bool TZipBaseArchiver::DetectSplitArchive() {
  const TZipCentralDirEnd& end = dirManager->EndRecord;
  std::uint32_t lastDisk = end.DiskNumber;
  if (lastDisk == 0xFFFF) {
    // The Zip64 locator in front of the end record knows the count.
    std::int64_t position = -1;
    TZipCentralDirEnd record;
    if (dirManager->GetCentralDirEnd(record, position, end.Signature) && position >= 20) {
      std::uint8_t raw[TZip64CentralDirEndLocator::kSize];
      archiveStream->SetPosition(position - 20);
      archiveStream->ReadBuffer(raw, sizeof raw);
      TZip64CentralDirEndLocator locator;
      locator.Unpack(raw);
      lastDisk = locator.Signature == kZip64LocatorSig && locator.TotalDisks > 0 ? locator.TotalDisks - 1 : 0;
    }
  }
  if (lastDisk == 0) return false;
  const bool sfx = !SFXStub.empty();
  const bool alt = !UsePkSignatures;
  if (!WideFileExists(SplitVolumeName(FileName, 0, SpanningOptions.AdvancedNaming, sfx, alt)) &&
      WideFileExists(SplitVolumeName(FileName, 0, !SpanningOptions.AdvancedNaming, sfx, alt)))
    SpanningOptions.AdvancedNaming = !SpanningOptions.AdvancedNaming;
  VolumeInfo.LastNumber = static_cast<std::int32_t>(lastDisk);
  return true;
}

void TZipBaseArchiver::OpenVolumeSet() {
  const int last = VolumeInfo.LastNumber;
  std::vector<std::string> files;
  for (int v = 0; v < last; ++v) {
    std::string name = MakeDefaultVolumeName(v, true);
    while (!WideFileExists(name)) {
      bool cancel = false;
      if (v == 0) DoOnRequestFirstVolume(name, cancel);
      else DoOnRequestMiddleVolume(v, name, cancel);
      if (cancel) Raise(45);
    }
    files.push_back(name);
  }
  files.push_back(FileName);
  auto set = std::make_unique<TVolumeSet>(files);
  volumes = set.get();
  ownedStream = std::move(set);
  archiveStream = ownedStream.get();
  SpanningMode = smSplitting;
  // The manager stays (a commit holds on to its directory); it reads the
  // set now.
  if (!dirManager) dirManager = std::make_unique<TZipDirManager>(archiveStream, this, false);
  dirManager->ArchiveStream = archiveStream;
  dirManager->UsesForeignStream = false;
  if (!dirManager->HasCentralDirEnd()) Raise(48);
  dirManager->LoadDir();
}

std::unique_ptr<TArchiveTarget> TZipBaseArchiver::MakeVolumeTarget() {
  TVolumePlan plan;
  plan.nameOf = [this](int volume) { return MakeDefaultVolumeName(volume, false); };
  plan.sizeOf = [this](int volume) {
    TZipVolumeNumberInfo info;
    info.SetVolumeNumber(volume);
    return SpanningOptions.GetVolumeSize(info);
  };
  plan.requestBlank = [this](int volume, std::string& name) {
    bool cancel = false;
    DoOnRequestBlankVolume(volume, name, cancel);
    if (cancel) Raise(45);
  };
  plan.diskFull = [this](int volume, const std::string& name) {
    bool cancel = false;
    DoOnDiskFull(volume, name, cancel);
    if (cancel) Raise(45);
  };
  plan.flush = Options.FlushBuffers;
  return std::make_unique<TVolumeTarget>(std::move(plan));
}

}  // namespace zip
