#pragma once
// Where a commit writes the new form of an archive. A file archive is
// written into a new file beside it, which replaces it only when complete:
// until then the archive is not touched, so a failure, a full disk or a
// cancel leaves it byte for byte as it was. An archive in memory is built
// in a new memory stream; a caller's stream is rewritten in place with its
// old tail kept aside to be put back. A
// multi-volume archive writes a new set of volume files (ZipVolumes.h).
#include <cstdint>
#include <memory>
#include <functional>
#include <string>

#include "zip/Streams.h"

namespace zip {

class TArchiveTarget {
 public:
  virtual ~TArchiveTarget() = default;
  // The stream the records go to, at the position where the next one starts.
  virtual TStream& Stream() = 0;
  // False when records cannot be rewritten after they were written (volumes).
  virtual bool Seekable() const { return true; }
  // The next `length` bytes form one record that must not be split between
  // volumes; a volume set starts a new volume unless it fits.
  virtual void KeepTogether(std::uint64_t length) {}
  // The volume that the next byte goes to, and its place in that volume.
  virtual std::uint32_t Disk() { return 0; }
  virtual std::int64_t Offset() { return Stream().Position(); }
  // Makes the new form the archive. Raises EStreamError when that fails;
  // the old archive then stays as it was.
  virtual void Commit() = 0;
};

// Writes straight into a stream (a new archive being created, a caller's
// stream); Commit does nothing.
class TStreamTarget : public TArchiveTarget {
 public:
  explicit TStreamTarget(TStream& stream) : stream_(stream) {}
  TStream& Stream() override { return stream_; }
  void Commit() override {}

 private:
  TStream& stream_;
};

// The new file beside an archive file.
class TReplacementFile : public TArchiveTarget {
 public:
  // Creates the new file in the folder of `path` (of the file a symbolic
  // link at `path` points to), with the permissions of the file it is to
  // replace. Raises EFCreateError when it cannot be created.
  explicit TReplacementFile(const std::string& path, bool flush);
  ~TReplacementFile() override;
  TStream& Stream() override { return *stream_; }
  // Flushes the new file (with `flush`), renames it over the archive file
  // and makes the rename durable.
  void Commit() override;
  // After Commit: the open stream of the archive's new file.
  std::unique_ptr<TUniFileStream> TakeStream();

 private:
  std::string target_;
  std::string temp_;
  bool flush_;
  bool committed_ = false;
  std::unique_ptr<TUniFileStream> stream_;
};

// A caller's stream, which cannot be replaced: it is rewritten in place
// from `origin` on, and the old bytes from there on are kept in memory,
// both to copy kept entries from and to be put back when the commit does
// not go through.
class TInPlaceTarget : public TArchiveTarget {
 public:
  TInPlaceTarget(TStream& stream, std::int64_t origin);
  ~TInPlaceTarget() override;
  TStream& Stream() override { return stream_; }
  void Commit() override { committed_ = true; }
  // The old bytes from the origin on.
  TStream& OldBytes() { return tail_; }

 private:
  TStream& stream_;
  std::int64_t origin_;
  TMemoryStream tail_;
  bool committed_ = false;
};

// A new archive built in memory.
class TMemoryTarget : public TArchiveTarget {
 public:
  TMemoryTarget() : stream_(std::make_unique<TMemoryStream>()) {}
  TStream& Stream() override { return *stream_; }
  void Commit() override {}
  std::unique_ptr<TMemoryStream> TakeStream() { return std::move(stream_); }

 private:
  std::unique_ptr<TMemoryStream> stream_;
};

// Creates a new, empty file beside `path` ("<path>.~<pid>.<n>.tmp") and
// returns it open; `temp` receives its name. Raises EFCreateError when it
// cannot be created.
std::unique_ptr<TUniFileStream> CreateTempBeside(const std::string& path, std::string& temp);

// Copies `length` bytes of `from` at `start` to the position of `to`, in
// kernel space where both are files on one file system. `write` takes the
// bytes when the kernel copy cannot (a full disk among others) and decides
// what a short write means; it returns false to give up.
bool CopyStreamRange(TStream& from, std::int64_t start, std::int64_t length, TStream& to,
                     const std::function<bool(TStream&, const std::uint8_t*, std::size_t)>& write);

}  // namespace zip
