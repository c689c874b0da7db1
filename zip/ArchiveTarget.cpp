#include "zip/ArchiveTarget.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

#include "platform/FileIO.h"
#include "zip/FileSystem.h"

namespace zip {
namespace {

std::string ResolveLinks(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void SyncFolderOf(const std::string& path) { platform::SyncFolder(WideExtractFilePath(path)); }

}  // namespace

std::unique_ptr<TUniFileStream> CreateTempBeside(const std::string& path, std::string& temp) {
  platform::Result<platform::ReplacementTemp> created = platform::CreateReplacementTemp(path);
  if (!created) throw EFCreateError("Datei " + path + " kann nicht erstellt werden");
  temp = created->name;
  return std::make_unique<TUniFileStream>(created->fd, temp);
}

TReplacementFile::TReplacementFile(const std::string& path, bool flush) : target_(ResolveLinks(path)), flush_(flush) {
  stream_ = CreateTempBeside(target_, temp_);
}

TReplacementFile::~TReplacementFile() {
  if (committed_) return;
  stream_.reset();
  ::unlink(temp_.c_str());
}

void TReplacementFile::Commit() {
  if (flush_) stream_->Flush();
  if (::rename(temp_.c_str(), target_.c_str()) != 0)
    throw EStreamError("cannot replace \"" + target_ + "\" with \"" + temp_ + "\"");
  committed_ = true;
  if (flush_) SyncFolderOf(target_);
}

std::unique_ptr<TUniFileStream> TReplacementFile::TakeStream() {
  int fd = stream_->Handle();
  auto taken = std::make_unique<TUniFileStream>(::dup(fd), target_);
  stream_.reset();
  return taken;
}

TInPlaceTarget::TInPlaceTarget(TStream& stream, std::int64_t origin) : stream_(stream), origin_(origin) {
  stream_.SetPosition(origin_);
  tail_.CopyFrom(stream_, -1);
  tail_.SetPosition(0);
  stream_.SetSize(origin_);
  stream_.SetPosition(origin_);
}

TInPlaceTarget::~TInPlaceTarget() {
  if (committed_) return;
  try {
    stream_.SetSize(origin_);
    stream_.SetPosition(origin_);
    stream_.WriteBuffer(tail_.Data().data(), tail_.Data().size());
  } catch (const std::exception&) {
    // Nothing more can be done for a stream that refuses its own old bytes.
  }
}

bool CopyStreamRange(TStream& from, std::int64_t start, std::int64_t length, TStream& to,
                     const std::function<bool(TStream&, const std::uint8_t*, std::size_t)>& write) {
  auto* fromFile = dynamic_cast<TUniFileStream*>(&from);
  auto* toFile = dynamic_cast<TUniFileStream*>(&to);
  std::int64_t done = 0;
  if (fromFile && toFile) {
    // The kernel copies (or shares) the blocks; the target's position moves
    // with it. Anything it refuses goes the ordinary way below, where a full
    // disk is handled.
    off_t in = static_cast<off_t>(start);
    while (done < length) {
      ssize_t n = ::copy_file_range(fromFile->Handle(), &in, toFile->Handle(), nullptr,
                                    static_cast<std::size_t>(std::min<std::int64_t>(length - done, 1 << 30)), 0);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += n;
    }
  }
  if (done == length) return true;
  from.SetPosition(start + done);
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(length - done, 1 << 20)));
  while (done < length) {
    std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(length - done, static_cast<std::int64_t>(buffer.size())));
    from.ReadBuffer(buffer.data(), n);
    if (!write(to, buffer.data(), n)) return false;
    done += static_cast<std::int64_t>(n);
  }
  return true;
}

}  // namespace zip
