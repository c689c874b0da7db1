#include "zip/crypto/RandomBytes.h"

#include <sys/random.h>

#include <cerrno>
#include <system_error>

namespace zip {

void FillRandom(void* buffer, std::size_t length) {
  auto p = static_cast<std::uint8_t*>(buffer);
  while (length > 0) {
    ssize_t got = getrandom(p, length, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw std::system_error(errno, std::generic_category(), "getrandom");
    }
    p += got;
    length -= static_cast<std::size_t>(got);
  }
}

std::vector<std::uint8_t> RandomBytes(std::size_t length) {
  std::vector<std::uint8_t> bytes(length);
  FillRandom(bytes.data(), length);
  return bytes;
}

}  // namespace zip
