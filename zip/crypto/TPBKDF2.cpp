#include "zip/crypto/TPBKDF2.h"

#include <algorithm>
#include <atomic>

#include "zip/crypto/Pbkdf2.h"
#include "zip/crypto/RandomBytes.h"
#include "zip/crypto/SecureWipe.h"

namespace zip {
namespace {
std::atomic<std::uint64_t> gKeyComputations{0};
}  // namespace

TPBKDF2::TPBKDF2(std::string password, std::int32_t saltLength, std::int32_t iterationCount)
    : iterationCount_(iterationCount),
      salt_(RandomBytes(static_cast<std::size_t>(std::max(saltLength, 0)))),
      password_(std::move(password)) {}

TPBKDF2::TPBKDF2(std::string password, const std::uint8_t* salt, std::int32_t saltLength,
                 std::int32_t iterationCount)
    : iterationCount_(iterationCount),
      salt_(salt, salt + std::max(saltLength, 0)),
      password_(std::move(password)) {}

TPBKDF2::~TPBKDF2() {
  SecureWipe(salt_);
  SecureWipe(password_);
}

std::uint64_t TPBKDF2::KeyComputations() { return gKeyComputations.load(); }

int TPBKDF2::GetKeyBytes(std::int32_t count, std::vector<std::uint8_t>& bytes) {
  gKeyComputations.fetch_add(1, std::memory_order_relaxed);
  bytes.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
  PBKDF2(password_.data(), password_.size(), salt_.data(), salt_.size(), iterationCount_, bytes.data(),
         bytes.size());
  return 0;
}

}  // namespace zip
