#pragma once
// The PC number the info window shows ("ID: %08X"): a scrambled form of the
// identifier of this machine's system volume. Nothing compares it; it only
// lets the service desk tell one operator's PC from another.
#include <cstdint>
#include <optional>
#include <string>

namespace printdata {

// The bits of `serial` complemented, then its bytes reordered: from the
// lowest, byte 1, byte 3, byte 0 and byte 2 of the complement.
std::uint32_t PcIdentifierFromSerial(std::uint32_t serial);

// The identifier of the root file system folded to 32 bits; nothing when it
// cannot be read or is 0.
std::optional<std::uint32_t> RootFileSystemSerial();
// The first eight hexadecimal digits of a machine id file; nothing when the
// file cannot be read, does not start with them or they are all 0.
std::optional<std::uint32_t> MachineIdSerial(const std::string& file);

// The system volume's serial: the root file system's, else the machine id's.
std::optional<std::uint32_t> SystemVolumeSerial(const std::string& machineIdFile = "/etc/machine-id");

// PcIdentifierFromSerial of the system volume's serial; 0 when it cannot be
// read.
std::uint32_t PcIdentifier();

}  // namespace printdata
