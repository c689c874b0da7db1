#include "zip/wide/WideFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileIO.h"
#include "zip/FileSystem.h"

namespace zip {

bool WideCopyFile(const std::string& source, const std::string& target, bool failIfExists) {
  struct stat st;
  if (::stat(source.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  struct stat existing;
  if (failIfExists && ::lstat(target.c_str(), &existing) == 0) return false;
  int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  platform::AtomicFile out(target);
  bool ok = static_cast<bool>(out.Open());
  char buffer[1 << 16];
  while (ok) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = static_cast<bool>(out.Append(std::string_view(buffer, static_cast<std::size_t>(n))));
  }
  ::close(fd);
  if (!ok || !out.Commit()) return false;
  ::chmod(target.c_str(), st.st_mode & 07777);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  ::utimensat(AT_FDCWD, target.c_str(), times, 0);
  return true;
}

bool WideFileAge(const std::string& name, std::chrono::system_clock::time_point& time) {
  struct stat st;
  if (::stat(name.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  using namespace std::chrono;
  time = system_clock::time_point(duration_cast<system_clock::duration>(
      seconds(st.st_mtim.tv_sec) + milliseconds(st.st_mtim.tv_nsec / 1000000)));
  return true;
}

bool WideFileIsReadOnly(const std::string& name) {
  std::int32_t attr = WideFileGetAttr(name);
  return attr != -1 && (attr & 0x01);
}

bool WideFileSetReadOnly(const std::string& name, bool readOnly) {
  std::int32_t attr = WideFileGetAttr(name);
  if (attr == -1) return false;
  std::uint32_t bits = static_cast<std::uint32_t>(attr);
  bits = readOnly ? (bits | 0x01) : (bits & ~0x01u);
  return WideFileSetAttr(name, bits);
}

std::string WideFileSearch(const std::string& name, const std::string& folderList) {
  if (WideFileExists(name)) return name;
  std::size_t start = 0;
  while (start <= folderList.size()) {
    std::size_t end = folderList.find(';', start);
    if (end == std::string::npos) end = folderList.size();
    std::string folder = folderList.substr(start, end - start);
    if (!folder.empty()) {
      if (folder.back() != '/') folder += '/';
      if (WideFileExists(folder + name)) return folder + name;
    }
    start = end + 1;
  }
  return {};
}

bool WideCreateDir(const std::string& folder) { return ::mkdir(folder.c_str(), 0777) == 0; }
bool WideRemoveDir(const std::string& folder) { return ::rmdir(folder.c_str()) == 0; }
bool WideSetCurrentDir(const std::string& folder) { return ::chdir(folder.c_str()) == 0; }

std::string WideExtractFileDir(const std::string& name) {
  std::string path = WideExtractFilePath(name);
  if (path.size() > 1 && path[path.size() - 2] != '/') path.pop_back();
  return path;
}

std::string WideChangeFileExt(const std::string& name, const std::string& extension) {
  const std::string ext = WideExtractFileExt(name);
  return name.substr(0, name.size() - ext.size()) + extension;
}

bool WideIsPathDelimiter(const std::string& path, int index) {
  return index >= 1 && index <= static_cast<int>(path.size()) && path[static_cast<std::size_t>(index - 1)] == '/';
}

std::string WideSysErrorMessage(int errorCode) {
  char buffer[256];
  // The GNU form returns the text, in the buffer or elsewhere.
  const char* text = ::strerror_r(errorCode, buffer, sizeof buffer);
  std::string message = text ? text : "";
  if (message.find_first_not_of(" \t\r\n") == std::string::npos)
    return "Unspecified error (" + std::to_string(errorCode) + ") from system.";
  return message;
}

}  // namespace zip
