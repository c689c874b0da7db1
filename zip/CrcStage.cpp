#include "zip/CrcStage.h"

#include "zip/crypto/Crc32.h"

namespace zip {

bool CrcStage::Write(const std::uint8_t* data, std::size_t size) {
  if (size > limit_ - count_) {
    overLimit_ = true;
    return false;
  }
  register_ = UpdateCrc32(register_, data, static_cast<std::int64_t>(size));
  count_ += size;
  return Pass(data, size);
}

}  // namespace zip
