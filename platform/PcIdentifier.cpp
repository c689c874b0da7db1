#include "platform/PcIdentifier.h"

#include <sys/vfs.h>

#include <cstring>
#include <string_view>

#include "platform/FileIO.h"
#include "platform/NumberText.h"

namespace platform {

std::uint32_t ScrambleVolumeSerial(std::uint32_t serial) {
  const std::uint32_t a = ~serial;
  return ((a >> 8) & 0xFF) | (((a >> 24) & 0xFF) << 8) | ((a & 0xFF) << 16) | (((a >> 16) & 0xFF) << 24);
}

std::optional<std::uint32_t> VolumeSerial(const std::string& root, const std::string& machineIdPath) {
  struct statfs fs {};
  if (::statfs(root.c_str(), &fs) == 0) {
    // Two words, each drawn from the file system's UUID where it has one.
    int words[2];
    static_assert(sizeof words == sizeof fs.f_fsid);
    std::memcpy(words, &fs.f_fsid, sizeof words);
    const auto id = static_cast<std::uint32_t>(words[0]) ^ static_cast<std::uint32_t>(words[1]);
    if (id != 0) return id;
  }
  Result<std::string> machineId = ReadWholeFile(machineIdPath);
  if (machineId && machineId->size() >= 8) {
    const std::optional<std::uint32_t> v = ParseHex(std::string_view(*machineId).substr(0, 8));
    if (v && *v != 0) return v;
  }
  return std::nullopt;
}

std::uint32_t PcIdentifier(const std::string& root, const std::string& machineIdPath) {
  const std::optional<std::uint32_t> serial = VolumeSerial(root, machineIdPath);
  return serial ? ScrambleVolumeSerial(*serial) : 0;
}

std::uint32_t PcIdentifier() { return PcIdentifier("/", "/etc/machine-id"); }

}  // namespace platform
