#pragma once
// A removable drive for the spanning tests: a folder stands for the drive,
// the disks that are not in it lie on a shelf beside it. Disks are numbered
// from 1; disk 1 is in the drive at the start. Taking a disk out empties
// each of its files where it lay before moving its bytes to the shelf, so
// that an archiver still reading a file of a disk that left the drive
// meets nothing there.
#include <cstdint>
#include <map>
#include <string>

#include "zip/VolumeMedium.h"

namespace ziptest {

class DiskDrive : public zip::TVolumeMedium {
 public:
  // A new, blank disk holds `capacity` bytes.
  DiskDrive(const std::string& root, std::int64_t capacity);
  // The path of `name` on the disk in the drive.
  std::string Path(const std::string& name) const;
  // Takes the disk in the drive out and puts disk `disk` in (blank when it
  // was never in the drive).
  void Insert(int disk);
  int InDrive() const { return inDrive_; }
  // The files of disk `disk` by name, wherever the disk is.
  std::map<std::string, std::string> Files(int disk) const;
  // The room of disk `disk` (for a disk not seen yet: from its first use).
  void SetCapacity(int disk, std::int64_t capacity) { capacity_[disk] = capacity; }
  // Labels given to the disks; a drive whose labels cannot be set refuses.
  std::map<int, std::string> labels;
  bool labelsWork = true;

  bool IsRemovable(const std::string& path) override;
  std::int64_t FreeSpace(const std::string& path) override;
  bool SetLabel(const std::string& path, const std::string& label) override;

 private:
  std::string Shelf(int disk) const;
  std::string drive_;
  std::string root_;
  std::int64_t blank_;
  std::map<int, std::int64_t> capacity_;
  int inDrive_ = 1;
};

}  // namespace ziptest
