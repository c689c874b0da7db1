#include "zip/crypto/HashDesc.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "zip/crypto/Sha1.h"

namespace zip {
namespace {

// The table comes with SHA-1 in place: the unit that describes it is part of
// the library, so no caller ever sees the slot empty.
const THashDesc** Table() {
  static const THashDesc* table[kMaxHashAlgorithm + 1] = {nullptr, nullptr, nullptr, &SHA1Descriptor()};
  return table;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  a = a.substr(0, kMaxHashNameLength);
  b = b.substr(0, kMaxHashNameLength);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

}  // namespace

bool IsValidHashDesc(const THashDesc* d) {
  return d && d->Signature == kHashDescSignature && d->DescriptorSize == kHashDescSize &&
         d->Version == kHashDescVersion && d->Init && d->Final && d->Update;
}

void RegisterHash(int algorithm, const THashDesc* descriptor) {
  if (algorithm < 0 || algorithm > kMaxHashAlgorithm) return;
  if (!IsValidHashDesc(descriptor) || descriptor->AlgorithmNumber != static_cast<std::uint32_t>(algorithm)) return;
  Table()[algorithm] = descriptor;
}

const THashDesc* FindHash_by_ID(int algorithm) {
  if (algorithm < 0 || algorithm > kMaxHashAlgorithm) return nullptr;
  const THashDesc* d = Table()[algorithm];
  if (!d || d->Signature != kHashDescSignature || d->AlgorithmNumber != static_cast<std::uint32_t>(algorithm))
    return nullptr;
  return d;
}

const THashDesc* FindHash_by_Name(std::string_view name) {
  for (int i = 0; i <= kMaxHashAlgorithm; ++i) {
    const THashDesc* d = Table()[i];
    if (d && d->Signature == kHashDescSignature && d->AlgorithmNumber == static_cast<std::uint32_t>(i) &&
        SameName(d->Name, name))
      return d;
  }
  return nullptr;
}

void HashUpdate(const THashDesc* descriptor, THashContext& context, const void* data, std::uint16_t length) {
  if (IsValidHashDesc(descriptor)) descriptor->Update(context, data, length);
}

void HashFullXL(const THashDesc* descriptor, THashDigest& digest, const void* data, std::int32_t length) {
  if (!IsValidHashDesc(descriptor)) return;
  THashContext context;
  descriptor->Init(context);
  descriptor->Update(context, data, length);
  descriptor->Final(context, digest);
}

void HashFull(const THashDesc* descriptor, THashDigest& digest, const void* data, std::uint16_t length) {
  HashFullXL(descriptor, digest, data, length);
}

void HashFile(const std::string& fileName, const THashDesc* descriptor, THashDigest& digest, void* buffer,
              std::uint16_t bufferSize, std::uint16_t& error) {
  if (!IsValidHashDesc(descriptor)) {
    error = kHashErrorBadDescriptor;
    return;
  }
  error = 0;
  std::FILE* f = std::fopen(fileName.c_str(), "rb");
  if (!f) {
    error = static_cast<std::uint16_t>(errno);
    return;
  }
  THashContext context;
  descriptor->Init(context);
  for (;;) {
    std::size_t got = std::fread(buffer, 1, bufferSize, f);
    if (got > 0) descriptor->Update(context, buffer, static_cast<std::int32_t>(got));
    if (got < bufferSize || bufferSize == 0) {
      if (std::ferror(f)) error = static_cast<std::uint16_t>(errno ? errno : EIO);
      break;
    }
  }
  std::fclose(f);
  descriptor->Final(context, digest);
}

}  // namespace zip
