#include "printerlink/thread/ArchiveStamp.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/FileIO.h"
#include "platform/LinkChecksum.h"
#include "printerlink/thread/PrintDataFiles.h"

namespace printerthread {
namespace {

constexpr long long kStampBase = 946684800;       // 2000-01-01 00:00:00 UTC
constexpr std::uint32_t kStampMask = 0x3FFFFFFF;  // 2^30 steps of 2 s: up to 2068, inside the archive's range

}  // namespace

long long PrintTextStamp(const std::string& setFolder, int number) {
  std::uint32_t crc = platform::CrcInitFrom(0);
  for (const PrintTextFile& file : PrintTextFiles(number)) {
    crc = platform::Crc32Chain(crc, file.local);
    auto bytes = platform::ReadWholeFile(setFolder + file.local);
    // A missing file and an empty one differ.
    crc = platform::Crc32Chain(crc, bytes.ok() ? std::string_view("+") : std::string_view("-"));
    if (bytes.ok()) crc = platform::Crc32Chain(crc, *bytes);
  }
  return kStampBase + 2LL * (crc & kStampMask);
}

platform::Status StampPrintTextFile(const std::string& textFile, const std::string& setFolder, int number) {
  const long long stamp = PrintTextStamp(setFolder, number);
  struct timespec times[2];
  times[0].tv_sec = static_cast<time_t>(stamp);
  times[0].tv_nsec = 0;
  times[1] = times[0];
  if (::utimensat(AT_FDCWD, textFile.c_str(), times, 0) != 0)
    return platform::Status::Fail(textFile + ": " + std::strerror(errno));
  return platform::Status::Ok();
}

}  // namespace printerthread
