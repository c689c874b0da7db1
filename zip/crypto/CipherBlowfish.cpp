#include "zip/crypto/CipherBlowfish.h"

#include <cstring>

#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/BlowfishTables.h"

namespace zip {
namespace {

const std::uint8_t kBlowfishVector[32] = {0x19, 0x71, 0xCA, 0xCD, 0x2B, 0x9C, 0x85, 0x29, 0xDA, 0x81, 0x47,
                                          0xB7, 0xEB, 0xCE, 0x16, 0xC6, 0x91, 0x0E, 0x1D, 0xC8, 0x40, 0x12,
                                          0x3E, 0x35, 0x70, 0xED, 0xBC, 0x96, 0x4C, 0x13, 0xD0, 0xB8};

// The key schedule: the P-array, then the four S-boxes.
struct State {
  std::uint32_t P[18];
  std::uint32_t S[4][256];
};
static_assert(sizeof(State) == 4168);

inline std::uint32_t F(const State& s, std::uint32_t x) {
  return ((s.S[0][x >> 24] + s.S[1][(x >> 16) & 0xFF]) ^ s.S[2][(x >> 8) & 0xFF]) + s.S[3][x & 0xFF];
}

void EncryptWords(const State& s, std::uint32_t& l, std::uint32_t& r) {
  for (int i = 0; i < 16; i += 2) {
    l ^= s.P[i];
    r ^= F(s, l);
    r ^= s.P[i + 1];
    l ^= F(s, r);
  }
  l ^= s.P[16];
  r ^= s.P[17];
  std::swap(l, r);
}

void DecryptWords(const State& s, std::uint32_t& l, std::uint32_t& r) {
  for (int i = 17; i > 1; i -= 2) {
    l ^= s.P[i];
    r ^= F(s, l);
    r ^= s.P[i - 1];
    l ^= F(s, r);
  }
  l ^= s.P[1];
  r ^= s.P[0];
  std::swap(l, r);
}


}  // namespace

const TCipherClassInfo TCipher_Blowfish::Class = {
    {"TCipher_Blowfish", &TCipher::Class}, {56, 8, 4168}, kBlowfishVector, &CreateCipherOf<TCipher_Blowfish>};

void TCipher_Blowfish::Init(const void* key, std::int32_t size, const void* initVector) {
  InitBegin(size);
  auto& s = *reinterpret_cast<State*>(User());
  std::memcpy(s.P, kBlowfishP, sizeof s.P);
  std::memcpy(s.S, kBlowfishS, sizeof s.S);
  auto k = static_cast<const std::uint8_t*>(key);
  if (size > 0) {
    for (int i = 0, j = 0; i < 18; ++i) {
      std::uint32_t word = 0;
      for (int b = 0; b < 4; ++b, j = (j + 1) % size) word = word << 8 | k[j];
      s.P[i] ^= word;
    }
  }
  std::uint32_t l = 0, r = 0;
  for (int i = 0; i < 18; i += 2) {
    EncryptWords(s, l, r);
    s.P[i] = l;
    s.P[i + 1] = r;
  }
  for (auto& box : s.S)
    for (int i = 0; i < 256; i += 2) {
      EncryptWords(s, l, r);
      box[i] = l;
      box[i + 1] = r;
    }
  InitEnd(initVector);
}

void TCipher_Blowfish::Encode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  std::uint32_t l = LoadBE32(b), r = LoadBE32(b + 4);
  EncryptWords(*reinterpret_cast<const State*>(User()), l, r);
  StoreBE32(b, l);
  StoreBE32(b + 4, r);
}

void TCipher_Blowfish::Decode(void* block) {
  auto b = static_cast<std::uint8_t*>(block);
  std::uint32_t l = LoadBE32(b), r = LoadBE32(b + 4);
  DecryptWords(*reinterpret_cast<const State*>(User()), l, r);
  StoreBE32(b, l);
  StoreBE32(b + 4, r);
}

}  // namespace zip
