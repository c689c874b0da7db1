#pragma once
// What the volumes of a spanned archive need of the medium they are written
// to and read from: whether it is a removable disk, the room left on it and
// its label. The archiver asks the system's medium unless it is given
// another one (tests give a folder that stands for a drive).
#include <cstdint>
#include <string>

namespace zip {

class TVolumeMedium {
 public:
  virtual ~TVolumeMedium() = default;
  // Whether `path` lies on a removable disk.
  virtual bool IsRemovable(const std::string& path) = 0;
  // Bytes free for a new file in the folder of `path`; -1 when unknown.
  virtual std::int64_t FreeSpace(const std::string& path) = 0;
  // Gives the disk that holds `path` the label; false when that cannot be
  // done (most file systems need privileges for it).
  virtual bool SetLabel(const std::string& path, const std::string& label) = 0;
};

// The system's drives: IsRemovableDrive, statvfs and the file system's label
// request.
TVolumeMedium& SystemMedium();

}  // namespace zip
