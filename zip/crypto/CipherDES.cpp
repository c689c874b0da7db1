#include "zip/crypto/CipherDES.h"

#include <array>
#include <cstring>

#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/SecureWipe.h"

namespace zip {
namespace {

// The tables of the standard, bit 1 being the most significant.
constexpr std::uint8_t kIP[64] = {58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
                                  62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
                                  57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
                                  61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};
constexpr std::uint8_t kP[32] = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
                                 2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};
constexpr std::uint8_t kPC1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                   10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                   63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                   14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};
constexpr std::uint8_t kPC2[48] = {14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,
                                   26, 8,  16, 7,  27, 20, 13, 2,  41, 52, 31, 37, 47, 55, 30, 40,
                                   51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};
constexpr std::uint8_t kShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};
constexpr std::uint8_t kS[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8,  3,  10, 6,  12, 5,  9,  0, 7,  0, 15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5,  3,  8,  4,  1,  14, 8,  13, 6, 2, 11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2,  4,  9,  1,  7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4,  9,  7, 2,  13, 12, 0, 5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9,  11, 5, 0,  14, 7,  11, 10, 4, 13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1,  3,  15, 4,  2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6,  3,  15, 5, 1,  13, 12, 7,  11, 4,  2,  8,  13, 7,  0,  9,  3,  4,
     6,  10, 2,  8,  5,  14, 12, 11, 15, 1,  13, 6,  4,  9,  8,  15, 3,  0,  11, 1,  2,  12,
     5,  10, 14, 7,  1,  10, 13, 0,  6,  9,  8,  7,  4,  15, 14, 3,  11, 5,  2,  12},
    {7,  13, 14, 3,  0,  6,  9,  10, 1,  2,  8,  5,  11, 12, 4,  15, 13, 8,  11, 5,  6,  15,
     0,  3,  4,  7,  2,  12, 1,  10, 14, 9,  10, 6,  9,  0,  12, 11, 7,  13, 15, 1,  3,  14,
     5,  2,  8,  4,  3,  15, 0,  6,  10, 1,  13, 8,  9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4,  1,  7,  10, 11, 6,  8,  5, 3,  15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5,  0,  15, 10, 3,  9,  8,  6, 4,  2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0,  14, 11, 8,  12, 7,  1,  14, 2,  13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6,  8,  0,  13, 3,  4,  14, 7,  5,  11, 10, 15, 4,  2,  7,  12,
     9,  5,  6,  1,  13, 14, 0,  11, 3,  8,  9,  14, 15, 5,  2,  8,  12, 3,  7,  0,  4,  10,
     1,  13, 11, 6,  4,  3,  2,  12, 9,  5,  15, 10, 11, 14, 1,  7,  6,  0,  8,  13},
    {4,  11, 2,  14, 15, 0,  8,  13, 3,  12, 9,  7,  5,  10, 6,  1,  13, 0,  11, 7,  4,  9,
     1,  10, 14, 3,  5,  12, 2,  15, 8,  6,  1,  4,  11, 13, 12, 3,  7,  14, 10, 15, 6,  8,
     0,  5,  9,  2,  6,  11, 13, 8,  1,  4,  10, 7,  9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2,  8,  4,  6,  15, 11, 1,  10, 9,  3,  14, 5,  0,  12, 7,  1,  15, 13, 8,  10, 3,
     7,  4,  12, 5,  6,  11, 0,  14, 9,  2,  7,  11, 4,  1,  9,  12, 14, 2,  0,  6,  10, 13,
     15, 3,  5,  8,  2,  1,  14, 7,  4,  10, 8,  13, 15, 12, 9,  0,  3,  5,  6,  11}};

// S-box lookups folded with the permutation P: SP[i][x] is box i's output
// for the 6-bit input x, already moved to its place in the 32-bit word.
constexpr std::array<std::array<std::uint32_t, 64>, 8> MakeSP() {
  std::array<std::array<std::uint32_t, 64>, 8> sp{};
  for (int box = 0; box < 8; ++box)
    for (int x = 0; x < 64; ++x) {
      int row = ((x >> 4) & 2) | (x & 1), col = (x >> 1) & 15;
      std::uint32_t out = std::uint32_t(kS[box][row * 16 + col]) << (28 - 4 * box);
      std::uint32_t permuted = 0;
      for (int i = 0; i < 32; ++i)
        if (out & (1u << (32 - kP[i]))) permuted |= 1u << (31 - i);
      sp[static_cast<std::size_t>(box)][static_cast<std::size_t>(x)] = permuted;
    }
  return sp;
}
constexpr auto kSP = MakeSP();

std::uint64_t Permute(std::uint64_t in, const std::uint8_t* table, int outBits, int inBits) {
  std::uint64_t out = 0;
  for (int i = 0; i < outBits; ++i) out = out << 1 | ((in >> (inBits - table[i])) & 1);
  return out;
}

std::uint64_t InversePermute(std::uint64_t in, const std::uint8_t* table) {
  std::uint64_t out = 0;
  for (int i = 0; i < 64; ++i)
    if ((in >> (63 - i)) & 1) out |= 1ull << (64 - table[i]);
  return out;
}


const std::uint8_t k1DESVector[32] = {0xAD, 0x69, 0x42, 0xBB, 0xF6, 0x68, 0x20, 0x4D, 0x53, 0xCD, 0xC7,
                                      0x62, 0x13, 0x93, 0x98, 0xC0, 0x30, 0x0D, 0x85, 0x0B, 0xE2, 0xAA,
                                      0x72, 0x09, 0x6F, 0xDB, 0x5F, 0x8E, 0xD3, 0xE4, 0xCF, 0x8A};
const std::uint8_t k3DESVector[32] = {0x07, 0x4C, 0x14, 0xF3, 0xE2, 0x2E, 0x08, 0xD9, 0x64, 0xBF, 0x6F,
                                      0x82, 0xB5, 0xDF, 0xF0, 0xA2, 0x2F, 0x2D, 0x3B, 0xDB, 0x17, 0xDB,
                                      0x25, 0xB6, 0xB5, 0x1E, 0xFA, 0x71, 0x37, 0x2F, 0xD1, 0x72};
const std::uint8_t k3TDESVector[32] = {0x0B, 0x12, 0xE4, 0x8B, 0xD9, 0xCD, 0x08, 0xBF, 0xCA, 0xAE, 0x3E,
                                       0x5F, 0xF6, 0xFE, 0x13, 0xCD, 0x3F, 0x70, 0x6E, 0xCD, 0x53, 0x56,
                                       0x3F, 0x5A, 0x80, 0x0F, 0x1B, 0x1E, 0xFB, 0x9A, 0x57, 0x96};

}  // namespace

const TCipherClassInfo TCipher_1DES::Class = {
    {"TCipher_1DES", &TCipher::Class}, {8, 8, 256}, k1DESVector, &CreateCipherOf<TCipher_1DES>};
const TCipherClassInfo TCipher_3DES::Class = {
    {"TCipher_3DES", &TCipher_1DES::Class}, {24, 8, 768}, k3DESVector, &CreateCipherOf<TCipher_3DES>};
const TCipherClassInfo TCipher_3TDES::Class = {
    {"TCipher_3TDES", &TCipher_3DES::Class}, {24, 24, 768}, k3TDESVector, &CreateCipherOf<TCipher_3TDES>};

// Sub-key of round r as eight 6-bit values, one byte each; the decryption
// half holds the same sub-keys in reverse order.
void TCipher_1DES::MakeSchedule(const std::uint8_t key[8], std::uint8_t* schedule) {
  std::uint64_t cd = Permute(LoadBE64(key), kPC1, 56, 64);
  std::uint32_t c = static_cast<std::uint32_t>(cd >> 28), d = static_cast<std::uint32_t>(cd & 0xFFFFFFF);
  for (int r = 0; r < 16; ++r) {
    for (int s = 0; s < kShifts[r]; ++s) {
      c = ((c << 1) | (c >> 27)) & 0xFFFFFFF;
      d = ((d << 1) | (d >> 27)) & 0xFFFFFFF;
    }
    std::uint64_t k = Permute(std::uint64_t(c) << 28 | d, kPC2, 48, 56);
    for (int i = 0; i < 8; ++i) {
      auto chunk = static_cast<std::uint8_t>((k >> (42 - 6 * i)) & 0x3F);
      schedule[8 * r + i] = chunk;
      schedule[kDecryptOffset + 8 * (15 - r) + i] = chunk;
    }
  }
}

void TCipher_1DES::Crypt(const std::uint8_t* subkeys, std::uint8_t block[8]) {
  std::uint64_t v = Permute(LoadBE64(block), kIP, 64, 64);
  std::uint32_t l = static_cast<std::uint32_t>(v >> 32), r = static_cast<std::uint32_t>(v);
  for (int round = 0; round < 16; ++round) {
    // The expansion E takes six bits starting one before each nibble.
    std::uint32_t e = (r >> 1) | (r << 31);
    std::uint32_t f = 0;
    for (int i = 0; i < 8; ++i) {
      const int shift = (4 * i + 6) % 32;
      std::uint32_t chunk = (shift ? (e << shift) | (e >> (32 - shift)) : e) & 0x3F;
      f |= kSP[static_cast<std::size_t>(i)][chunk ^ subkeys[8 * round + i]];
    }
    std::uint32_t t = l ^ f;
    l = r;
    r = t;
  }
  StoreBE64(block, InversePermute(std::uint64_t(r) << 32 | l, kIP));
}

void TCipher_1DES::Init(const void* key, std::int32_t size, const void* initVector) {
  InitBegin(size);
  std::uint8_t k[8] = {};
  if (size > 0) std::memcpy(k, key, static_cast<std::size_t>(size));
  MakeSchedule(k, User());
  SecureWipe(k, sizeof k);
  InitEnd(initVector);
}

void TCipher_1DES::Encode(void* block) { Crypt(User(), static_cast<std::uint8_t*>(block)); }
void TCipher_1DES::Decode(void* block) { Crypt(User() + kDecryptOffset, static_cast<std::uint8_t*>(block)); }

void TCipher_3DES::Init(const void* key, std::int32_t size, const void* initVector) {
  InitBegin(size);
  std::uint8_t k[24] = {};
  if (size > 0) std::memcpy(k, key, static_cast<std::size_t>(size));
  for (int i = 0; i < 3; ++i) MakeSchedule(k + 8 * i, User() + kScheduleSize * i);
  SecureWipe(k, sizeof k);
  InitEnd(initVector);
}

void TCipher_3DES::EncodeStep(int step, std::uint8_t block[8]) const {
  const std::uint8_t* schedule = User() + kScheduleSize * step;
  Crypt(step == 1 ? schedule + kDecryptOffset : schedule, block);
}

void TCipher_3DES::DecodeStep(int step, std::uint8_t block[8]) const {
  const std::uint8_t* schedule = User() + kScheduleSize * step;
  Crypt(step == 1 ? schedule : schedule + kDecryptOffset, block);
}

void TCipher_3DES::Encode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  for (int step = 0; step < 3; ++step) EncodeStep(step, b);
}

void TCipher_3DES::Decode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  for (int step = 2; step >= 0; --step) DecodeStep(step, b);
}

namespace {

void SwapWords12(std::uint8_t* b) {
  std::uint8_t t[4];
  std::memcpy(t, b + 4, 4);
  std::memcpy(b + 4, b + 8, 4);
  std::memcpy(b + 8, t, 4);
}

}  // namespace

void TCipher_3TDES::Encode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  for (int step = 0; step < 3; ++step) {
    if (step > 0) SwapWords12(b);
    for (int part = 0; part < 3; ++part) EncodeStep(step, b + 8 * part);
  }
}

void TCipher_3TDES::Decode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  for (int step = 2; step >= 0; --step) {
    for (int part = 0; part < 3; ++part) DecodeStep(step, b + 8 * part);
    if (step > 0) SwapWords12(b);
  }
}

}  // namespace zip
