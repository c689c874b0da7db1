#include "zip/crypto/Hmac.h"

#include <algorithm>
#include <cstring>

namespace zip {

void hmac_init(THMAC_Context& ctx, const THashDesc* descriptor, const void* key, std::size_t keyLength) {
  std::memset(&ctx, 0, sizeof ctx);
  if (!IsValidHashDesc(descriptor)) return;
  ctx.Descriptor = descriptor;
  const std::size_t blockLength = descriptor->BlockLength;
  if (keyLength > blockLength) {
    // Hashed in pieces so a key of any length fits the update routine.
    THashContext keyHash;
    descriptor->Init(keyHash);
    auto p = static_cast<const std::uint8_t*>(key);
    for (std::size_t left = keyLength; left > 0;) {
      std::int32_t piece = static_cast<std::int32_t>(std::min<std::size_t>(left, 1u << 30));
      descriptor->Update(keyHash, p, piece);
      p += piece;
      left -= static_cast<std::size_t>(piece);
    }
    THashDigest digest;
    descriptor->Final(keyHash, digest);
    std::memcpy(ctx.KeyBlock, digest.data(), descriptor->DigestLength);
  } else if (keyLength > 0) {
    std::memcpy(ctx.KeyBlock, key, keyLength);
  }
  for (std::size_t i = 0; i < blockLength; ++i) ctx.KeyBlock[i] ^= 0x36;
  descriptor->Init(ctx.HashContext);
  descriptor->Update(ctx.HashContext, ctx.KeyBlock, static_cast<std::int32_t>(blockLength));
}

void hmac_inits(THMAC_Context& ctx, const THashDesc* descriptor, std::string_view key) {
  if (descriptor) hmac_init(ctx, descriptor, key.data(), key.size());
}

void hmac_updateXL(THMAC_Context& ctx, const void* data, std::int32_t length) {
  if (ctx.Descriptor) ctx.Descriptor->Update(ctx.HashContext, data, length);
}

void hmac_update(THMAC_Context& ctx, const void* data, std::uint16_t length) { hmac_updateXL(ctx, data, length); }

void hmac_final(THMAC_Context& ctx, THashDigest& digest) {
  const THashDesc* d = ctx.Descriptor;
  if (!d) return;
  d->Final(ctx.HashContext, digest);
  for (std::size_t i = 0; i < d->BlockLength; ++i) ctx.KeyBlock[i] ^= 0x36 ^ 0x5C;
  d->Init(ctx.HashContext);
  d->Update(ctx.HashContext, ctx.KeyBlock, d->BlockLength);
  d->Update(ctx.HashContext, digest.data(), d->DigestLength);
  d->Final(ctx.HashContext, digest);
}

}  // namespace zip
