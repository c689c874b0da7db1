#include "printerlink/FileChecksum.h"

#include <cstdio>
#include <memory>

#include "printerlink/LinkChecksum.h"

namespace printerlink {

int Crc32File(const std::string& path, std::uint32_t* checksum) {
  *checksum = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return -1;
  std::uint32_t crc = CrcInitFrom(0);
  unsigned char buffer[65536];
  for (;;) {
    std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    for (std::size_t i = 0; i < n; ++i) crc = Crc32Update(crc, buffer[i]);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) return -1;
  *checksum = crc;
  return 0;
}

}  // namespace printerlink
