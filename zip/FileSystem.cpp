#include "zip/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "zip/CodePages.h"
#include "zip/WildcardMatch.h"
#include "zip/ZipErrors.h"

namespace zip {
namespace fs = std::filesystem;
namespace {

// Attributes of a file system object, false for objects the archiver never
// touches (FIFOs, sockets, devices, links to folders, dangling links).
bool AttributesOf(const std::string& path, std::uint32_t& attr, std::int64_t& size, std::int32_t& time,
                  bool followFolderLinks) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return false;
  if (S_ISLNK(st.st_mode)) {
    struct stat target;
    if (::stat(path.c_str(), &target) != 0) return false;
    if (S_ISDIR(target.st_mode) && !followFolderLinks) return false;
    st = target;
  }
  if (S_ISDIR(st.st_mode)) {
    attr = 0x10;
    size = 0;
  } else if (S_ISREG(st.st_mode)) {
    attr = 0x20;
    size = st.st_size;
  } else {
    return false;
  }
  if ((st.st_mode & 0222) == 0) attr |= 0x01;
  time = static_cast<std::int32_t>(DateTimeToDos(st.st_mtime));
  return true;
}

bool TakeNext(TSearchRecW& rec) {
  while (rec.next < rec.found.size()) {
    const auto& f = rec.found[rec.next++];
    if (f.attr & rec.ExcludeAttr) continue;
    rec.Name = f.name;
    rec.Attr = f.attr;
    rec.Size = f.size;
    rec.Time = f.time;
    return true;
  }
  return false;
}

}  // namespace

bool WideFileExists(const std::string& name) {
  std::uint32_t attr;
  std::int64_t size;
  std::int32_t time;
  return !name.empty() && AttributesOf(name, attr, size, time, false) && !(attr & 0x10);
}

bool WideDirectoryExists(const std::string& name) {
  std::int32_t attr = WideFileGetAttr(name);
  return attr != -1 && (attr & 0x10);
}

std::int32_t WideFileGetAttr(const std::string& name) {
  std::uint32_t attr;
  std::int64_t size;
  std::int32_t time;
  if (name.empty() || !AttributesOf(name, attr, size, time, true)) return -1;
  return static_cast<std::int32_t>(attr);
}

bool WideFileSetAttr(const std::string& name, std::uint32_t attributes) {
  struct stat st;
  if (::stat(name.c_str(), &st) != 0) return false;
  mode_t mode = st.st_mode & 07777;
  if (attributes & 0x01) mode &= ~static_cast<mode_t>(0222);
  else if ((mode & 0222) == 0) mode |= S_IWUSR;
  return mode == (st.st_mode & 07777) || ::chmod(name.c_str(), mode) == 0;
}

bool WideForceDirectories(const std::string& folder) {
  if (folder.empty()) throw EUniGeneralError("Das Verzeichnis kann nicht erstellt werden");
  std::string name = folder;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  if (WideDirectoryExists(name)) return true;
  std::error_code ec;
  fs::create_directories(name, ec);
  return WideDirectoryExists(name);
}

bool WideDeleteFile(const std::string& name) { return ::unlink(name.c_str()) == 0; }

bool WideRenameFile(const std::string& oldName, const std::string& newName) {
  return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

int WideFindFirst(const std::string& pattern, std::uint32_t attributes, TSearchRecW& rec) {
  rec = TSearchRecW();
  rec.ExcludeAttr = ~attributes & 0x1E;
  std::string folder = WideExtractFilePath(pattern);
  WideString mask = W(WideExtractFileName(pattern));
  bool wild = mask.find_first_of(u"*?") != WideString::npos;
  if (!wild) {
    TSearchRecW::Found f{WideExtractFileName(pattern), 0, 0, 0};
    if (!AttributesOf(pattern, f.attr, f.size, f.time, false)) return 2;
    rec.found.push_back(f);
  } else {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 3;
    while (dirent* e = ::readdir(dir)) {
      std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      if (!WIsStrMatchPattern(W(name), mask, true)) continue;
      TSearchRecW::Found f{name, 0, 0, 0};
      if (AttributesOf(folder + name, f.attr, f.size, f.time, false)) rec.found.push_back(f);
    }
    ::closedir(dir);
  }
  return TakeNext(rec) ? 0 : 2;
}

int WideFindNext(TSearchRecW& rec) { return TakeNext(rec) ? 0 : 18; }

void WideFindClose(TSearchRecW& rec) {
  rec.found.clear();
  rec.next = 0;
}

std::int32_t WideFileAge(const std::string& name) {
  std::uint32_t attr;
  std::int64_t size;
  std::int32_t time;
  if (!AttributesOf(name, attr, size, time, true) || (attr & 0x10)) return -1;
  return time;
}

bool WideFileSetDate(const std::string& name, std::uint32_t dosDateTime) {
  std::time_t t = DosToDateTime(dosDateTime);
  struct timespec times[2];
  times[0].tv_sec = t;
  times[0].tv_nsec = 0;
  times[1] = times[0];
  return ::utimensat(AT_FDCWD, name.c_str(), times, 0) == 0;
}

std::string WideGetCurrentDir() {
  std::error_code ec;
  std::string dir = fs::current_path(ec).string();
  return ec ? std::string() : dir;
}

std::string WideExpandFileName(const std::string& name) {
  if (name.empty()) return WideGetCurrentDir();
  std::error_code ec;
  fs::path p = fs::absolute(name, ec);
  if (ec) p = name;
  std::string out = p.lexically_normal().string();
  // lexically_normal keeps a trailing separator only for folder names such
  // as "a/"; "a/." becomes "a/" too, which is what callers expect.
  return out;
}

std::string WideExtractFilePath(const std::string& name) {
  auto slash = name.rfind('/');
  return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

std::string WideExtractFileName(const std::string& name) {
  auto slash = name.rfind('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string WideExtractFileExt(const std::string& name) {
  auto pos = name.find_last_of("./");
  if (pos == std::string::npos || name[pos] != '.') return std::string();
  return name.substr(pos);
}

std::uint32_t DateTimeToDos(std::time_t t) {
  struct tm tm;
  if (!::localtime_r(&t, &tm) || tm.tm_year < 80) return (1u << 21) | (1u << 16);  // 1980-01-01 00:00
  if (tm.tm_year > 207) tm = {59, 59, 23, 31, 11, 207, 0, 0, 0, 0, nullptr};
  std::uint32_t date = ((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday;
  std::uint32_t time = (tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2);
  return (date << 16) | time;
}

std::time_t DosToDateTime(std::uint32_t dos) {
  struct tm tm = {};
  std::uint32_t date = dos >> 16, time = dos & 0xFFFF;
  tm.tm_year = static_cast<int>((date >> 9) & 0x7F) + 80;
  tm.tm_mon = static_cast<int>((date >> 5) & 0x0F) - 1;
  tm.tm_mday = static_cast<int>(date & 0x1F);
  tm.tm_hour = static_cast<int>((time >> 11) & 0x1F);
  tm.tm_min = static_cast<int>((time >> 5) & 0x3F);
  tm.tm_sec = static_cast<int>((time & 0x1F) * 2);
  tm.tm_isdst = -1;
  if (tm.tm_mon < 0) tm.tm_mon = 0;
  if (tm.tm_mday < 1) tm.tm_mday = 1;
  return ::mktime(&tm);
}

}  // namespace zip
