#pragma once
// Archives split into volumes: a set of numbered files in one folder
// ("name.z01", "name.z02", ..., the last one under the archive's own name),
// each holding a stretch of the archive. Records refer to a place as
// (volume, offset in the volume). Reading sees the volumes one after the
// other as one stream; writing fills volumes up to their size and starts a
// new one, never splitting a header.
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
  // Opens every file for reading, in order; the last is the archive's own.
  explicit TVolumeSet(const std::vector<std::string>& files);
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
  std::vector<std::unique_ptr<TUniFileStream>> files_;
  std::vector<std::int64_t> starts_;  // where each volume begins; the total last
  std::int64_t position_ = 0;
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
  bool flush = true;
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

// Bytes free for a new file in the folder of `path`; -1 when unknown.
std::int64_t FreeSpaceFor(const std::string& path);

}  // namespace zip
