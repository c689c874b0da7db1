#include "zip/crypto/ZipCryptoTransform.h"

#include <sstream>

namespace zip {

bool TZipCryptoTransform::LoadFileStorageStartBlock(const std::uint8_t* block, std::size_t size) {
  std::istringstream stream(std::string(reinterpret_cast<const char*>(block), size), std::ios::binary);
  return LoadFileStorageStartBlock(stream, 0);
}

bool TZipCryptoTransform::LoadFileStorageEndBlock(const std::uint8_t* block, std::size_t size) {
  std::istringstream stream(std::string(reinterpret_cast<const char*>(block), size), std::ios::binary);
  return LoadFileStorageEndBlock(stream, 0);
}

}  // namespace zip
