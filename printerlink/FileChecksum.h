#pragma once
#include <cstdint>
#include <string>

namespace printerlink {

// The link checksum of a whole local file (from 0xFFFFFFFF, no final
// inversion). 0 with the value; -1 when the file cannot be read (value 0).
int Crc32File(const std::string& path, std::uint32_t* checksum);

}  // namespace printerlink
