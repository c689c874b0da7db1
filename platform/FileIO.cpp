#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/LeftoverTempFiles.h"

namespace platform {
namespace {

std::string ErrnoText(const std::string& what, const std::string& path) {
  return what + " \"" + path + "\": " + std::strerror(errno);
}

Status WriteAll(int fd, std::string_view bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::Fail(ErrnoText("cannot write", path));
    }
    done += static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

}  // namespace

namespace {

// Reads `fd` to its end, failing once more than `maxBytes` came; closes it.
Result<std::string> ReadToEnd(int fd, const std::string& path, std::uint64_t maxBytes, std::size_t expected = 0) {
  std::string data;
  data.reserve(expected);
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      Status failed = Status::Fail(ErrnoText("cannot read", path));
      ::close(fd);
      return failed;
    }
    if (n == 0) break;
    if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
      ::close(fd);
      return Status::Fail("\"" + path + "\" is too large");
    }
    data.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return data;
}

}  // namespace

Result<std::string> ReadWholeFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Status::Fail(ErrnoText("cannot open", path));
  return ReadToEnd(fd, path, UINT64_MAX);
}

Result<std::string> ReadFileUpTo(const std::string& path, std::uint64_t maxBytes) {
  // Without blocking: a pipe at `path` must not wait for a writer.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Status::Fail(ErrnoText("cannot open", path));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
    ::close(fd);
    return Status::Fail("\"" + path + "\" is no file");
  }
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
    ::close(fd);
    return Status::Fail("\"" + path + "\" is too large");
  }
  return ReadToEnd(fd, path, maxBytes, static_cast<std::size_t>(st.st_size));
}

Result<ReplacementTemp> CreateReplacementTemp(const std::string& target) {
  static std::atomic<unsigned> serial{0};
  ReplacementTemp temp;
  // A name left by an earlier process of the same id is passed over.
  for (int attempt = 0; attempt < 100 && temp.fd < 0; ++attempt) {
    temp.name = TempNameBeside(target, serial.fetch_add(1));
    temp.fd = ::open(temp.name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temp.fd < 0 && errno != EEXIST) break;
  }
  if (temp.fd < 0) return Status::Fail(ErrnoText("cannot create", temp.name));
  struct stat replaced {};
  if (::stat(target.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode) &&
      ::fchmod(temp.fd, replaced.st_mode & 0777) != 0) {
    Status failed = Status::Fail(ErrnoText("cannot set the permissions of", temp.name));
    ::close(temp.fd);
    ::unlink(temp.name.c_str());
    return failed;
  }
  return temp;
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!temp_.empty() && !committed_) ::unlink(temp_.c_str());
}

Status AtomicFile::Open() {
  Result<ReplacementTemp> temp = CreateReplacementTemp(target_);
  if (!temp) return temp.status();
  fd_ = temp->fd;
  temp_ = std::move(temp->name);
  return Status::Ok();
}

Status AtomicFile::Append(std::string_view bytes) {
  if (fd_ < 0) return Status::Fail("\"" + target_ + "\" is not open for writing");
  return WriteAll(fd_, bytes, temp_);
}

Status AtomicFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
  if (fd_ < 0) return Status::Fail("\"" + target_ + "\" is not open for writing");
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Status::Fail(ErrnoText("cannot write", temp_));
    done += static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

Status AtomicFile::Commit() {
  if (fd_ < 0) return Status::Fail("\"" + target_ + "\" is not open for writing");
  Status done = ::fsync(fd_) == 0 ? Status::Ok() : Status::Fail(ErrnoText("cannot flush", temp_));
  if (::close(fd_) != 0 && done) done = Status::Fail(ErrnoText("cannot close", temp_));
  fd_ = -1;
  if (done && ::rename(temp_.c_str(), target_.c_str()) != 0)
    done = Status::Fail(ErrnoText("cannot replace", target_));
  if (!done) return done;
  committed_ = true;
  // Make the rename itself durable.
  SyncFolder(std::filesystem::path(target_).parent_path().string());
  return Status::Ok();
}

Status WriteFileAtomic(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  if (Status opened = file.Open(); !opened) return opened;
  if (Status written = file.Append(bytes); !written) return written;
  return file.Commit();
}

Status WriteFileDirect(const std::string& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return Status::Fail(ErrnoText("cannot create", path));
  Status written = WriteAll(fd, bytes, path);
  if (::close(fd) != 0 && written) written = Status::Fail(ErrnoText("cannot write", path));
  return written;
}

bool DeleteFileOnly(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  if (S_ISDIR(st.st_mode)) return false;
  return ::unlink(path.c_str()) == 0;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace platform
