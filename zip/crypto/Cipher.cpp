#include "zip/crypto/Cipher.h"

#include <algorithm>
#include <cstring>

#include "zip/crypto/BitOps.h"
#include "zip/crypto/ByteOrder.h"
#include "zip/crypto/CipherMessages.h"
#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/FormatText.h"
#include "zip/crypto/LibraryTestVector.h"
#include "zip/crypto/SecureWipe.h"
#include "zip/crypto/TimeSeed.h"

namespace zip {
namespace {

bool gCheckKeySize = false;

// dst = a xor b over `bytes` (a multiple of 8), a word at a time.
void XorWords(const std::uint8_t* a, const std::uint8_t* b, std::uint8_t* dst, std::int32_t bytes) {
  using Chunk = std::uint64_t __attribute__((vector_size(16)));
  std::int32_t k = 0;
  for (; k + 16 <= bytes; k += 16) {
    Chunk x, y;
    std::memcpy(&x, a + k, 16);
    std::memcpy(&y, b + k, 16);
    x ^= y;
    std::memcpy(dst + k, &x, 16);
  }
  for (; k < bytes; k += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a + k, 8);
    std::memcpy(&y, b + k, 8);
    x ^= y;
    std::memcpy(dst + k, &x, 8);
  }
}

// Counter-mode state saved around work that must not move the counter.
struct CounterState {
  std::int32_t pos;
  std::vector<std::uint8_t> stream, counter;
};

}  // namespace

const TCipherClassInfo TCipher::Class = {{"TCipher", &TProtection::Class}, {0, 0, 0}, nullptr, &CreateCipherOf<TCipher>};

bool CheckCipherKeySize() { return gCheckKeySize; }
void SetCheckCipherKeySize(bool on) { gCheckKeySize = on; }

void RaiseCipherException(int code, const std::string& message) { throw ECipherException(code, message); }

TCipher::TCipher(std::shared_ptr<TProtection> protection, const TCipherClassInfo& cls)
    : TProtection(std::move(protection), cls), hashClass_(DefaultHashClass()) {
  Setup();
}

TCipher::TCipher(TRawKey, const TCipherClassInfo& cls) : TProtection(NoChainTag{}, cls) { Setup(); }

void TCipher::Setup() {
  const TCipherContext& c = CipherClass().Context;
  keySize_ = c.KeySize;
  blockSize_ = c.BlockSize;
  bufSize_ = c.BufSize;
  const auto n = static_cast<std::size_t>(blockSize_);
  buffer_.assign(n, 0);
  vector_.assign(n, 0);
  feedback_.assign(n, 0);
  keyStream_.assign(n, 0);
  counter_.assign(n, 0);
  user_.assign((static_cast<std::size_t>(bufSize_) + 7) / 8, 0);
  Protect();
  keyStreamPos_ = blockSize_;
}

TCipher::~TCipher() {
  SecureWipe(user_.data(), user_.size() * sizeof(std::uint64_t));
  SecureWipe(buffer_);
  SecureWipe(vector_);
  SecureWipe(feedback_);
  SecureWipe(keyStream_);
  SecureWipe(counter_);
  SecureWipe(counterBlocks_);
}

void TCipher::SetFlag(int bit, bool value) {
  if (value) flags_ |= 1u << bit;
  else flags_ &= ~(1u << bit);
}

void TCipher::Protect() {
  SetFlag(0, false);
  SetFlag(1, false);
  for (std::uint8_t fill : {0xAA, 0x55}) {
    std::fill(vector_.begin(), vector_.end(), fill);
    std::fill(feedback_.begin(), feedback_.end(), fill);
    std::fill(buffer_.begin(), buffer_.end(), fill);
    std::memset(User(), fill, static_cast<std::size_t>(bufSize_));
  }
  std::fill(vector_.begin(), vector_.end(), 0xFF);
  std::fill(feedback_.begin(), feedback_.end(), 0xFF);
  std::fill(buffer_.begin(), buffer_.end(), 0);
  std::memset(User(), 0, static_cast<std::size_t>(bufSize_));
  std::fill(counter_.begin(), counter_.end(), 0);
  // Key-stream bytes of the old key must not leak into the next one's output.
  std::fill(keyStream_.begin(), keyStream_.end(), 0);
  keyStreamPos_ = blockSize_;
}

void TCipher::InitBegin(std::int32_t& size) {
  SetFlag(1, false);
  Protect();
  if (size < 0) size = 0;
  if (size > keySize_) {
    if (gCheckKeySize)
      RaiseCipherException(kCipherErrorKeySize, FormatText(_sInvalidKeySize, std::string(ClassInfo().Name).c_str(),
                                                           0, keySize_));
    size = keySize_;
  }
}

void TCipher::InitEnd(const void* initVector) {
  if (initVector) std::memcpy(vector_.data(), initVector, vector_.size());
  else Encode(vector_.data());
  feedback_ = vector_;
  SetFlag(1, true);
}

void TCipher::Init(const void*, std::int32_t size, const void* initVector) {
  InitBegin(size);
  InitEnd(initVector);
}

void TCipher::Encode(void*) {}

void TCipher::EncodeBlocks(std::uint8_t* blocks, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) Encode(blocks + static_cast<std::ptrdiff_t>(i) * blockSize_);
}
void TCipher::Decode(void*) {}

void TCipher::Done() {
  if (feedback_ != vector_) {
    buffer_ = feedback_;
    feedback_ = vector_;
  }
}

std::shared_ptr<THash> TCipher::GetHash() {
  if (!hash_) {
    if (!hashClass_) hashClass_ = DefaultHashClass();
    hash_ = hashClass_->Create(nullptr);
  }
  return hash_;
}

void TCipher::SetHashClass(THashClass cls) {
  if (!cls) cls = DefaultHashClass();
  if (cls == hashClass_) return;
  hash_.reset();
  hashClass_ = cls;
}

void TCipher::InitKey(std::string_view key, const void* initVector) {
  auto hash = GetHash();
  hash->Init();
  hash->Calc(key.data(), static_cast<std::int32_t>(key.size()));
  hash->Done();
  std::int32_t digestSize = hash->DigestKeySize();
  std::uint8_t* digest = hash->DigestKey();
  Init(digest, std::min(digestSize, keySize_), initVector);
  CounterState saved{keyStreamPos_, keyStream_, counter_};
  EncodeBuffer(digest, digest, digestSize);
  keyStreamPos_ = saved.pos;
  keyStream_ = saved.stream;
  counter_ = saved.counter;
  Done();
  SetFlag(0, true);
}

void TCipher::InitKey(std::vector<std::uint8_t>& key, const void* initVector) {
  const auto length = static_cast<std::int32_t>(key.size());
  Init(key.data(), std::min(length, keySize_), initVector);
  std::vector<std::uint8_t> enciphered(key.size());
  CounterState saved{keyStreamPos_, keyStream_, counter_};
  EncodeBuffer(key.data(), enciphered.data(), length);
  keyStreamPos_ = saved.pos;
  keyStream_ = saved.stream;
  counter_ = saved.counter;
  SecureWipe(key);
  key = std::move(enciphered);
  Done();
  SetFlag(0, true);
}

void TCipher::CheckInitialized() const {
  if (!GetFlag(1))
    RaiseCipherException(kCipherErrorNotInitialized,
                         FormatText(_sNotInitialized, std::string(ClassInfo().Name).c_str()));
}

void TCipher::EncodeBlockOf(std::uint8_t* out, const std::uint8_t* in) {
  std::memcpy(out, in, static_cast<std::size_t>(blockSize_));
  Encode(out);
}

void TCipher::XorTail(std::uint8_t* tail, std::int32_t count, bool chain) {
  EncodeBlockOf(buffer_.data(), feedback_.data());
  XORBuffers(tail, buffer_.data(), static_cast<std::size_t>(count), tail);
  if (chain) XORBuffers(buffer_.data(), feedback_.data(), feedback_.size(), feedback_.data());
}

void TCipher::ShiftIn(std::uint8_t byte) {
  std::memmove(feedback_.data(), feedback_.data() + 1, feedback_.size() - 1);
  feedback_.back() = byte;
}

void TCipher::CounterXor(const std::uint8_t* s, std::uint8_t* d, std::int32_t size) {
  const std::int32_t n = blockSize_;
  std::uint8_t* stream = keyStream_.data();
  std::int32_t i = 0;
  auto nextBlock = [&] {
    for (int k = 0; k < 8 && k < n; ++k)
      if (++counter_[static_cast<std::size_t>(k)] != 0) break;
    std::memcpy(stream, counter_.data(), static_cast<std::size_t>(n));
    Encode(stream);
    keyStreamPos_ = 0;
  };
  // Up to a block boundary byte by byte, then whole blocks, then the rest:
  // the counter and the position carry over to the next call.
  for (; i < size && keyStreamPos_ < n; ++i) d[i] = s[i] ^ stream[keyStreamPos_++];
  if (n % 8 == 0 && size - i >= n) {
    // Whole blocks in batches; the last block of a batch stays the current
    // key-stream block, exactly as if they had been made one by one.
    constexpr std::int32_t kBatch = 64;
    counterBlocks_.resize(static_cast<std::size_t>(n * kBatch));
    // The counter is a little-endian number over bytes 0..7 (every block
    // size here is at least 8), so it steps as one 64-bit value.
    std::uint64_t value = 0;
    for (int k = 7; k >= 0; --k) value = value << 8 | counter_[static_cast<std::size_t>(k)];
    while (size - i >= n) {
      const std::int32_t blocks = std::min(kBatch, (size - i) / n);
      std::uint8_t* out = counterBlocks_.data();
      for (std::int32_t b = 0; b < blocks; ++b, out += n) {
        ++value;
        StoreLE64(out, value);
        std::memcpy(out + 8, counter_.data() + 8, static_cast<std::size_t>(n - 8));
      }
      StoreLE64(counter_.data(), value);
      EncodeBlocks(counterBlocks_.data(), blocks);
      const std::int32_t bytes = blocks * n;
      XorWords(s + i, counterBlocks_.data(), d + i, bytes);
      std::memcpy(stream, counterBlocks_.data() + bytes - n, static_cast<std::size_t>(n));
      keyStreamPos_ = n;
      i += bytes;
    }
    SecureWipe(counterBlocks_);
  }
  for (; i < size; ++i) {
    if (keyStreamPos_ == n) nextBlock();
    d[i] = s[i] ^ stream[keyStreamPos_++];
  }
}

void TCipher::EncodeBuffer(const void* source, void* destination, std::int32_t size) {
  CheckInitialized();
  if (size <= 0) return;
  auto s = static_cast<const std::uint8_t*>(source);
  auto d = static_cast<std::uint8_t*>(destination);
  const std::int32_t n = blockSize_;
  const auto bn = static_cast<std::size_t>(n);
  std::uint8_t* F = feedback_.data();
  std::uint8_t* B = buffer_.data();
  std::int32_t i = 0;
  auto tail = [&] {
    if (i < size) {
      if (d != s) std::memmove(d + i, s + i, static_cast<std::size_t>(size - i));
      XorTail(d + i, size - i, true);
    }
  };
  switch (Mode) {
    case cmCTS:
      for (; size - i >= n; i += n) {
        XORBuffers(s + i, F, bn, d + i);
        Encode(d + i);
        XORBuffers(d + i, F, bn, F);
      }
      tail();
      break;
    case cmCBC:
      for (; size - i >= n; i += n) {
        XORBuffers(s + i, F, bn, d + i);
        Encode(d + i);
        std::memcpy(F, d + i, bn);
      }
      tail();
      break;
    case cmCFB:
      for (; i < size; ++i) {
        EncodeBlockOf(B, F);
        d[i] = s[i] ^ B[0];
        ShiftIn(d[i]);
      }
      break;
    case cmOFB:
      for (; i < size; ++i) {
        EncodeBlockOf(B, F);
        d[i] = s[i] ^ B[0];
        ShiftIn(B[0]);
      }
      break;
    case cmCTR:
      CounterXor(s, d, size);
      break;
    case cmECB:
      if (d != s) std::memmove(d, s, static_cast<std::size_t>(size));
      for (; size - i >= n; i += n) Encode(d + i);
      // A short tail is xored with the encoded feedback register, which ECB
      // never changes, so decoding restores it.
      if (i < size) XorTail(d + i, size - i, false);
      break;
    case cmCTSMAC:
    case cmCBCMAC:
      for (; size - i >= n; i += n) {
        XORBuffers(s + i, F, bn, B);
        Encode(B);
        if (Mode == cmCTSMAC) XORBuffers(B, F, bn, F);
        else std::memcpy(F, B, bn);
      }
      if (i < size) {
        EncodeBlockOf(B, F);
        XORBuffers(B, F, bn, F);
      }
      break;
    case cmCFBMAC:
      for (; i < size; ++i) {
        EncodeBlockOf(B, F);
        ShiftIn(s[i] ^ B[0]);
      }
      break;
  }
}

void TCipher::DecodeBuffer(const void* source, void* destination, std::int32_t size) {
  CheckInitialized();
  if (size <= 0) return;
  auto s = static_cast<const std::uint8_t*>(source);
  auto d = static_cast<std::uint8_t*>(destination);
  const std::int32_t n = blockSize_;
  const auto bn = static_cast<std::size_t>(n);
  std::uint8_t* F = feedback_.data();
  std::uint8_t* B = buffer_.data();
  std::uint8_t c[64];
  std::int32_t i = 0;
  auto tail = [&] {
    if (i < size) XorTail(d + i, size - i, true);
  };
  switch (Mode) {
    case cmCTS:
      if (d != s) std::memmove(d, s, static_cast<std::size_t>(size));
      for (; size - i >= n; i += n) {
        std::memcpy(c, d + i, bn);
        Decode(d + i);
        XORBuffers(d + i, F, bn, d + i);
        XORBuffers(c, F, bn, F);
      }
      tail();
      break;
    case cmCBC:
      if (d != s) std::memmove(d, s, static_cast<std::size_t>(size));
      for (; size - i >= n; i += n) {
        std::memcpy(c, d + i, bn);
        Decode(d + i);
        XORBuffers(d + i, F, bn, d + i);
        std::memcpy(F, c, bn);
      }
      tail();
      break;
    case cmCFB:
      for (; i < size; ++i) {
        EncodeBlockOf(B, F);
        std::uint8_t cipherByte = s[i];
        d[i] = cipherByte ^ B[0];
        ShiftIn(cipherByte);
      }
      break;
    case cmECB:
      if (d != s) std::memmove(d, s, static_cast<std::size_t>(size));
      for (; size - i >= n; i += n) Decode(d + i);
      if (i < size) XorTail(d + i, size - i, false);
      break;
    case cmOFB:
    case cmCTR:
    case cmCTSMAC:
    case cmCBCMAC:
    case cmCFBMAC:
      // Their decoding is the encoding.
      EncodeBuffer(source, destination, size);
      break;
  }
}

void TCipher::CodeInit(TPAction action) {
  CheckInitialized();
  if (action == paWipe) RndXORBuffer(RndTimeSeed(), feedback_.data(), feedback_.size());
  else if (action != paCalc) Done();
  TProtection::CodeInit(action);
}

void TCipher::CodeDone(TPAction action) {
  TProtection::CodeDone(action);
  if (action == paWipe) RndXORBuffer(RndTimeSeed(), feedback_.data(), feedback_.size());
  else if (action != paCalc) Done();
}

void TCipher::CodeBuf(void* buffer, std::int32_t length, TPAction action) {
  if (action == paDecode) {
    if (Actions.Contains(action)) DecodeBuffer(buffer, buffer, length);
    TProtection::CodeBuf(buffer, length, action);
  } else {
    TProtection::CodeBuf(buffer, length, action);
    if (Actions.Contains(action)) EncodeBuffer(buffer, buffer, length);
  }
}

bool TCipher::SelfTest(TCipherClass cls) {
  if (!cls || !cls->TestVector) return false;
  auto cipher = cls->Create(nullptr);
  const bool savedCheck = gCheckKeySize;
  gCheckKeySize = false;
  struct Restore {
    bool value;
    ~Restore() { gCheckKeySize = value; }
  } restore{savedCheck};
  cipher->Mode = cmCTS;
  std::string name(cls->Name);
  cipher->Init(name.data(), std::min<std::int32_t>(static_cast<std::int32_t>(name.size()), cls->Context.KeySize),
               nullptr);
  std::uint8_t buf[kTestVectorSize];
  cipher->EncodeBuffer(GetTestVector(), buf, kTestVectorSize);
  bool ok = std::memcmp(buf, cls->TestVector, kTestVectorSize) == 0;
  cipher->Done();
  cipher->DecodeBuffer(buf, buf, kTestVectorSize);
  return ok && std::memcmp(buf, GetTestVector(), kTestVectorSize) == 0;
}

// ---- registry ----

namespace {

struct CipherRegistryState {
  TClassRegistry<TCipherClassInfo> registry;
  TCipherClass defaultClass = &TCipher_Rijndael::Class;
  CipherRegistryState() { registry.Register(&TCipher_Rijndael::Class, "", ""); }
};

CipherRegistryState& CipherState() {
  static CipherRegistryState state;
  return state;
}

}  // namespace

bool RegisterCipher(TCipherClass cls, std::string_view name, std::string_view description) {
  return CipherState().registry.Register(cls, name, description);
}
bool UnregisterCipher(TCipherClass cls) { return CipherState().registry.Unregister(cls); }
const std::vector<TClassRegistry<TCipherClassInfo>::Entry>& CipherList() { return CipherState().registry.Entries(); }
void CipherNames(std::vector<std::pair<std::string, TCipherClass>>& strings) {
  for (const auto& e : CipherState().registry.Entries()) strings.emplace_back(e.Name(), e.Class);
}
TCipherClass GetCipherClass(std::string_view name) { return CipherState().registry.Find(name); }
std::string GetCipherName(TCipherClass cls) { return CipherState().registry.NameOf(cls); }
TCipherClass DefaultCipherClass() { return CipherState().defaultClass; }
void SetDefaultCipherClass(TCipherClass cls) { CipherState().defaultClass = cls ? cls : &TCipher_Rijndael::Class; }

}  // namespace zip
