#include "zip/crypto/CipherSquare.h"

#include <array>
#include <cstring>

#include "zip/crypto/SecureWipe.h"

namespace zip {
namespace {

// The field of Square: GF(2^8) modulo x^8+x^7+x^6+x^5+x^4+x^2+1.
constexpr unsigned kPoly = 0x1F5;

constexpr std::uint8_t Mul(unsigned a, unsigned b) {
  unsigned r = 0;
  for (; b; b >>= 1) {
    if (b & 1) r ^= a;
    a <<= 1;
    if (a & 0x100) a ^= kPoly;
  }
  return static_cast<std::uint8_t>(r);
}

// The inverse in the field as x^254 (0 for 0); see CipherRijndael.cpp.
constexpr unsigned Inverse(unsigned x) {
  unsigned result = 1, power = x;
  for (unsigned e = 254; e; e >>= 1) {
    if (e & 1) result = Mul(result, power);
    power = Mul(power, power);
  }
  return result;
}

struct Boxes {
  std::uint8_t S[256], Si[256];
};

// gamma: the inverse in the field, then the affine map whose output bit r is
// the parity of the input bits selected by kAffine[r], plus 0xB1.
constexpr Boxes MakeBoxes() {
  constexpr std::uint8_t kAffine[8] = {0x01, 0x03, 0x05, 0x0F, 0x1F, 0x3D, 0x7B, 0xD6};
  Boxes b{};
  for (unsigned x = 0; x < 256; ++x) {
    const unsigned inv = Inverse(x);
    unsigned s = 0;
    for (int r = 0; r < 8; ++r) {
      unsigned bits = kAffine[r] & inv, parity = 0;
      for (; bits; bits &= bits - 1) parity ^= 1;
      s |= parity << r;
    }
    s ^= 0xB1;
    b.S[x] = static_cast<std::uint8_t>(s);
    b.Si[s] = static_cast<std::uint8_t>(x);
  }
  return b;
}
constexpr Boxes kBoxes = MakeBoxes();

using State = std::array<std::uint8_t, 16>;

// theta: each row (bytes 4i..4i+3) as a polynomial times c(x) modulo x^4+1.
void Theta(State& s, const std::uint8_t c[4]) {
  for (int i = 0; i < 4; ++i) {
    std::uint8_t row[4];
    std::memcpy(row, &s[static_cast<std::size_t>(4 * i)], 4);
    for (int j = 0; j < 4; ++j) {
      std::uint8_t v = 0;
      for (int k = 0; k < 4; ++k) v ^= Mul(c[(j - k + 4) % 4], row[k]);
      s[static_cast<std::size_t>(4 * i + j)] = v;
    }
  }
}

constexpr std::uint8_t kC[4] = {2, 1, 1, 3};
constexpr std::uint8_t kD[4] = {0x0E, 0x09, 0x0D, 0x0B};  // c(x)^-1

void Pi(State& s) {
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) std::swap(s[static_cast<std::size_t>(4 * i + j)], s[static_cast<std::size_t>(4 * j + i)]);
}

void Sigma(State& s, const std::uint8_t* k) {
  for (std::size_t i = 0; i < 16; ++i) s[i] ^= k[i];
}

constexpr int kRounds = 8;

const std::uint8_t kSquareVector[32] = {0x43, 0x9C, 0xA6, 0xC4, 0x67, 0xE8, 0x2E, 0x47, 0x22, 0x95, 0x66,
                                        0x85, 0x06, 0x39, 0x6A, 0xC9, 0x18, 0x21, 0x20, 0xF7, 0x44, 0x36,
                                        0xF1, 0x61, 0x7D, 0x14, 0x90, 0xB1, 0xA9, 0x68, 0x56, 0xC7};

}  // namespace

const TCipherClassInfo TCipher_Square::Class = {
    {"TCipher_Square", &TCipher::Class}, {16, 16, 288}, kSquareVector, &CreateCipherOf<TCipher_Square>};

// Round keys k^0..k^8: each row of k^t is the row above it in k^t chained to
// the same row of k^(t-1); row 0 takes the rotated last row and x^(t-1).
void TCipher_Square::Init(const void* key, std::int32_t size, const void* initVector) {
  InitBegin(size);
  std::uint8_t* k = User();
  if (size > 0) std::memcpy(k, key, static_cast<std::size_t>(size));
  std::uint8_t constant = 1;
  for (int t = 1; t <= kRounds; ++t) {
    const std::uint8_t* p = k + 16 * (t - 1);
    std::uint8_t* n = k + 16 * t;
    for (int j = 0; j < 4; ++j) n[j] = p[j] ^ p[12 + (j + 1) % 4];
    n[0] ^= constant;
    constant = Mul(constant, 2);
    for (int i = 1; i < 4; ++i)
      for (int j = 0; j < 4; ++j) n[4 * i + j] = p[4 * i + j] ^ n[4 * (i - 1) + j];
  }
  InitEnd(initVector);
}

void TCipher_Square::Encode(void* block) {
  State s;
  std::memcpy(s.data(), block, 16);
  const std::uint8_t* k = User();
  Theta(s, kD);
  Sigma(s, k);
  for (int t = 1; t <= kRounds; ++t) {
    Theta(s, kC);
    for (auto& x : s) x = kBoxes.S[x];
    Pi(s);
    Sigma(s, k + 16 * t);
  }
  std::memcpy(block, s.data(), 16);
  SecureWipe(s.data(), s.size());
}

void TCipher_Square::Decode(void* block) {
  State s;
  std::memcpy(s.data(), block, 16);
  const std::uint8_t* k = User();
  for (int t = kRounds; t >= 1; --t) {
    Sigma(s, k + 16 * t);
    Pi(s);
    for (auto& x : s) x = kBoxes.Si[x];
    Theta(s, kD);
  }
  Sigma(s, k);
  Theta(s, kC);
  std::memcpy(block, s.data(), 16);
  SecureWipe(s.data(), s.size());
}

}  // namespace zip
