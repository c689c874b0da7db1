#pragma once
// Archives in volumes, each holding a stretch of the archive: split into a
// set of numbered files in one folder ("name.z01", "name.z02", ..., the
// last one under the archive's own name), or spanned over removable disks
// that each hold a file under the archive's name and are changed in turn.
// Records refer to a place as (volume, offset in the volume). Reading sees
// the volumes one after the other as one stream; writing fills volumes up
// to their size and starts a new one, never splitting a header.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zip/ArchiveTarget.h"
#include "zip/Streams.h"

namespace zip {

// The volumes of an archive, read as one stream.
class TVolumeSet : public TStream {
 public:
  using Files = std::vector<std::unique_ptr<TUniFileStream>>;
  // Opens every file for reading, in order; the last is the archive's own.
  explicit TVolumeSet(const std::vector<std::string>& files);
  // The volumes open already, in order.
  explicit TVolumeSet(Files files);
  // Volumes of known sizes that are fetched only when the first byte is
  // read (disks that would have to be inserted); `fetch` raises to give up.
  TVolumeSet(const std::vector<std::int64_t>& sizes, std::function<Files()> fetch);
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void*, std::size_t) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  void SetSize(std::int64_t) override;
  std::int64_t Size() override { return starts_.back(); }

  // The place in the whole stream of `offset` in volume `disk`; past the
  // end for a volume that does not exist.
  std::int64_t Position(std::uint32_t disk, std::int64_t offset) const;
  std::size_t Count() const { return files_.size(); }

 private:
  void Fetch();

  Files files_;
  std::vector<std::int64_t> starts_;  // where each volume begins; the total last
  std::int64_t position_ = 0;
  std::function<Files()> fetch_;
};

// What writing volumes needs of the archiver: names, sizes and its events.
struct TVolumePlan {
  // The name of volume v (0 the first); -1 stands for the last one.
  std::function<std::string(int volume)> nameOf;
  // The size limit of volume v in bytes; -1 when the disk's free space decides.
  std::function<std::int64_t(int volume)> sizeOf;
  // Before volume v is created: may change its name; raises to give up.
  std::function<void(int volume, std::string& name)> requestBlank;
  // Volume v's disk lacks room: returns to try again, raises to give up.
  std::function<void(int volume, const std::string& name)> diskFull;
  // Bytes free for a new file in the folder of a path; -1 when unknown.
  std::function<std::int64_t(const std::string& path)> freeSpace;
  bool flush = true;
  // Each volume goes onto a disk of its own: it is flushed and complete
  // under its name before the next disk is asked for, and a disk must hold
  // a whole volume of a fixed size.
  bool spanning = false;
  // After volume v's file was made on its disk (spanning).
  std::function<void(int volume, const std::string& name)> created;
};

// A new set of volumes, written into files beside their final names and
// renamed into place only when the whole set is complete.
class TVolumeTarget : public TArchiveTarget {
 public:
  explicit TVolumeTarget(TVolumePlan plan);
  ~TVolumeTarget() override;
  TStream& Stream() override { return writer_; }
  bool Seekable() const override { return false; }
  void KeepTogether(std::uint64_t length) override;
  std::uint32_t Disk() override;
  std::int64_t Offset() override;
  void Commit() override;
  std::size_t Volumes() const { return volumes_.size(); }
  // The bytes written into each volume.
  std::vector<std::int64_t> Sizes() const;

 private:
  struct Volume {
    std::string name;  // final name
    std::string temp;
    std::unique_ptr<TUniFileStream> file;
    std::int64_t capacity = -1;
    std::int64_t used = 0;
  };
  class Writer : public TStream {
   public:
    explicit Writer(TVolumeTarget& owner) : owner_(owner) {}
    std::size_t Read(void*, std::size_t) override { return 0; }
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    void SetSize(std::int64_t) override;
    std::int64_t Size() override { return owner_.total_; }

   private:
    TVolumeTarget& owner_;
  };
  void NextVolume();
  void Finish(Volume& volume, const std::string& name);
  std::int64_t Room() const;

  TVolumePlan plan_;
  std::vector<Volume> volumes_;
  std::int64_t total_ = 0;
  bool committed_ = false;
  Writer writer_;
};

// The name of volume `volume` (0 the first, -1 the last) of an archive file
// when it is split; `advanced`: "name_001.zip" rather than "name.z01";
// `sfx`: the archive starts with a self-extracting stub; `altFamily`: the
// alternative signature family (".F01" for ".Z01"). The letter case of a
// numbered extension follows the archive's extension.
std::string SplitVolumeName(const std::string& fileName, int volume, bool advanced, bool sfx, bool altFamily);

}  // namespace zip
