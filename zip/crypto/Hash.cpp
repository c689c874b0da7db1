#include "zip/crypto/Hash.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <istream>

#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/BitOps.h"
#include "zip/crypto/LibraryTestVector.h"
#include "zip/crypto/Progress.h"
#include "zip/crypto/SecureWipe.h"
#include "zip/crypto/TimeSeed.h"

namespace zip {

const THashClassInfo THash::Class = {{"THash", &TProtection::Class}, 0, nullptr, &CreateHashOf<THash>};

THash::THash(std::shared_ptr<TProtection> protection, const THashClassInfo& cls)
    : TProtection(std::move(protection), cls) {}

THash::~THash() = default;

void THash::Init() {}
void THash::Calc(const void*, std::int32_t) {}
void THash::Done() {}

std::uint8_t* THash::DigestKey() {
  // Callers may write through the pointer (a cipher enciphers a digest in
  // place), so hand out a copy, never the constant itself.
  thread_local std::array<std::uint8_t, kTestVectorSize> copy;
  std::memcpy(copy.data(), GetTestVector(), copy.size());
  return copy.data();
}

std::string THash::DigestStr(int format) {
  return StrToFormat(reinterpret_cast<const char*>(DigestKey()), DigestKeySize(), format);
}

std::string THash::CalcBuffer(THashClass cls, const void* buffer, std::int32_t length,
                              std::shared_ptr<TProtection> protection, int format) {
  auto h = cls->Create(std::move(protection));
  h->Init();
  h->Calc(buffer, length);
  h->Done();
  return h->DigestStr(format);
}

std::string THash::CalcString(THashClass cls, const std::string& value, std::shared_ptr<TProtection> protection,
                              int format) {
  return CalcBuffer(cls, value.data(), static_cast<std::int32_t>(value.size()), std::move(protection), format);
}

std::string THash::CalcStream(THashClass cls, std::istream& stream, std::int64_t size,
                              std::shared_ptr<TProtection> protection, int format) {
  auto h = cls->Create(std::move(protection));
  if (size < 0) {
    stream.seekg(0, std::ios::end);
    size = static_cast<std::int64_t>(stream.tellg());
    stream.seekg(0);
  }
  h->Init();
  std::vector<char> piece(static_cast<std::size_t>(std::min<std::int64_t>(std::max<std::int64_t>(size, 0), 4096)));
  DoProgress(h.get(), 0, size);
  std::int64_t done = 0;
  try {
    while (done < size) {
      auto n = static_cast<std::streamsize>(std::min<std::int64_t>(size - done, 4096));
      stream.read(piece.data(), n);
      auto got = stream.gcount();
      if (got <= 0) break;
      h->Calc(piece.data(), static_cast<std::int32_t>(got));
      done += got;
      DoProgress(h.get(), done, size);
    }
  } catch (...) {
    DoProgress(h.get(), 0, 0);
    throw;
  }
  DoProgress(h.get(), 0, 0);
  h->Done();
  return h->DigestStr(format);
}

std::string THash::CalcFile(THashClass cls, const std::string& fileName, std::shared_ptr<TProtection> protection,
                            int format) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw EProtection("Cannot open file \"" + fileName + "\"");
  return CalcStream(cls, in, -1, std::move(protection), format);
}

bool THash::SelfTest(THashClass cls) {
  if (!cls || !cls->TestVector) return false;
  std::string digest = CalcBuffer(cls, GetTestVector(), kTestVectorSize, nullptr, fmtCOPY);
  return static_cast<std::int32_t>(digest.size()) == cls->DigestKeySize &&
         std::memcmp(digest.data(), cls->TestVector, digest.size()) == 0;
}

void THash::CodeInit(TPAction action) {
  Init();
  if (action == paWipe) RndXORBuffer(RndTimeSeed(), DigestKey(), static_cast<std::size_t>(DigestKeySize()));
  TProtection::CodeInit(action);
}

void THash::CodeDone(TPAction action) {
  TProtection::CodeDone(action);
  if (action == paCalc) Done();
  else Init();
}

void THash::CodeBuf(void* buffer, std::int32_t length, TPAction action) {
  if (action != paDecode) TProtection::CodeBuf(buffer, length, action);
  const std::int32_t size = DigestKeySize();
  auto p = static_cast<std::uint8_t*>(buffer);
  if (Actions.Contains(action) && length > 0) {
    switch (action) {
      case paCalc:
        Calc(buffer, length);
        break;
      case paScramble:
      case paWipe:
        for (std::int32_t i = 0; size > 0 && i < length; i += size) {
          std::int32_t n = std::min(size, length - i);
          Calc(p + i, n);
          Done();
          std::memcpy(p + i, DigestKey(), static_cast<std::size_t>(n));
        }
        break;
      case paEncode:
      case paDecode:
        for (std::int32_t i = 0; size > 0 && i < length; i += size) {
          std::int32_t n = std::min(size, length - i);
          Calc(DigestKey(), size);
          Done();
          XORBuffers(p + i, DigestKey(), static_cast<std::size_t>(n), p + i);
        }
        break;
    }
  }
  if (action == paDecode) TProtection::CodeBuf(buffer, length, action);
}

// ---- MD4 family ----

namespace {

inline std::uint32_t Rol(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

const std::uint8_t kMD4Vector[16] = {0x25, 0xEA, 0xBF, 0xCC, 0x8C, 0xC9, 0x6F, 0xD9,
                                     0x2D, 0xCF, 0x7E, 0xBD, 0x7F, 0x87, 0x7C, 0x7C};
const std::uint8_t kRipeMD128Vector[16] = {0xCF, 0xA0, 0x32, 0xCF, 0xD0, 0x8F, 0x87, 0x3A,
                                           0x78, 0xDF, 0x13, 0xE7, 0xEB, 0xCD, 0x98, 0x0F};
const std::uint8_t kRipeMD256Vector[32] = {0xC3, 0xB1, 0xD7, 0xAC, 0xA8, 0x9A, 0x47, 0x7A, 0x38, 0xD3, 0x6D,
                                           0x39, 0xEF, 0x00, 0xFB, 0x45, 0xFC, 0x4E, 0xC3, 0x1A, 0x71, 0x21,
                                           0xDB, 0x9E, 0x1C, 0x76, 0xC5, 0xDE, 0x99, 0x88, 0x18, 0xC2};

}  // namespace

const THashClassInfo THash_MD4::Class = {{"THash_MD4", &THash::Class}, 16, kMD4Vector, &CreateHashOf<THash_MD4>};
const THashClassInfo THash_RipeMD128::Class = {
    {"THash_RipeMD128", &THash_MD4::Class}, 16, kRipeMD128Vector, &CreateHashOf<THash_RipeMD128>};
const THashClassInfo THash_RipeMD256::Class = {
    {"THash_RipeMD256", &THash_MD4::Class}, 32, kRipeMD256Vector, &CreateHashOf<THash_RipeMD256>};
const THashClassInfo TChecksum::Class = {{"TChecksum", &THash::Class}, 0, nullptr, &CreateHashOf<TChecksum>};

THash_MD4::THash_MD4(std::shared_ptr<TProtection> protection, const THashClassInfo& cls)
    : THash(std::move(protection), cls) {
  std::memset(digest_, 0, sizeof digest_);
  std::memset(buffer_, 0, sizeof buffer_);
  std::memset(digestBytes_, 0, sizeof digestBytes_);
}

THash_MD4::~THash_MD4() {
  SecureWipe(digest_, sizeof digest_);
  SecureWipe(digestBytes_, sizeof digestBytes_);
  SecureWipe(buffer_, sizeof buffer_);
}

void THash_MD4::Init() {
  std::memset(buffer_, 0, sizeof buffer_);
  count_ = 0;
  // Words the algorithm does not use hold constants nobody reads.
  const std::uint32_t init[10] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u,
                                  0x76543210u, 0xFEDCBA98u, 0x89ABCDEFu, 0x01234567u, 0x3C2D1E0Fu};
  std::memcpy(digest_, init, sizeof digest_);
}

void THash_MD4::Calc(const void* data, std::int32_t length) {
  if (length <= 0) return;
  auto p = static_cast<const std::uint8_t*>(data);
  std::size_t index = static_cast<std::size_t>(count_ & 63);
  count_ += static_cast<std::uint64_t>(length);
  std::size_t n = static_cast<std::size_t>(length);
  std::uint32_t words[16];
  while (n > 0) {
    std::size_t take = std::min(n, 64 - index);
    std::memcpy(buffer_ + index, p, take);
    index += take;
    p += take;
    n -= take;
    if (index == 64) {
      for (int i = 0; i < 16; ++i) words[i] = LoadLE32(buffer_ + 4 * i);
      Transform(words);
      index = 0;
    }
  }
}

void THash_MD4::Done() {
  std::size_t i = static_cast<std::size_t>(count_ & 63);
  buffer_[i++] = 0x80;
  auto transformBuffer = [this] {
    std::uint32_t words[16];
    for (int k = 0; k < 16; ++k) words[k] = LoadLE32(buffer_ + 4 * k);
    Transform(words);
  };
  if (i > 56) {
    std::memset(buffer_ + i, 0, 64 - i);
    transformBuffer();
    i = 0;
  }
  std::memset(buffer_ + i, 0, 56 - i);
  std::uint64_t bits = count_ * 8;
  for (int k = 0; k < 8; ++k) buffer_[56 + k] = static_cast<std::uint8_t>(bits >> (8 * k));
  transformBuffer();
  std::memset(buffer_, 0, sizeof buffer_);
}

std::uint8_t* THash_MD4::DigestKey() {
  for (int i = 0; i < 40; ++i) digestBytes_[i] = static_cast<std::uint8_t>(digest_[i / 4] >> (8 * (i % 4)));
  return digestBytes_;
}

void THash_MD4::Transform(const std::uint32_t* x) {
  std::uint32_t a = digest_[0], b = digest_[1], c = digest_[2], d = digest_[3];
  auto F = [](std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) | (~x & z); };
  auto G = [](std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) | (x & z) | (y & z); };
  auto H = [](std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; };
  static const int s1[4] = {3, 7, 11, 19}, s2[4] = {3, 5, 9, 13}, s3[4] = {3, 9, 11, 15};
  static const int o2[16] = {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15};
  static const int o3[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
  std::uint32_t* r[4] = {&a, &d, &c, &b};  // the register each step updates, rotating
  for (int i = 0; i < 16; ++i) {
    std::uint32_t& t = *r[i % 4];
    std::uint32_t& bb = *r[(i + 3) % 4];
    std::uint32_t& cc = *r[(i + 2) % 4];
    std::uint32_t& dd = *r[(i + 1) % 4];
    t = Rol(t + F(bb, cc, dd) + x[i], s1[i % 4]);
  }
  for (int i = 0; i < 16; ++i) {
    std::uint32_t& t = *r[i % 4];
    std::uint32_t& bb = *r[(i + 3) % 4];
    std::uint32_t& cc = *r[(i + 2) % 4];
    std::uint32_t& dd = *r[(i + 1) % 4];
    t = Rol(t + G(bb, cc, dd) + x[o2[i]] + 0x5A827999u, s2[i % 4]);
  }
  for (int i = 0; i < 16; ++i) {
    std::uint32_t& t = *r[i % 4];
    std::uint32_t& bb = *r[(i + 3) % 4];
    std::uint32_t& cc = *r[(i + 2) % 4];
    std::uint32_t& dd = *r[(i + 1) % 4];
    t = Rol(t + H(bb, cc, dd) + x[o3[i]] + 0x6ED9EBA1u, s3[i % 4]);
  }
  digest_[0] += a;
  digest_[1] += b;
  digest_[2] += c;
  digest_[3] += d;
}

namespace {

// Message word order and rotations of the two lines, four rounds each.
const int kR[64] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                    7, 4, 13, 1, 10, 6, 15, 3, 12, 0, 9, 5, 2, 14, 11, 8,
                    3, 10, 14, 4, 9, 15, 8, 1, 2, 7, 0, 6, 13, 11, 5, 12,
                    1, 9, 11, 10, 0, 8, 12, 4, 13, 3, 7, 15, 14, 5, 6, 2};
const int kRp[64] = {5, 14, 7, 0, 9, 2, 11, 4, 13, 6, 15, 8, 1, 10, 3, 12,
                     6, 11, 3, 7, 0, 13, 5, 10, 14, 15, 8, 12, 4, 9, 1, 2,
                     15, 5, 1, 3, 7, 14, 6, 9, 11, 8, 12, 2, 10, 0, 4, 13,
                     8, 6, 4, 1, 3, 11, 15, 0, 5, 12, 2, 13, 9, 7, 10, 14};
const int kS[64] = {11, 14, 15, 12, 5, 8, 7, 9, 11, 13, 14, 15, 6, 7, 9, 8,
                    7, 6, 8, 13, 11, 9, 7, 15, 7, 12, 15, 9, 11, 7, 13, 12,
                    11, 13, 6, 7, 14, 9, 13, 15, 14, 8, 13, 6, 5, 12, 7, 5,
                    11, 12, 14, 15, 14, 15, 9, 8, 9, 14, 5, 6, 8, 6, 5, 12};
const int kSp[64] = {8, 9, 9, 11, 13, 15, 15, 5, 7, 7, 8, 11, 14, 14, 12, 6,
                     9, 13, 15, 7, 12, 8, 9, 11, 7, 7, 12, 7, 6, 15, 13, 11,
                     9, 7, 15, 11, 8, 6, 6, 14, 12, 13, 5, 14, 13, 13, 7, 5,
                     15, 5, 8, 11, 14, 14, 6, 14, 6, 9, 12, 9, 12, 5, 15, 8};
const std::uint32_t kK[4] = {0x00000000u, 0x5A827999u, 0x6ED9EBA1u, 0x8F1BBCDCu};
const std::uint32_t kKp[4] = {0x50A28BE6u, 0x5C4DD124u, 0x6D703EF3u, 0x00000000u};

inline std::uint32_t RipeF(int j, std::uint32_t x, std::uint32_t y, std::uint32_t z) {
  switch (j) {
    case 0: return x ^ y ^ z;
    case 1: return (x & y) | (~x & z);
    case 2: return (x | ~y) ^ z;
    default: return (x & z) | (y & ~z);
  }
}

// One step: A = rol(A + f(B, C, D) + X + K, s), then the registers rotate.
inline void RipeStep(std::uint32_t v[4], std::uint32_t f, std::uint32_t x, std::uint32_t k, int s) {
  std::uint32_t t = Rol(v[0] + f + x + k, s);
  v[0] = v[3];
  v[3] = v[2];
  v[2] = v[1];
  v[1] = t;
}

// Runs round `round` (16 steps) of the left line on l and the right line on r.
inline void RipeRound(int round, std::uint32_t l[4], std::uint32_t r[4], const std::uint32_t* x) {
  for (int i = round * 16; i < round * 16 + 16; ++i) {
    RipeStep(l, RipeF(round, l[1], l[2], l[3]), x[kR[i]], kK[round], kS[i]);
    RipeStep(r, RipeF(3 - round, r[1], r[2], r[3]), x[kRp[i]], kKp[round], kSp[i]);
  }
}

}  // namespace

void THash_RipeMD128::Transform(const std::uint32_t* x) {
  std::uint32_t l[4] = {digest_[0], digest_[1], digest_[2], digest_[3]};
  std::uint32_t r[4] = {digest_[0], digest_[1], digest_[2], digest_[3]};
  for (int round = 0; round < 4; ++round) RipeRound(round, l, r, x);
  std::uint32_t t = digest_[1] + l[2] + r[3];
  digest_[1] = digest_[2] + l[3] + r[0];
  digest_[2] = digest_[3] + l[0] + r[1];
  digest_[3] = digest_[0] + l[1] + r[2];
  digest_[0] = t;
}

void THash_RipeMD256::Init() {
  THash_MD4::Init();
  const std::uint32_t init[8] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u,
                                 0x76543210u, 0xFEDCBA98u, 0x89ABCDEFu, 0x01234567u};
  std::memcpy(digest_, init, sizeof init);
}

void THash_RipeMD256::Transform(const std::uint32_t* x) {
  std::uint32_t l[4] = {digest_[0], digest_[1], digest_[2], digest_[3]};
  std::uint32_t r[4] = {digest_[4], digest_[5], digest_[6], digest_[7]};
  // After each round one register changes lines: A, then B, C and D.
  for (int round = 0; round < 4; ++round) {
    RipeRound(round, l, r, x);
    std::swap(l[round], r[round]);
  }
  for (int i = 0; i < 4; ++i) {
    digest_[i] += l[i];
    digest_[4 + i] += r[i];
  }
}

// ---- registry ----

namespace {

struct HashRegistryState {
  TClassRegistry<THashClassInfo> registry;
  THashClass defaultClass = &THash_RipeMD256::Class;
};

HashRegistryState& HashState() {
  static HashRegistryState state;
  return state;
}

}  // namespace

bool RegisterHash(THashClass cls, std::string_view name, std::string_view description) {
  return HashState().registry.Register(cls, name, description);
}
bool UnregisterHash(THashClass cls) { return HashState().registry.Unregister(cls); }
const std::vector<TClassRegistry<THashClassInfo>::Entry>& HashList() { return HashState().registry.Entries(); }
void HashNames(std::vector<std::pair<std::string, THashClass>>& strings) {
  for (const auto& e : HashState().registry.Entries()) strings.emplace_back(e.Name(), e.Class);
}
THashClass GetHashClass(std::string_view name) { return HashState().registry.Find(name); }
std::string GetHashName(THashClass cls) { return HashState().registry.NameOf(cls); }
THashClass DefaultHashClass() { return HashState().defaultClass; }
void SetDefaultHashClass(THashClass cls) { HashState().defaultClass = cls ? cls : &THash_RipeMD256::Class; }

}  // namespace zip
