#include "DiskDrive.h"

#include <unistd.h>

#include <filesystem>

#include "ZipTestUtil.h"

namespace fs = std::filesystem;

namespace ziptest {

DiskDrive::DiskDrive(const std::string& root, std::int64_t capacity)
    : drive_(root + "/drive"), root_(root), blank_(capacity) {
  fs::create_directories(drive_);
}

std::string DiskDrive::Path(const std::string& name) const { return drive_ + "/" + name; }

std::string DiskDrive::Shelf(int disk) const { return root_ + "/shelf/" + std::to_string(disk); }

void DiskDrive::Insert(int disk) {
  if (disk == inDrive_) return;
  fs::create_directories(Shelf(inDrive_));
  for (const auto& e : fs::directory_iterator(drive_)) {
    const std::string name = e.path().filename().string();
    WriteFile(Shelf(inDrive_) + "/" + name, ReadFile(e.path().string()));
    fs::resize_file(e.path(), 0);
    fs::remove(e.path());
  }
  if (fs::exists(Shelf(disk)))
    for (const auto& e : fs::directory_iterator(Shelf(disk))) fs::rename(e.path(), fs::path(drive_) / e.path().filename());
  inDrive_ = disk;
}

std::map<std::string, std::string> DiskDrive::Files(int disk) const {
  std::map<std::string, std::string> files;
  const std::string folder = disk == inDrive_ ? drive_ : Shelf(disk);
  if (!fs::exists(folder)) return files;
  for (const auto& e : fs::directory_iterator(folder)) files[e.path().filename().string()] = ReadFile(e.path().string());
  return files;
}

bool DiskDrive::IsRemovable(const std::string& path) { return path.rfind(drive_ + "/", 0) == 0; }

std::int64_t DiskDrive::FreeSpace(const std::string& path) {
  if (!IsRemovable(path)) return -1;
  auto room = capacity_.find(inDrive_);
  std::int64_t free = room == capacity_.end() ? blank_ : room->second;
  for (const auto& e : fs::directory_iterator(drive_)) free -= static_cast<std::int64_t>(e.file_size());
  return free;
}

bool DiskDrive::SetLabel(const std::string& path, const std::string& label) {
  if (!labelsWork || !IsRemovable(path)) return false;
  labels[inDrive_] = label;
  return true;
}

}  // namespace ziptest
