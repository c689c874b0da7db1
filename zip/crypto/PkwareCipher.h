#pragma once
// The traditional PKWARE stream cipher of the ZIP format (three keys updated
// with every plain byte). Weak by today's standards; the program's own
// archives use WinZip AES, this serves archives written by other tools.
#include <array>
#include <cstdint>
#include <string_view>

namespace zip {

// The caller owns the key set and passes it to every call. Each key sits in a
// 64-bit slot whose upper half stays 0.
struct TZipKeys {
  std::uint64_t Key[3] = {0, 0, 0};
};

constexpr int kZipEncryptionHeaderSize = 12;

// Presets the keys and updates them with every password byte.
void ZipEncryptKeyInit(std::string_view password, TZipKeys& keys);
// As ZipEncryptKeyInit, then deciphers the 12 header bytes in place. The
// password is right when header[11] equals the entry's check byte (high byte
// of the CRC-32, or of the DOS time when flag bit 3 is set).
void ZipKeyInit(std::string_view password, TZipKeys& keys, std::uint8_t header[kZipEncryptionHeaderSize]);
// Returns the byte enciphered and updates the keys with the plain byte.
std::uint8_t ZipEncryptByte(std::uint8_t byte, TZipKeys& keys);
// Enciphers count bytes of buffer in place from index start; count <= 0 does nothing.
void ZipEncryptBuffer(std::int64_t count, std::int64_t start, std::uint8_t* buffer, TZipKeys& keys);
// Deciphers count bytes in place from index 0.
void ZipDecryptBuffer(std::uint8_t* buffer, std::int64_t count, TZipKeys& keys);

// The writer's start of an encrypted entry: presets the keys from the
// password, builds the header (10 random bytes from the system, then bits
// 16..23 and 24..31 of the entry's CRC-32) and returns it enciphered. The
// keys are then ready for ZipEncryptBuffer over the compressed data.
std::array<std::uint8_t, kZipEncryptionHeaderSize> ZipMakeEncryptionHeader(std::string_view password,
                                                                          std::uint32_t crc32,
                                                                          TZipKeys& keys);

}  // namespace zip
