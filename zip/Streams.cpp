#include "zip/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zip {

std::int64_t TStream::Size() {
  std::int64_t here = Position();
  std::int64_t end = Seek(0, SeekOrigin::End);
  SetPosition(here);
  return end;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (Write(buffer, count) != count) throw EWriteError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  std::vector<std::uint8_t> buffer(1 << 20);
  std::int64_t done = 0;
  for (;;) {
    std::size_t want = buffer.size();
    if (count >= 0) want = static_cast<std::size_t>(std::min<std::int64_t>(want, count - done));
    if (want == 0) break;
    std::size_t got = source.Read(buffer.data(), want);
    if (got == 0) break;
    WriteBuffer(buffer.data(), got);
    done += static_cast<std::int64_t>(got);
  }
  return done;
}

TUniFileStream::TUniFileStream(const std::string& fileName, std::uint16_t mode) : fileName_(fileName) {
  // Messages name the absolute path.
  auto full = [&] {
    std::error_code ec;
    std::string path = std::filesystem::absolute(fileName, ec).string();
    return ec ? fileName : path;
  };
  if (mode == 0xFFFF) {
    fd_ = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) throw EFCreateError("Datei " + full() + " kann nicht erstellt werden");
  } else {
    int access = (mode & 3) == 0 ? O_RDONLY : (mode & 3) == 1 ? O_WRONLY : O_RDWR;
    fd_ = ::open(fileName.c_str(), access | O_CLOEXEC);
    struct stat st;
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode))) {
      ::close(fd_);
      fd_ = -1;
    }
    if (fd_ < 0) throw EFOpenError("Datei " + full() + " kann nicht geöffnet werden");
  }
}

TUniFileStream::TUniFileStream(int fd, const std::string& fileName) : fileName_(fileName), fd_(fd) {}

TUniFileStream::~TUniFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

void TUniFileStream::Fail(const char* what) {
  throw EStreamError(std::string(what) + " \"" + fileName_ + "\": " + std::strerror(errno));
}

std::size_t TUniFileStream::Read(void* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail("cannot read");
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::size_t TUniFileStream::Write(const void* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) break;
      Fail("cannot write");
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::int64_t TUniFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
  off_t r = ::lseek(fd_, offset, whence);
  if (r < 0) Fail("cannot seek in");
  return r;
}

void TUniFileStream::SetSize(std::int64_t size) {
  if (::ftruncate(fd_, size) != 0) Fail("cannot resize");
  if (Position() > size) Seek(size, SeekOrigin::Begin);
}

std::int64_t TUniFileStream::Size() {
  struct stat st;
  if (::fstat(fd_, &st) != 0) Fail("cannot query");
  return st.st_size;
}

void TUniFileStream::Flush() {
  if (fd_ >= 0 && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) Fail("cannot flush");
}

void TUniFileStream::Close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) Fail("cannot close");
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  // An empty read may come with no buffer at all (an empty vector's data()).
  if (count == 0 || pos_ >= Size()) return 0;
  std::size_t n = std::min<std::size_t>(count, data_.size() - static_cast<std::size_t>(pos_));
  std::memcpy(buffer, data_.data() + pos_, n);
  pos_ += static_cast<std::int64_t>(n);
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  std::size_t end = static_cast<std::size_t>(pos_) + count;
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + pos_, buffer, count);
  pos_ = static_cast<std::int64_t>(end);
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? pos_ : Size();
  if (base + offset < 0) throw EStreamError("seek before the start of a memory stream");
  pos_ = base + offset;
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  data_.resize(static_cast<std::size_t>(size));
  if (pos_ > size) pos_ = size;
}

}  // namespace zip
