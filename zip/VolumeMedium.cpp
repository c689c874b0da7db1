#include "zip/VolumeMedium.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstring>

#include "zip/FileSystem.h"
#include "zip/ZipPaths.h"

namespace zip {
namespace {

std::string FolderOf(const std::string& path) {
  std::string folder = WideExtractFilePath(path);
  return folder.empty() ? std::string(".") : folder;
}

class TSystemMedium : public TVolumeMedium {
 public:
  bool IsRemovable(const std::string& path) override { return IsRemovableDrive(path); }

  std::int64_t FreeSpace(const std::string& path) override {
    struct statvfs st;
    if (::statvfs(FolderOf(path).c_str(), &st) != 0) return -1;
    return static_cast<std::int64_t>(st.f_bavail) * static_cast<std::int64_t>(st.f_frsize);
  }

  bool SetLabel(const std::string& path, const std::string& label) override {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    char text[FSLABEL_MAX] = {};
    std::strncpy(text, label.c_str(), sizeof text - 1);
    const bool done = ::ioctl(fd, FS_IOC_SETFSLABEL, text) == 0;
    ::close(fd);
    return done;
  }
};

}  // namespace

TVolumeMedium& SystemMedium() {
  static TSystemMedium medium;
  return medium;
}

}  // namespace zip
