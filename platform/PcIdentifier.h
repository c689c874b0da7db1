#pragma once
// The PC identifier the info window shows ("ID: %08X"): the serial number
// of this machine's system volume, scrambled. Here the volume's serial is
// the root file system's identifier, or the start of /etc/machine-id where
// the file system has none. Nothing else compares or stores the value.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The scrambling: a := the bitwise complement of the serial; the result's
// bytes from the lowest are a's bytes 1, 3, 0 and 2.
std::uint32_t ScrambleVolumeSerial(std::uint32_t serial);

// The serial of the volume at `root`: its file system identifier, else the
// first eight hexadecimal digits of `machineIdPath` (an all-zero machine id
// is no id); nothing when neither can be read.
std::optional<std::uint32_t> VolumeSerial(const std::string& root = "/",
                                          const std::string& machineIdPath = "/etc/machine-id");

// This machine's identifier; 0 when no serial can be read.
std::uint32_t PcIdentifier();
std::uint32_t PcIdentifier(const std::string& root, const std::string& machineIdPath);

}  // namespace platform
