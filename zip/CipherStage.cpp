#include "zip/CipherStage.h"

#include <cstring>

namespace zip {

bool EncryptStage::Write(const std::uint8_t* data, std::size_t size) {
  work_.resize(size);
  std::memcpy(work_.data(), data, size);
  cipher_.Encrypt(work_.data(), size);
  return Pass(work_.data(), size);
}

bool DecryptStage::Write(const std::uint8_t* data, std::size_t size) {
  work_.resize(size);
  std::memcpy(work_.data(), data, size);
  cipher_.Decrypt(work_.data(), size);
  return Pass(work_.data(), size);
}

}  // namespace zip
