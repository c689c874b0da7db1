#include "zip/crypto/Sha1.h"

#include <algorithm>
#include <cstring>

#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/SecureWipe.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace zip {
namespace {

inline std::uint32_t Rol(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }


void CompressPortable(std::uint32_t state[5], const std::uint8_t* data, std::size_t blocks) {
  std::uint32_t w[16];
  while (blocks--) {
    for (int i = 0; i < 16; ++i) w[i] = LoadBE32(data + 4 * i);
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
#define W(i) (w[(i) & 15] = Rol(w[((i) + 13) & 15] ^ w[((i) + 8) & 15] ^ w[((i) + 2) & 15] ^ w[(i) & 15], 1))
#define STEP(f, k, v, wi)                                 \
  {                                                       \
    std::uint32_t t = Rol(a, 5) + (f) + e + (k) + (wi);  \
    e = d; d = c; c = Rol(b, 30); b = a; a = t;           \
  }
#define F1 ((b & c) | (~b & d))
#define F2 (b ^ c ^ d)
#define F3 ((b & c) | (b & d) | (c & d))
    // Unrolled, so that the rotation of a..e costs no moves.
#pragma GCC unroll 16
    for (int i = 0; i < 16; ++i) STEP(F1, 0x5A827999u, 0, w[i]);
#pragma GCC unroll 4
    for (int i = 16; i < 20; ++i) STEP(F1, 0x5A827999u, 0, W(i));
#pragma GCC unroll 20
    for (int i = 20; i < 40; ++i) STEP(F2, 0x6ED9EBA1u, 0, W(i));
#pragma GCC unroll 20
    for (int i = 40; i < 60; ++i) STEP(F3, 0x8F1BBCDCu, 0, W(i));
#pragma GCC unroll 20
    for (int i = 60; i < 80; ++i) STEP(F2, 0xCA62C1D6u, 0, W(i));
#undef F3
#undef F2
#undef F1
#undef STEP
#undef W
    state[0] += a; state[1] += b; state[2] += c; state[3] += d; state[4] += e;
    data += 64;
  }
}

#if defined(__x86_64__) || defined(__i386__)
// The processor's SHA-1 instructions: four rounds per instruction, the
// message schedule in vector registers. State lanes hold A..D with A in the
// top lane, as the instructions expect.
//
// Four rounds of group g (of 20) for each of L independent blocks at once:
// the instructions' latency of one block is filled with the others' work.
template <int F, int L>
__attribute__((target("sha,sse4.1,ssse3"), always_inline)) inline void ShaNiGroup(int g, __m128i (*m)[4],
                                                                                 __m128i* abcd, __m128i* previous) {
#pragma GCC unroll 4
  for (int l = 0; l < L; ++l) {
    if (g >= 4)
      m[l][g & 3] = _mm_sha1msg2_epu32(
          _mm_xor_si128(_mm_sha1msg1_epu32(m[l][g & 3], m[l][(g + 1) & 3]), m[l][(g + 2) & 3]), m[l][(g + 3) & 3]);
    const __m128i wk = _mm_sha1nexte_epu32(previous[l], m[l][g & 3]);
    previous[l] = abcd[l];
    abcd[l] = _mm_sha1rnds4_epu32(abcd[l], wk, F);
  }
}

// One block each for L states from message words already in lane order
// (word 0 in the top lane).
template <int L>
__attribute__((target("sha,sse4.1,ssse3"), always_inline)) inline void ShaNiBlocks(__m128i* abcd, __m128i* e,
                                                                                  __m128i (*m)[4]) {
  __m128i abcdSaved[L], eSaved[L], previous[L];
#pragma GCC unroll 4
  for (int l = 0; l < L; ++l) {
    abcdSaved[l] = abcd[l];
    eSaved[l] = e[l];
    previous[l] = abcd[l];
    abcd[l] = _mm_sha1rnds4_epu32(abcd[l], _mm_add_epi32(e[l], m[l][0]), 0);
  }
#pragma GCC unroll 5
  for (int g = 1; g < 5; ++g) ShaNiGroup<0, L>(g, m, abcd, previous);
#pragma GCC unroll 5
  for (int g = 5; g < 10; ++g) ShaNiGroup<1, L>(g, m, abcd, previous);
#pragma GCC unroll 5
  for (int g = 10; g < 15; ++g) ShaNiGroup<2, L>(g, m, abcd, previous);
#pragma GCC unroll 5
  for (int g = 15; g < 20; ++g) ShaNiGroup<3, L>(g, m, abcd, previous);
#pragma GCC unroll 4
  for (int l = 0; l < L; ++l) {
    e[l] = _mm_sha1nexte_epu32(previous[l], eSaved[l]);
    abcd[l] = _mm_add_epi32(abcd[l], abcdSaved[l]);
  }
}

__attribute__((target("sha,sse4.1,ssse3"))) inline __m128i LoadAbcd(const std::uint32_t* words) {
  return _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words)), 0x1B);
}
__attribute__((target("sha,sse4.1,ssse3"))) inline __m128i LoadE(const std::uint32_t* words) {
  return _mm_set_epi32(static_cast<int>(words[4]), 0, 0, 0);
}
__attribute__((target("sha,sse4.1,ssse3"))) inline void Store(std::uint32_t* words, __m128i abcd, __m128i e) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(words), _mm_shuffle_epi32(abcd, 0x1B));
  words[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e, 3));
}

__attribute__((target("sha,sse4.1,ssse3"))) void CompressShaNi(std::uint32_t state[5], const std::uint8_t* data,
                                                                std::size_t blocks) {
  const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090A0B0C0D0E0FLL);
  __m128i abcd = LoadAbcd(state), e = LoadE(state);
  for (; blocks > 0; --blocks, data += 64) {
    __m128i m[1][4];
    for (int j = 0; j < 4; ++j)
      m[0][j] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16 * j)), byteSwap);
    ShaNiBlocks<1>(&abcd, &e, m);
  }
  Store(state, abcd, e);
}

// The PBKDF2 iterations of L output blocks at once with the instructions:
// the 20-byte message of each hash stays in registers, padded once.
template <int L>
__attribute__((target("sha,sse4.1,ssse3"))) void HmacIterateShaNi(const std::uint32_t inner[5],
                                                                   const std::uint32_t outer[5],
                                                                   std::uint32_t (*u)[5], std::uint32_t (*t)[5],
                                                                   std::int32_t count) {
  const __m128i startAbcd[2] = {LoadAbcd(inner), LoadAbcd(outer)};
  const __m128i startE[2] = {LoadE(inner), LoadE(outer)};
  // Words 5..15 of the padded block: 0x80 after the 20 bytes, the bit
  // length of key block plus digest (672) at the end.
  const __m128i tail1 = _mm_set_epi32(0, static_cast<int>(0x80000000u), 0, 0);
  const __m128i tail2 = _mm_setzero_si128();
  const __m128i tail3 = _mm_set_epi32(0, 0, 0, 672);
  __m128i uAbcd[L], uE[L], tAbcd[L], tE[L];
  for (int l = 0; l < L; ++l) {
    uAbcd[l] = LoadAbcd(u[l]);
    uE[l] = LoadE(u[l]);
    tAbcd[l] = LoadAbcd(t[l]);
    tE[l] = LoadE(t[l]);
  }
  for (std::int32_t i = 0; i < count; ++i) {
    for (int pass = 0; pass < 2; ++pass) {
      // Message words 0..3 are the digest's A..D, word 4 its E (the other
      // lanes of an E register are zero), word 5 the pad.
      __m128i m[L][4];
#pragma GCC unroll 4
      for (int l = 0; l < L; ++l) {
        m[l][0] = uAbcd[l];
        m[l][1] = _mm_or_si128(uE[l], tail1);
        m[l][2] = tail2;
        m[l][3] = tail3;
        uAbcd[l] = startAbcd[pass];
        uE[l] = startE[pass];
      }
      ShaNiBlocks<L>(uAbcd, uE, m);
    }
#pragma GCC unroll 4
    for (int l = 0; l < L; ++l) {
      tAbcd[l] = _mm_xor_si128(tAbcd[l], uAbcd[l]);
      tE[l] = _mm_xor_si128(tE[l], uE[l]);
    }
  }
  for (int l = 0; l < L; ++l) {
    Store(u[l], uAbcd[l], uE[l]);
    Store(t[l], tAbcd[l], tE[l]);
  }
}

bool gHardwareAllowed = true;

// The SHA extensions: CPUID leaf 7, EBX bit 29. Asked directly, since not
// every compiler's __builtin_cpu_supports knows "sha" (Clang 14 does not).
bool CpuHasSha() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & (1u << 29)) != 0;
}

bool HardwareSha1() {
  static const bool present =
      CpuHasSha() && __builtin_cpu_supports("sse4.1") && __builtin_cpu_supports("ssse3");
  return present && gHardwareAllowed;
}
#endif

const std::uint32_t kSha1Oid[6] = {1, 3, 14, 3, 2, 26};

const THashDesc kSha1Desc = {
    kHashDescSignature, kHashDescSize, kHashDescVersion, kSha1BlockSize, kSha1DigestSize,
    SHA1Init, SHA1FinalEx, SHA1UpdateXL, _SHA1, "SHA1", kSha1Oid, 6,
};

}  // namespace

void SHA1Compress(std::uint32_t state[5], const std::uint8_t* data, std::size_t blocks) {
#if defined(__x86_64__) || defined(__i386__)
  if (HardwareSha1()) {
    CompressShaNi(state, data, blocks);
    return;
  }
#endif
  CompressPortable(state, data, blocks);
}

#if defined(__x86_64__) || defined(__i386__)
void SetSha1Hardware(bool allowed) { gHardwareAllowed = allowed; }
#else
void SetSha1Hardware(bool) {}
#endif

void SHA1HmacIterate(const std::uint32_t inner[5], const std::uint32_t outer[5], std::uint32_t (*u)[5],
                     std::uint32_t (*t)[5], int lanes, std::int32_t count) {
#if defined(__x86_64__) || defined(__i386__)
  if (HardwareSha1()) {
    int l = 0;
    for (; l + 4 <= lanes; l += 4) HmacIterateShaNi<4>(inner, outer, u + l, t + l, count);
    for (; l + 2 <= lanes; l += 2) HmacIterateShaNi<2>(inner, outer, u + l, t + l, count);
    if (l < lanes) HmacIterateShaNi<1>(inner, outer, u + l, t + l, count);
    return;
  }
#endif
  // The padded block of a 20-byte message after one 64-byte key block.
  std::uint8_t block[64] = {};
  block[20] = 0x80;
  block[62] = 672 >> 8;
  block[63] = 672 & 0xFF;
  for (int l = 0; l < lanes; ++l) {
    for (std::int32_t i = 0; i < count; ++i) {
      for (const std::uint32_t* start : {inner, outer}) {
        for (int k = 0; k < 5; ++k) StoreBE32(block + 4 * k, u[l][k]);
        std::copy(start, start + 5, u[l]);
        CompressPortable(u[l], block, 1);
      }
      for (int k = 0; k < 5; ++k) t[l][k] ^= u[l][k];
    }
  }
  SecureWipe(block, sizeof block);
}

const THashDesc& SHA1Descriptor() { return kSha1Desc; }

void SHA1Init(THashContext& c) {
  std::memset(&c, 0, sizeof c);
  c.Hash[0] = 0x67452301u;
  c.Hash[1] = 0xEFCDAB89u;
  c.Hash[2] = 0x98BADCFEu;
  c.Hash[3] = 0x10325476u;
  c.Hash[4] = 0xC3D2E1F0u;
}

void SHA1UpdateXL(THashContext& c, const void* data, std::int32_t length) {
  if (!data || length <= 0) return;
  auto p = static_cast<const std::uint8_t*>(data);
  std::uint64_t bits = (std::uint64_t(c.MessageBits[1]) << 32 | c.MessageBits[0]) + std::uint64_t(length) * 8;
  c.MessageBits[0] = static_cast<std::uint32_t>(bits);
  c.MessageBits[1] = static_cast<std::uint32_t>(bits >> 32);
  std::size_t n = static_cast<std::size_t>(length);
  if (c.Index) {
    std::size_t take = std::min<std::size_t>(n, kSha1BlockSize - c.Index);
    std::memcpy(c.Buffer + c.Index, p, take);
    c.Index += static_cast<std::uint32_t>(take);
    p += take;
    n -= take;
    if (c.Index < kSha1BlockSize) return;
    SHA1Compress(c.Hash, c.Buffer, 1);
    c.Index = 0;
  }
  if (n >= kSha1BlockSize) {
    SHA1Compress(c.Hash, p, n / kSha1BlockSize);
    p += n / kSha1BlockSize * kSha1BlockSize;
    n %= kSha1BlockSize;
  }
  std::memcpy(c.Buffer, p, n);
  c.Index = static_cast<std::uint32_t>(n);
}

void SHA1Update(THashContext& c, const void* data, std::uint16_t length) { SHA1UpdateXL(c, data, length); }

void SHA1FinalEx(THashContext& c, THashDigest& digest) {
  std::uint32_t i = c.Index;
  c.Buffer[i++] = 0x80;
  if (i > 56) {
    std::memset(c.Buffer + i, 0, kSha1BlockSize - i);
    SHA1Compress(c.Hash, c.Buffer, 1);
    i = 0;
  }
  std::memset(c.Buffer + i, 0, 56 - i);
  for (int k = 0; k < 4; ++k) {
    c.Buffer[56 + k] = static_cast<std::uint8_t>(c.MessageBits[1] >> (24 - 8 * k));
    c.Buffer[60 + k] = static_cast<std::uint8_t>(c.MessageBits[0] >> (24 - 8 * k));
  }
  SHA1Compress(c.Hash, c.Buffer, 1);
  digest.fill(0);
  for (int k = 0; k < 20; ++k) digest[k] = static_cast<std::uint8_t>(c.Hash[k / 4] >> (24 - 8 * (k % 4)));
  std::memset(&c, 0, sizeof c);
}

void SHA1Final(THashContext& c, std::uint8_t digest[kSha1DigestSize]) {
  THashDigest area;
  SHA1FinalEx(c, area);
  std::memcpy(digest, area.data(), kSha1DigestSize);
}

void SHA1FullXL(THashDigest& digest, const void* data, std::int32_t length) {
  HashFullXL(&kSha1Desc, digest, data, length);
}

void SHA1Full(THashDigest& digest, const void* data, std::uint16_t length) {
  SHA1FullXL(digest, data, length);
}

void SHA1File(const std::string& fileName, THashDigest& digest, void* buffer, std::uint16_t bufferSize,
              std::uint16_t& error) {
  HashFile(fileName, &kSha1Desc, digest, buffer, bufferSize, error);
}

bool SHA1SelfTest() {
  static const struct {
    const char* message;
    std::uint8_t digest[20];
  } kCases[] = {
      {"abc", {0xA9, 0x99, 0x3E, 0x36, 0x47, 0x06, 0x81, 0x6A, 0xBA, 0x3E,
               0x25, 0x71, 0x78, 0x50, 0xC2, 0x6C, 0x9C, 0xD0, 0xD8, 0x9D}},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       {0x84, 0x98, 0x3E, 0x44, 0x1C, 0x3B, 0xD2, 0x6E, 0xBA, 0xAE,
        0x4A, 0xA1, 0xF9, 0x51, 0x29, 0xE5, 0xE5, 0x46, 0x70, 0xF1}},
  };
  for (const auto& c : kCases) {
    std::int32_t len = static_cast<std::int32_t>(std::strlen(c.message));
    THashDigest whole;
    SHA1FullXL(whole, c.message, len);
    THashContext ctx;
    SHA1Init(ctx);
    for (std::int32_t i = 0; i < len; ++i) SHA1UpdateXL(ctx, c.message + i, 1);
    THashDigest bytewise;
    SHA1FinalEx(ctx, bytewise);
    if (std::memcmp(whole.data(), c.digest, 20) != 0 || std::memcmp(bytewise.data(), c.digest, 20) != 0)
      return false;
  }
  return true;
}

}  // namespace zip
