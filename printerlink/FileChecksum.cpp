#include "printerlink/FileChecksum.h"

#include "platform/FileIO.h"
#include "platform/LinkChecksum.h"

namespace printerlink {

int Crc32File(const std::string& path, std::uint32_t* checksum) {
  *checksum = 0;
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes) return -1;
  *checksum = platform::Crc32Chain(0, *bytes);
  return 0;
}

}  // namespace printerlink
