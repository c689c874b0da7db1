#pragma once
// A key generator over one password and one salt (random or given): hands
// out PBKDF2-HMAC-SHA1 key bytes. The WinZip AES transform makes one for
// every key computation.
#include <cstdint>
#include <string>
#include <vector>

namespace zip {

class TPBKDF2 {
 public:
  // A fresh salt of saltLength bytes from the system's random source.
  TPBKDF2(std::string password, std::int32_t saltLength, std::int32_t iterationCount);
  TPBKDF2(std::string password, const std::uint8_t* salt, std::int32_t saltLength, std::int32_t iterationCount);
  ~TPBKDF2();
  TPBKDF2(const TPBKDF2&) = delete;
  TPBKDF2& operator=(const TPBKDF2&) = delete;

  // Derives count bytes into `bytes` (resized); returns 0. Any password
  // length is accepted.
  int GetKeyBytes(std::int32_t count, std::vector<std::uint8_t>& bytes);
  std::vector<std::uint8_t> GetSaltValue() const { return salt_; }
  // Key computations (GetKeyBytes calls) run in this process so far: every
  // one is a thousand-fold hash, so callers' tests count them.
  static std::uint64_t KeyComputations();
  std::int32_t IterationCount() const { return iterationCount_; }
  void Initialize() {}
  void Reset() {}

 private:
  std::int32_t iterationCount_;
  std::vector<std::uint8_t> salt_;
  std::string password_;
};

}  // namespace zip
