#pragma once
// SHA-1 (FIPS 180) in the descriptor frame: the routines work on the shared
// THashContext and write 64-byte digest areas.
#include <cstdint>
#include <string>

#include "zip/crypto/HashDesc.h"

namespace zip {

constexpr int kSha1DigestSize = 20;
constexpr int kSha1BlockSize = 64;

// Zeroes the whole context and loads the initial words.
void SHA1Init(THashContext& context);
void SHA1UpdateXL(THashContext& context, const void* data, std::int32_t length);
void SHA1Update(THashContext& context, const void* data, std::uint16_t length);
// Pads, writes the digest big-endian into the zero-filled area and zeroes the context.
void SHA1FinalEx(THashContext& context, THashDigest& digest);
void SHA1Final(THashContext& context, std::uint8_t digest[kSha1DigestSize]);
void SHA1FullXL(THashDigest& digest, const void* data, std::int32_t length);
void SHA1Full(THashDigest& digest, const void* data, std::uint16_t length);
void SHA1File(const std::string& fileName, THashDigest& digest, void* buffer, std::uint16_t bufferSize,
              std::uint16_t& error);
// The FIPS 180 digests of "abc" and the 448-bit message, in one call and
// byte by byte.
bool SHA1SelfTest();

const THashDesc& SHA1Descriptor();

// The compression function over `blocks` whole 64-byte blocks.
void SHA1Compress(std::uint32_t state[5], const std::uint8_t* data, std::size_t blocks);

}  // namespace zip
