// Throughput of the archive encryption beside OpenSSL, measured in the same
// run: AES-256 in counter mode, SHA-1, and one PBKDF2-HMAC-SHA1 derivation
// of 1000 iterations (the WinZip AES key set-up of every entry).
//
// Everything is measured twice: both sides with the processor's AES and SHA
// instructions, then both sides on their software paths. For the latter the
// program restarts itself with OPENSSL_ia32cap masking AES-NI and the SHA
// extensions, which OpenSSL reads when it loads.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/evp.h>
#include <openssl/crypto.h>
#include <openssl/sha.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/support/Measure.h"
#include "zip/crypto/CipherRijndael.h"
#include "zip/crypto/Pbkdf2.h"
#include "zip/crypto/Sha1.h"

namespace {

// Median times of both sides, measured in turns so that a change in the
// machine's load touches both alike.
std::pair<double, double> MedianOfTurns(int turns, const std::function<void()>& ours,
                                        const std::function<void()>& theirs) {
  const std::vector<double> t = bench::MedianOfTurns(turns, {{nullptr, ours}, {nullptr, theirs}});
  return {t[0], t[1]};
}

void Report(const char* what, double ours, double theirs, const char* unit, double amount) {
  std::printf("%-48s ours %9.1f %s   OpenSSL %9.1f %s   OpenSSL/ours %.2fx\n", what, amount / ours, unit,
              amount / theirs, unit, ours / theirs);
}

}  // namespace

int main(int argc, char** argv) {
  (void)argc;
  const bool softwarePass = std::getenv("OPENSSL_ia32cap") != nullptr;

  const std::size_t kBuffer = 1 << 20;
  const int kRounds = 32;
  std::vector<std::uint8_t> data(kBuffer), out(kBuffer + 32);
  for (std::size_t i = 0; i < kBuffer; ++i) data[i] = static_cast<std::uint8_t>(i * 131);
  std::vector<std::uint8_t> key(32, 0x5A), iv(16, 0);
  const double mib = double(kBuffer) * kRounds / (1 << 20);

  // AES-256 CTR.
  auto ourAes = [&] {
    std::vector<std::uint8_t> k = key;
    auto aes = zip::MakeCipher<zip::TCipher_Rijndael>(&k);
    aes->Mode = zip::cmCTR;
    for (int r = 0; r < kRounds; ++r) aes->EncodeBuffer(data.data(), out.data(), static_cast<std::int32_t>(kBuffer));
  };
  auto theirAes = [&] {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(ctx, EVP_aes_256_ctr(), nullptr, key.data(), iv.data());
    int n = 0;
    for (int r = 0; r < kRounds; ++r) EVP_EncryptUpdate(ctx, out.data(), &n, data.data(), static_cast<int>(kBuffer));
    EVP_CIPHER_CTX_free(ctx);
  };
  // Each figure twice: both sides with the processor's instructions, then
  // (in the restarted program) both on their software paths.
  const char* path = softwarePass ? " (software paths)" : " (instructions)";
  auto title = [&](const char* what) { return std::string(what) + path; };
  if (softwarePass) {
    zip::SetRijndaelHardware(false);
    zip::SetSha1Hardware(false);
  }
  if (!softwarePass) {
    std::printf("Both sides on the same buffers in the same run, one thread each; medians of 5 to 7\n");
    std::printf("turns, the sides taken in turns. Throughput depends on the machine and its load, the\n");
    std::printf("ratio much less (%s; %s).\n", bench::MachineLoad().c_str(), OpenSSL_version(OPENSSL_VERSION));
    std::printf("AES-256 CTR and SHA-1 over %zu MiB in 1 MiB calls; PBKDF2 derives %d keys of 66 bytes.\n",
                kBuffer * kRounds >> 20, 50);
  }
  auto [ours, theirs] = MedianOfTurns(7, ourAes, theirAes);
  Report(title("AES-256 CTR").c_str(), ours, theirs, "MiB/s", mib);

  // SHA-1.
  std::tie(ours, theirs) = MedianOfTurns(5, [&] {
    zip::THashContext ctx;
    zip::SHA1Init(ctx);
    for (int r = 0; r < kRounds; ++r) zip::SHA1UpdateXL(ctx, data.data(), static_cast<std::int32_t>(kBuffer));
    zip::THashDigest d;
    zip::SHA1FinalEx(ctx, d);
  }, [&] {
    SHA_CTX ctx;
    SHA1_Init(&ctx);
    for (int r = 0; r < kRounds; ++r) SHA1_Update(&ctx, data.data(), kBuffer);
    unsigned char d[20];
    SHA1_Final(d, &ctx);
  });
  Report(title("SHA-1").c_str(), ours, theirs, "MiB/s", mib);

  // PBKDF2: 66 bytes (AES-256 keys, HMAC key, verifier), 1000 iterations.
  const int kDerivations = 50;
  const char* password = "archive password";
  std::uint8_t salt[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, dk[66];
  std::tie(ours, theirs) = MedianOfTurns(5, [&] {
    for (int i = 0; i < kDerivations; ++i) zip::PBKDF2(password, std::strlen(password), salt, 16, 1000, dk, 66);
  }, [&] {
    for (int i = 0; i < kDerivations; ++i)
      PKCS5_PBKDF2_HMAC_SHA1(password, static_cast<int>(std::strlen(password)), salt, 16, 1000, 66, dk);
  });
  Report(title("PBKDF2-HMAC-SHA1 1000 it., 66 B").c_str(), ours, theirs, "keys/s", kDerivations);

  if (!softwarePass) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
      // OpenSSL's capability words: AES-NI in the first, the SHA
      // extensions in the second.
      setenv("OPENSSL_ia32cap", "~0x200000200000000:~0x20000000", 1);
      execv("/proc/self/exe", argv);
      std::perror("execv");
      _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
  }
  return 0;
}
