#pragma once
// Keying and running the cipher classes, and OpenSSL's EVP as reference.
#include <openssl/evp.h>

#include <memory>

#include "HexBytes.h"
#include "zip/crypto/Cipher.h"

namespace cryptotest {

// A cipher of class C keyed with the raw bytes (no IV: the library default).
template <class C>
std::shared_ptr<C> Keyed(const Bytes& key, zip::TCipherMode mode, const Bytes& iv = {}) {
  auto c = std::make_shared<C>();
  c->Init(key.data(), static_cast<std::int32_t>(key.size()), iv.empty() ? nullptr : iv.data());
  c->Mode = mode;
  return c;
}

inline Bytes Enc(zip::TCipher& c, Bytes b) {
  c.EncodeBuffer(b.data(), b.data(), static_cast<std::int32_t>(b.size()));
  return b;
}
inline Bytes Dec(zip::TCipher& c, Bytes b) {
  c.DecodeBuffer(b.data(), b.data(), static_cast<std::int32_t>(b.size()));
  return b;
}

inline Bytes OpenSslCrypt(const EVP_CIPHER* type, const Bytes& key, const Bytes& iv, const Bytes& in, bool encrypt) {
  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  EVP_CipherInit_ex(ctx, type, nullptr, key.data(), iv.empty() ? nullptr : iv.data(), encrypt ? 1 : 0);
  EVP_CIPHER_CTX_set_padding(ctx, 0);
  Bytes out(in.size() + 32);
  int n = 0, m = 0;
  EVP_CipherUpdate(ctx, out.data(), &n, in.data(), static_cast<int>(in.size()));
  EVP_CipherFinal_ex(ctx, out.data() + n, &m);
  EVP_CIPHER_CTX_free(ctx);
  out.resize(static_cast<std::size_t>(n + m));
  return out;
}

}  // namespace cryptotest
