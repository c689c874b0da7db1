#include "zip/ZipVolumes.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/FileIO.h"
#include "zip/FileSystem.h"
#include "zip/VolumeMedium.h"
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

TVolumeSet::TVolumeSet(Files files) : files_(std::move(files)) {
  std::int64_t at = 0;
  for (const auto& file : files_) {
    starts_.push_back(at);
    at += file->Size();
  }
  starts_.push_back(at);
}

TVolumeSet::TVolumeSet(const std::vector<std::int64_t>& sizes, std::function<Files()> fetch)
    : fetch_(std::move(fetch)) {
  std::int64_t at = 0;
  for (std::int64_t size : sizes) {
    starts_.push_back(at);
    at += size;
  }
  starts_.push_back(at);
}

void TVolumeSet::Fetch() {
  Files files = fetch_();
  if (files.size() + 1 != starts_.size()) throw EStreamError("the volumes do not belong to this archive");
  for (std::size_t v = 0; v < files.size(); ++v)
    if (files[v]->Size() != starts_[v + 1] - starts_[v]) throw EStreamError("the volumes do not belong to this archive");
  files_ = std::move(files);
  fetch_ = nullptr;
}

std::size_t TVolumeSet::Read(void* buffer, std::size_t count) {
  if (fetch_ && count > 0 && position_ < Size()) Fetch();
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
  if (disk + 1 >= starts_.size()) return starts_.back() + 1;
  return starts_[disk] + offset;
}

// ---- writing ----

TVolumeTarget::TVolumeTarget(TVolumePlan plan) : plan_(std::move(plan)), writer_(*this) { NextVolume(); }

TVolumeTarget::~TVolumeTarget() {
  if (committed_) return;
  for (Volume& v : volumes_) {
    v.file.reset();
    // A spanned volume that is complete went with its disk.
    if (!v.temp.empty()) ::unlink(v.temp.c_str());
  }
}

std::vector<std::int64_t> TVolumeTarget::Sizes() const {
  std::vector<std::int64_t> sizes;
  for (const Volume& v : volumes_) sizes.push_back(v.used);
  return sizes;
}

void TVolumeTarget::Finish(Volume& volume, const std::string& name) {
  if (plan_.flush || plan_.spanning) volume.file->Flush();
  volume.file->Close();
  if (::rename(volume.temp.c_str(), name.c_str()) != 0)
    throw EStreamError("cannot replace \"" + name + "\" with \"" + volume.temp + "\"");
  volume.temp.clear();
  volume.name = name;
  // Under its name on the disk before the disk may be taken out.
  platform::SyncFolder(WideExtractFilePath(name));
}

std::int64_t TVolumeTarget::Room() const {
  const Volume& v = volumes_.back();
  return v.capacity < 0 ? INT64_MAX : v.capacity - v.used;
}

void TVolumeTarget::NextVolume() {
  const int number = static_cast<int>(volumes_.size());
  // The disk in the drive leaves with the volume on it.
  if (plan_.spanning && number > 0) Finish(volumes_.back(), volumes_.back().name);
  Volume v;
  v.name = plan_.nameOf(number);
  const std::int64_t limit = plan_.sizeOf(number);
  // A disk takes a volume with more than 64 KiB free; a spanned volume of a
  // fixed size wants the whole size.
  std::int64_t required = 65537;
  if (plan_.spanning && limit > required) required = limit;
  std::int64_t free = -1;
  for (;;) {
    plan_.requestBlank(number, v.name);
    free = plan_.freeSpace(v.name);
    if (free < 0 || free >= required) break;
    plan_.diskFull(number, v.name);
  }
  v.capacity = limit < 0 ? free : (free < 0 ? limit : std::min(limit, free));
  v.file = CreateTempBeside(v.name, v.temp);
  volumes_.push_back(std::move(v));
  if (plan_.spanning && plan_.created) plan_.created(number, volumes_.back().name);
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
  if (plan_.spanning) {
    // The others are on their disks already.
    Finish(volumes_.back(), volumes_.back().name);
    committed_ = true;
    return;
  }
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

// ---- the archiver's side ----

std::string TZipBaseArchiver::MakeDefaultVolumeName(int volume, bool checkExists) {
  const bool sfx = !SFXStub.empty();
  const bool alt = !UsePkSignatures;
  auto nameIn = [&](bool advanced) {
    // Every disk of a spanned set holds a file under the archive's own name.
    if (SpanningMode == smSpanning && !advanced) return FileName;
    return SplitVolumeName(FileName, volume, advanced, sfx, alt);
  };
  std::string name = nameIn(SpanningOptions.AdvancedNaming);
  if (checkExists && !WideFileExists(name)) {
    std::string other = nameIn(!SpanningOptions.AdvancedNaming);
    if (WideFileExists(other)) return other;
  }
  return name;
}

TVolumeMedium& TZipBaseArchiver::MediumOf() const { return Medium ? *Medium : SystemMedium(); }

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
  const bool here = WideFileExists(SplitVolumeName(FileName, 0, SpanningOptions.AdvancedNaming, sfx, alt));
  const bool other = WideFileExists(SplitVolumeName(FileName, 0, !SpanningOptions.AdvancedNaming, sfx, alt));
  if (!here && other) SpanningOptions.AdvancedNaming = !SpanningOptions.AdvancedNaming;
  // Without a first volume beside it, the other volumes are on other disks
  // (a self-extracting set is always split).
  std::string ext = WideExtractFileExt(FileName);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  SpanningMode = here || other || sfx || ext == ".exe" ? smSplitting : smSpanning;
  VolumeInfo.LastNumber = static_cast<std::int32_t>(lastDisk);
  return true;
}

void TZipBaseArchiver::OpenVolumeSet() {
  const int last = VolumeInfo.LastNumber;
  if (SpanningMode == smSpanning) {
    OpenSpannedSet(last + 1);
    return;
  }
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
    DoOnDiskFull(volume + 1, name, cancel);
    if (cancel) Raise(45);
  };
  plan.freeSpace = [this](const std::string& path) { return MediumOf().FreeSpace(path); };
  plan.flush = Options.FlushBuffers;
  plan.spanning = SpanningMode == smSpanning;
  plan.created = [this](int volume, const std::string& name) {
    char label[24];
    std::snprintf(label, sizeof label, "pkback# %.3d", volume + 1);
    // A disk that keeps its old label holds the volume all the same.
    MediumOf().SetLabel(name, label);
  };
  return std::make_unique<TVolumeTarget>(std::move(plan));
}

}  // namespace zip
