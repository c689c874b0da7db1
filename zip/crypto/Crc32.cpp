#include "zip/crypto/Crc32.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace zip {
namespace {

// Eight tables so the loop eats eight bytes per step; table 0 is the
// standard one. Every archive entry passes through here once.
constexpr std::array<std::array<std::uint32_t, 256>, 8> MakeTables() {
  std::array<std::array<std::uint32_t, 256>, 8> t{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[0][n] = c;
  }
  for (std::uint32_t n = 0; n < 256; ++n)
    for (int k = 1; k < 8; ++k) t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
  return t;
}

constexpr auto kTables = MakeTables();

}  // namespace

const std::uint32_t CRC32_TABLE[256] = {
#define R(i) kTables[0][i]
#define R8(i) R(i), R(i + 1), R(i + 2), R(i + 3), R(i + 4), R(i + 5), R(i + 6), R(i + 7)
#define R64(i) R8(i), R8(i + 8), R8(i + 16), R8(i + 24), R8(i + 32), R8(i + 40), R8(i + 48), R8(i + 56)
    R64(0), R64(64), R64(128), R64(192)
#undef R64
#undef R8
#undef R
};

namespace {

#if defined(__x86_64__) || defined(__i386__)
// Folding with carry-less multiplication: 64 bytes per step in four lanes,
// then down to one lane and a Barrett reduction to the 32-bit register. The
// constants are powers of x modulo the polynomial, bit-reflected:
// x^(4*128+32) and x^(4*128-32) for the four-lane fold, x^(128+32) and
// x^(128-32) for one lane, x^64 for 64 -> 32 bits, and the polynomial with
// its Barrett quotient floor(x^64 / P).
constexpr long long kFold4Low = 0x154442BD4, kFold4High = 0x1C6E41596;
constexpr long long kFold1Low = 0x1751997D0, kFold1High = 0x0CCAA009E;
constexpr long long kFold64 = 0x163CD6124;
constexpr long long kPolynomial = 0x1DB710641, kBarrett = 0x1F7011641;

__attribute__((target("pclmul,sse4.1"), always_inline)) inline __m128i Fold(__m128i x, __m128i k, __m128i data) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), data);
}

// `length` at least 64 and a multiple of 16.
__attribute__((target("pclmul,sse4.1"))) std::uint32_t FoldCrc32(std::uint32_t crc, const std::uint8_t* p,
                                                                 std::size_t length) {
  auto load = [](const std::uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
  __m128i x0 = _mm_xor_si128(load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i x1 = load(p + 16), x2 = load(p + 32), x3 = load(p + 48);
  p += 64;
  length -= 64;
  const __m128i fold4 = _mm_set_epi64x(kFold4High, kFold4Low);
  for (; length >= 64; p += 64, length -= 64) {
    x0 = Fold(x0, fold4, load(p));
    x1 = Fold(x1, fold4, load(p + 16));
    x2 = Fold(x2, fold4, load(p + 32));
    x3 = Fold(x3, fold4, load(p + 48));
  }
  const __m128i fold1 = _mm_set_epi64x(kFold1High, kFold1Low);
  __m128i x = Fold(Fold(Fold(x0, fold1, x1), fold1, x2), fold1, x3);
  for (; length >= 16; p += 16, length -= 16) x = Fold(x, fold1, load(p));
  // 128 -> 64 bits.
  x = _mm_xor_si128(_mm_clmulepi64_si128(x, fold1, 0x10), _mm_srli_si128(x, 8));
  // 64 -> 32 bits.
  const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);
  x = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x, low32), _mm_set_epi64x(0, kFold64), 0x00),
                    _mm_srli_si128(x, 4));
  // Barrett reduction.
  const __m128i barrett = _mm_set_epi64x(kBarrett, kPolynomial);
  __m128i t = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x, low32), barrett, 0x10), low32);
  t = _mm_clmulepi64_si128(t, barrett, 0x00);
  return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(t, x), 1));
}

bool gHardwareAllowed = true;

bool HardwareCrc32() {
  static const bool present = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return present && gHardwareAllowed;
}
#endif

}  // namespace

#if defined(__x86_64__) || defined(__i386__)
void SetCrc32Hardware(bool allowed) { gHardwareAllowed = allowed; }
#else
void SetCrc32Hardware(bool) {}
#endif

std::uint32_t UpdateCrc32(std::uint32_t crc, const void* data, std::int64_t length) {
  if (!data || length <= 0) return crc;
  auto p = static_cast<const std::uint8_t*>(data);
#if defined(__x86_64__) || defined(__i386__)
  if (length >= 64 && HardwareCrc32()) {
    const std::int64_t folded = length & ~std::int64_t{15};
    crc = FoldCrc32(crc, p, static_cast<std::size_t>(folded));
    p += folded;
    length -= folded;
  }
#endif
  while (length >= 8) {
    std::uint32_t lo, hi;
    std::memcpy(&lo, p, 4);
    std::memcpy(&hi, p + 4, 4);
    if constexpr (std::endian::native == std::endian::big) {
      lo = __builtin_bswap32(lo);
      hi = __builtin_bswap32(hi);
    }
    lo ^= crc;
    crc = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
          kTables[4][lo >> 24] ^ kTables[3][hi & 0xFF] ^ kTables[2][(hi >> 8) & 0xFF] ^
          kTables[1][(hi >> 16) & 0xFF] ^ kTables[0][hi >> 24];
    p += 8;
    length -= 8;
  }
  while (length-- > 0) crc = kTables[0][(crc ^ *p++) & 0xFF] ^ (crc >> 8);
  return crc;
}

void UpdateCrc32(std::uint32_t* crc, const void* data, std::int64_t length) {
  *crc = UpdateCrc32(*crc, data, length);
}

}  // namespace zip
