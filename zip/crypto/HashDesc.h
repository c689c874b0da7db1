#pragma once
// Hash algorithms described by constant descriptor records (sizes plus init,
// update and final routines) kept in a fixed table by algorithm number; HMAC
// and PBKDF2 work on any descriptor. Only SHA-1 is present.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zip {

enum THashAlgorithm : std::uint8_t {
  _MD4 = 0, _MD5 = 1, _RIPEMD160 = 2, _SHA1 = 3, _SHA224 = 4,
  _SHA256 = 5, _SHA384 = 6, _SHA512 = 7, _Whirlpool = 8,
};
constexpr int kMaxHashAlgorithm = _Whirlpool;

// Working state of any descriptor's routines, sized for the largest algorithm.
struct THashContext {
  std::uint32_t Hash[16];
  std::uint32_t MessageBits[4];  // least significant word first
  std::uint8_t Buffer[128];
  std::uint32_t Index;           // bytes waiting in Buffer
};

// Every final routine writes the digest into the first bytes of a 64-byte
// area and zeroes the rest, whatever the digest length.
using THashDigest = std::array<std::uint8_t, 64>;

using THashInitProc = void (*)(THashContext& context);
using THashFinalProc = void (*)(THashContext& context, THashDigest& digest);
using THashUpdateProc = void (*)(THashContext& context, const void* data, std::int32_t length);

constexpr std::uint16_t kHashDescSignature = 0x3D7A;
constexpr std::uint16_t kHashDescSize = 80;
constexpr std::uint32_t kHashDescVersion = 0x00010003;
constexpr std::size_t kMaxHashNameLength = 19;

struct THashDesc {
  std::uint16_t Signature;
  std::uint16_t DescriptorSize;
  std::uint32_t Version;
  std::uint16_t BlockLength;
  std::uint16_t DigestLength;
  THashInitProc Init;
  THashFinalProc Final;
  THashUpdateProc Update;
  std::uint32_t AlgorithmNumber;
  std::string_view Name;  // at most kMaxHashNameLength characters
  const std::uint32_t* Oid;
  std::uint16_t OidCount;
};

// Stores the descriptor in its slot only when it is sound (signature,
// version, size) and its number is the given one in 0..8.
void RegisterHash(int algorithm, const THashDesc* descriptor);
// The registered descriptor, or nullptr.
const THashDesc* FindHash_by_ID(int algorithm);
// Compares at most the first 19 characters, ASCII letters case-insensitively.
const THashDesc* FindHash_by_Name(std::string_view name);

void HashUpdate(const THashDesc* descriptor, THashContext& context, const void* data, std::uint16_t length);
void HashFullXL(const THashDesc* descriptor, THashDigest& digest, const void* data, std::int32_t length);
void HashFull(const THashDesc* descriptor, THashDigest& digest, const void* data, std::uint16_t length);
// Hashes a whole file read in pieces of bufferSize bytes into the caller's
// buffer. error is 0, the errno of a failing open or read, or 204 for an
// unusable descriptor.
void HashFile(const std::string& fileName, const THashDesc* descriptor, THashDigest& digest, void* buffer,
              std::uint16_t bufferSize, std::uint16_t& error);

constexpr std::uint16_t kHashErrorBadDescriptor = 204;

// True for a descriptor that the routines may call.
bool IsValidHashDesc(const THashDesc* descriptor);

}  // namespace zip
