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

// The compression function over `blocks` whole 64-byte blocks: the
// processor's SHA instructions where present, portable code otherwise.
void SHA1Compress(std::uint32_t state[5], const std::uint8_t* data, std::size_t blocks);
// Lets the SHA instructions be used (the default) or not, so that both paths
// can be checked against each other and measured.
void SetSha1Hardware(bool allowed);

// The iterations of PBKDF2-HMAC-SHA1 output blocks after their first, for
// `lanes` blocks side by side: `inner` and `outer` are the states after the
// keyed ipad and opad blocks, u[l] the last HMAC value of block l (as state
// words), t[l] its running XOR. Each iteration hashes u[l] under both states
// and XORs the result into t[l].
void SHA1HmacIterate(const std::uint32_t inner[5], const std::uint32_t outer[5], std::uint32_t (*u)[5],
                     std::uint32_t (*t)[5], int lanes, std::int32_t count);

}  // namespace zip
