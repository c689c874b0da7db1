#include "printdata/FolderTree.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/FileIO.h"
#include "platform/PathText.h"

namespace printdata {
namespace {

namespace fs = std::filesystem;
using platform::Status;
using platform::SyncFolder;
using platform::WithoutTrailingSlash;

std::string Errno(const std::string& what, const std::string& path) {
  return what + " \"" + path + "\": " + std::strerror(errno);
}

std::string ParentOf(const std::string& path) { return fs::path(path).parent_path().string(); }

Status CopyFile(const std::string& from, const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return Status::Fail(Errno("cannot open", from));
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out < 0) {
    Status failed = Status::Fail(Errno("cannot create", to));
    ::close(in);
    return failed;
  }
  Status result = Status::Ok();
  char buf[1 << 16];
  for (;;) {
    ssize_t n = ::read(in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = Status::Fail(Errno("cannot read", from));
      break;
    }
    if (n == 0) break;
    for (ssize_t done = 0; done < n;) {
      ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        result = Status::Fail(Errno("cannot write", to));
        break;
      }
      done += w;
    }
    if (!result) break;
  }
  if (result && ::fsync(out) != 0) result = Status::Fail(Errno("cannot flush", to));
  if (::close(out) != 0 && result) result = Status::Fail(Errno("cannot write", to));
  ::close(in);
  return result;
}

Status CopyEntries(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) return Status::Fail("cannot create \"" + to.string() + "\": " + ec.message());
  for (fs::directory_iterator it(from, ec), end; it != end; it.increment(ec)) {
    if (ec) break;
    const fs::path target = to / it->path().filename();
    std::error_code kindEc;
    const fs::file_status st = it->symlink_status(kindEc);
    if (kindEc) return Status::Fail("cannot read \"" + it->path().string() + "\": " + kindEc.message());
    Status copied = Status::Ok();
    if (fs::is_symlink(st)) {
      fs::copy_symlink(it->path(), target, kindEc);
      if (kindEc) copied = Status::Fail("cannot copy \"" + it->path().string() + "\": " + kindEc.message());
    } else if (fs::is_directory(st)) {
      copied = CopyEntries(it->path(), target);
    } else if (fs::is_regular_file(st)) {
      copied = CopyFile(it->path().string(), target.string());
    }
    if (!copied) return copied;
  }
  if (ec) return Status::Fail("cannot list \"" + from.string() + "\": " + ec.message());
  SyncFolder(to.string());
  return Status::Ok();
}

struct Listed {
  std::string name;
  fs::file_type type;
};

bool List(const fs::path& folder, std::vector<Listed>& out) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
    if (ec) return false;
    std::error_code kindEc;
    const fs::file_status st = it->symlink_status(kindEc);
    if (kindEc) return false;
    out.push_back({it->path().filename().string(), st.type()});
  }
  if (ec) return false;
  std::sort(out.begin(), out.end(), [](const Listed& a, const Listed& b) { return a.name < b.name; });
  return true;
}

bool SameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  if (!x || !y) return false;
  char bx[1 << 15], by[1 << 15];
  for (;;) {
    x.read(bx, sizeof bx);
    y.read(by, sizeof by);
    const std::streamsize n = x.gcount();
    if (n != y.gcount() || x.bad() || y.bad()) return false;
    if (std::memcmp(bx, by, static_cast<std::size_t>(n)) != 0) return false;
    if (n < static_cast<std::streamsize>(sizeof bx)) return true;  // both ended here
  }
}

bool SameTree(const fs::path& a, const fs::path& b) {
  std::vector<Listed> la, lb;
  if (!List(a, la) || !List(b, lb) || la.size() != lb.size()) return false;
  for (std::size_t i = 0; i < la.size(); ++i) {
    if (la[i].name != lb[i].name || la[i].type != lb[i].type) return false;
    const fs::path pa = a / la[i].name, pb = b / lb[i].name;
    std::error_code ec;
    switch (la[i].type) {
      case fs::file_type::directory:
        if (!SameTree(pa, pb)) return false;
        break;
      case fs::file_type::regular:
        if (fs::file_size(pa, ec) != fs::file_size(pb, ec) || ec || !SameBytes(pa, pb)) return false;
        break;
      case fs::file_type::symlink:
        if (fs::read_symlink(pa, ec) != fs::read_symlink(pb, ec) || ec) return false;
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace

platform::Result<std::string> MakeUniqueFolder(const std::string& parent, const std::string& prefix) {
  std::string pattern = platform::WithTrailingSlash(WithoutTrailingSlash(parent)) + prefix + "XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data())) return Status::Fail(Errno("cannot create a work folder in", parent));
  return std::string(buf.data());
}

void RemoveEntriesStartingWith(const std::string& parent, const std::string& prefix) {
  std::error_code ec;
  std::vector<fs::path> victims;
  for (fs::directory_iterator it(WithoutTrailingSlash(parent), ec), end; !ec && it != end; it.increment(ec))
    if (it->path().filename().string().rfind(prefix, 0) == 0) victims.push_back(it->path());
  for (const fs::path& v : victims) fs::remove_all(v, ec);
}

Status CopyFolderContent(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (!fs::is_directory(WithoutTrailingSlash(from), ec)) return Status::Fail("\"" + from + "\" is no folder");
  return CopyEntries(WithoutTrailingSlash(from), WithoutTrailingSlash(to));
}

bool SameFolderContent(const std::string& a, const std::string& b) {
  std::error_code ec;
  const std::string x = WithoutTrailingSlash(a), y = WithoutTrailingSlash(b);
  return fs::is_directory(x, ec) && fs::is_directory(y, ec) && SameTree(x, y);
}

Status ReplaceFolder(const std::string& rawStaged, const std::string& rawTarget) {
  const std::string staged = WithoutTrailingSlash(rawStaged), target = WithoutTrailingSlash(rawTarget);
  struct stat st;
  if (::lstat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) return Status::Fail(Errno("cannot look at", target));
    if (::rename(staged.c_str(), target.c_str()) != 0) return Status::Fail(Errno("cannot put in place", target));
    SyncFolder(ParentOf(target));
    return Status::Ok();
  }
  if (!S_ISDIR(st.st_mode)) return Status::Fail("\"" + target + "\" is no folder");
  // One step: the old content is never missing, not even after a crash.
  if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
    SyncFolder(ParentOf(target));
    (void)RemoveAll(staged);
    return Status::Ok();
  }
  if (errno != EINVAL && errno != ENOSYS) return Status::Fail(Errno("cannot exchange", target));
  // A file system without the exchange: the old folder steps aside and
  // comes back when the new one cannot take its place.
  auto aside = MakeUniqueFolder(ParentOf(target), "." + fs::path(target).filename().string() + ".old.");
  if (!aside) return aside.status();
  if (::rename(target.c_str(), aside->c_str()) != 0) {
    Status failed = Status::Fail(Errno("cannot move aside", target));
    ::rmdir(aside->c_str());
    return failed;
  }
  if (::rename(staged.c_str(), target.c_str()) != 0) {
    Status failed = Status::Fail(Errno("cannot put in place", target));
    ::rename(aside->c_str(), target.c_str());
    return failed;
  }
  SyncFolder(ParentOf(target));
  (void)RemoveAll(*aside);
  return Status::Ok();
}

Status EmptyFolder(const std::string& rawFolder) {
  const std::string folder = WithoutTrailingSlash(rawFolder);
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Status::Fail("\"" + folder + "\" is no folder");
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(folder, ec), end; it != end; it.increment(ec)) {
    if (ec) break;
    entries.push_back(it->path());
  }
  if (ec) return Status::Fail("cannot list \"" + folder + "\": " + ec.message());
  for (const fs::path& e : entries) {
    fs::remove_all(e, ec);
    if (ec) return Status::Fail("cannot remove \"" + e.string() + "\": " + ec.message());
  }
  SyncFolder(folder);
  return Status::Ok();
}

Status RemoveAll(const std::string& path) {
  std::error_code ec;
  fs::remove_all(WithoutTrailingSlash(path), ec);
  if (ec) return Status::Fail("cannot remove \"" + path + "\": " + ec.message());
  return Status::Ok();
}

}  // namespace printdata
