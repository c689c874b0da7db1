#include "printdata/PrinterFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace printdata {

platform::Status WritePrinterFile(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return platform::Status::Fail("cannot create \"" + path + "\": " + std::strerror(errno));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed)
    return platform::Status::Fail("cannot write \"" + path + "\": " + std::strerror(written ? errno : error));
  return platform::Status::Ok();
}

}  // namespace printdata
