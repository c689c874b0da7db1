#include "filedialog/FileOperations.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/FileIO.h"
#include "platform/PathText.h"

namespace filedialog {
namespace fs = std::filesystem;
using platform::Status;

namespace {

Status Fail(const std::string& what, const std::string& path, const std::string& why) {
  return Status::Fail(what + " \"" + path + "\": " + why);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  return ::lstat(a.c_str(), &sa) == 0 && ::lstat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// rename() that never replaces: EEXIST when the target is there.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  // File systems without the flag: look first.
  if (PathExists(to)) {
    errno = EEXIST;
    return -1;
  }
  return ::rename(from.c_str(), to.c_str());
}

// Percent-encoding of a path for a trash info file.
std::string UrlPath(const std::string& path) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || std::strchr("/-_.~", c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

// The top folder of the file system that holds `path`.
std::string TopOfFileSystem(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return {};
  std::string top = platform::ParentFolder(path);
  for (;;) {
    if (top == "/") return top;
    const std::string up = platform::ParentFolder(top);
    struct stat su {};
    if (::stat(up.c_str(), &su) != 0 || su.st_dev != st.st_dev) return top;
    top = up;
  }
}

dev_t DeviceOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_dev : static_cast<dev_t>(-1);
}

bool MakeFolder(const std::string& path, mode_t mode) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec || !fs::is_directory(path, ec)) return false;
  ::chmod(path.c_str(), mode);
  return true;
}

// Moves `path` into the trash folder `trash` (with files/ and info/).
bool MoveToTrash(const std::string& path, const std::string& trash) {
  if (!MakeFolder(trash + "/files", 0700) || !MakeFolder(trash + "/info", 0700)) return false;
  const std::string name = platform::FileNameOf(path);
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &t);
  const std::string info = "[Trash Info]\nPath=" + UrlPath(path) + "\nDeletionDate=" + date + "\n";
  for (int n = 1; n < 10000; ++n) {
    const std::string stored = n == 1 ? name : name + "." + std::to_string(n);
    const std::string infoPath = trash + "/info/" + stored + ".trashinfo";
    // The info file is made first and exclusively: it reserves the name.
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    const bool written = ::write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
    ::close(fd);
    if (written && RenameNoReplace(path, trash + "/files/" + stored) == 0) return true;
    ::unlink(infoPath.c_str());
    if (!written || errno != EEXIST) return false;
  }
  return false;
}

}  // namespace

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

Status CopyPath(const std::string& from, const std::string& to) {
  if (!PathExists(from)) return Fail("cannot copy", from, "it does not exist");
  if (PathExists(to)) return Fail("cannot copy to", to, "it exists already");
  std::error_code ec;
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(to, ignored);
    return Fail("cannot copy", from, ec.message());
  }
  return Status::Ok();
}

Status MovePath(const std::string& from, const std::string& to) {
  if (!PathExists(from)) return Fail("cannot move", from, "it does not exist");
  if (RenameNoReplace(from, to) == 0) return Status::Ok();
  if (errno == EEXIST) return Fail("cannot move to", to, "it exists already");
  if (errno != EXDEV) return Fail("cannot move", from, std::strerror(errno));
  Status copied = CopyPath(from, to);
  if (!copied) return copied;
  Status deleted = DeletePath(from);
  if (!deleted) {
    // Neither half is lost: the source stays, the copy goes.
    std::error_code ignored;
    fs::remove_all(to, ignored);
    return deleted;
  }
  return Status::Ok();
}

Status RenamePath(const std::string& from, const std::string& to) {
  if (!PathExists(from)) return Fail("cannot rename", from, "it does not exist");
  if (RenameNoReplace(from, to) == 0) return Status::Ok();
  if (errno == EEXIST) {
    if (SameFile(from, to) && ::rename(from.c_str(), to.c_str()) == 0) return Status::Ok();
    return Fail("cannot rename to", to, "it exists already");
  }
  return Fail("cannot rename", from, std::strerror(errno));
}

Status DeletePath(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  if (ec) return Fail("cannot delete", path, ec.message());
  return Status::Ok();
}

Status TrashPath(const std::string& path, const ShellEnvironment& env) {
  if (!PathExists(path)) return Fail("cannot delete", path, "it does not exist");
  const std::string homeTrash = env.TrashFolder();
  const dev_t device = DeviceOf(platform::ParentFolder(path));
  const dev_t homeDevice = DeviceOf(env.home);
  if (device == homeDevice && MoveToTrash(path, homeTrash)) return Status::Ok();
  const std::string top = TopOfFileSystem(path);
  if (!top.empty() && device != homeDevice &&
      MoveToTrash(path, (top == "/" ? std::string() : top) + "/.Trash-" + std::to_string(::getuid())))
    return Status::Ok();
  return DeletePath(path);
}

}  // namespace filedialog
