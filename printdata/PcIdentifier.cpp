#include "printdata/PcIdentifier.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "platform/NumberText.h"

namespace printdata {

std::uint32_t PcIdentifierFromSerial(std::uint32_t serial) {
  const std::uint32_t a = ~serial;
  return ((a >> 8) & 0xFF) | (((a >> 24) & 0xFF) << 8) | ((a & 0xFF) << 16) | (((a >> 16) & 0xFF) << 24);
}

std::optional<std::uint32_t> RootFileSystemSerial() {
  struct statvfs info;
  if (statvfs("/", &info) != 0) return std::nullopt;
  // f_fsid is as wide as a long; fold it so that both halves count.
  std::uint64_t id = 0;
  std::memcpy(&id, &info.f_fsid, std::min(sizeof id, sizeof info.f_fsid));
  const auto folded = static_cast<std::uint32_t>(id ^ (id >> 32));
  if (folded == 0) return std::nullopt;
  return folded;
}

std::optional<std::uint32_t> MachineIdSerial(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  if (!in || !std::getline(in, line) || line.size() < 8) return std::nullopt;
  const std::optional<std::uint32_t> id = platform::ParseHex(std::string_view(line).substr(0, 8));
  if (!id || *id == 0) return std::nullopt;
  return id;
}

std::optional<std::uint32_t> SystemVolumeSerial(const std::string& machineIdFile) {
  if (const auto id = RootFileSystemSerial()) return id;
  return MachineIdSerial(machineIdFile);
}

std::uint32_t PcIdentifier() {
  const std::optional<std::uint32_t> serial = SystemVolumeSerial();
  return serial ? PcIdentifierFromSerial(*serial) : 0;
}

}  // namespace printdata
