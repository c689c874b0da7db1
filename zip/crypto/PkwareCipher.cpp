#include "zip/crypto/PkwareCipher.h"

#include "zip/crypto/Crc32.h"
#include "zip/crypto/RandomBytes.h"

namespace zip {
namespace {

void UpdateKeys(TZipKeys& keys, std::uint8_t plain) {
  std::uint32_t k0 = static_cast<std::uint32_t>(keys.Key[0]);
  std::uint32_t k1 = static_cast<std::uint32_t>(keys.Key[1]);
  std::uint32_t k2 = static_cast<std::uint32_t>(keys.Key[2]);
  k0 = CRC32_TABLE[(k0 ^ plain) & 0xFF] ^ (k0 >> 8);
  k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1u;
  k2 = CRC32_TABLE[(k2 ^ (k1 >> 24)) & 0xFF] ^ (k2 >> 8);
  keys.Key[0] = k0;
  keys.Key[1] = k1;
  keys.Key[2] = k2;
}

std::uint8_t StreamByte(const TZipKeys& keys) {
  std::uint32_t temp = static_cast<std::uint16_t>(keys.Key[2] | 2);
  return static_cast<std::uint8_t>((temp * (temp ^ 1u)) >> 8);
}

}  // namespace

void ZipEncryptKeyInit(std::string_view password, TZipKeys& keys) {
  keys.Key[0] = 0x12345678;
  keys.Key[1] = 0x23456789;
  keys.Key[2] = 0x34567890;
  for (char c : password) UpdateKeys(keys, static_cast<std::uint8_t>(c));
}

void ZipKeyInit(std::string_view password, TZipKeys& keys, std::uint8_t header[kZipEncryptionHeaderSize]) {
  ZipEncryptKeyInit(password, keys);
  ZipDecryptBuffer(header, kZipEncryptionHeaderSize, keys);
}

std::uint8_t ZipEncryptByte(std::uint8_t byte, TZipKeys& keys) {
  std::uint8_t cipher = byte ^ StreamByte(keys);
  UpdateKeys(keys, byte);
  return cipher;
}

void ZipEncryptBuffer(std::int64_t count, std::int64_t start, std::uint8_t* buffer, TZipKeys& keys) {
  for (std::int64_t i = 0; i < count; ++i) buffer[start + i] = ZipEncryptByte(buffer[start + i], keys);
}

void ZipDecryptBuffer(std::uint8_t* buffer, std::int64_t count, TZipKeys& keys) {
  for (std::int64_t i = 0; i < count; ++i) {
    buffer[i] ^= StreamByte(keys);
    UpdateKeys(keys, buffer[i]);
  }
}

std::array<std::uint8_t, kZipEncryptionHeaderSize> ZipMakeEncryptionHeader(std::string_view password,
                                                                          std::uint32_t crc32,
                                                                          TZipKeys& keys) {
  std::array<std::uint8_t, kZipEncryptionHeaderSize> header{};
  FillRandom(header.data(), 10);
  header[10] = static_cast<std::uint8_t>(crc32 >> 16);
  header[11] = static_cast<std::uint8_t>(crc32 >> 24);
  ZipEncryptKeyInit(password, keys);
  for (auto& b : header) b = ZipEncryptByte(b, keys);
  return header;
}

}  // namespace zip
