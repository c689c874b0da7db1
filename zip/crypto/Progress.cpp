#include "zip/crypto/Progress.h"

namespace zip {
namespace {

TProgressCallback gCallback = nullptr;
void* gUser = nullptr;

}  // namespace

void SetProgressCallback(TProgressCallback callback, void* user) {
  gCallback = callback;
  gUser = user;
}

void DoProgress(const void* sender, std::int64_t current, std::int64_t maximum) {
  if (gCallback) gCallback(gUser, sender, current, maximum);
}

}  // namespace zip
