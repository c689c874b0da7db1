// Libraries: zip_container
// The locked container on any bytes: Unlock either refuses it (and leaves no
// output) or gives a payload that Lock wraps into the same bytes again when
// the header was written the way Lock writes it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/support/Scratch.h"
#include "zip/container/LockContainer.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace container = zip::container;
  const std::string dir = fuzzsupport::ScratchDir();
  const std::string locked = dir + "/in.zg23";
  const std::string payload = dir + "/payload.zip";
  const std::string again = dir + "/again.zg23";
  fuzzsupport::WriteBytes(locked, data, size);
  const container::UnlockResult unlocked = container::Unlock(locked, payload);
  if (unlocked != container::kUnlockDone) {
    if (std::filesystem::exists(payload)) std::abort();  // a refused container leaves no output
    return 0;
  }
  if (container::Lock(payload, again) != container::kLockDone) std::abort();
  const std::string original(reinterpret_cast<const char*>(data), size);
  const std::string rewritten = Read(again);
  // The payload stands at the end of both, inverted the same way.
  if (rewritten.size() < 19 || rewritten.size() - 19 > original.size() ||
      rewritten.compare(19, std::string::npos, original, original.size() - (rewritten.size() - 19)) != 0)
    std::abort();
  // A header as Lock writes it ("LOCK_V0100 " and eight upper-case digits)
  // comes back byte for byte.
  bool asWritten = original.size() >= 19 && original.compare(0, 11, "LOCK_V0100 ") == 0;
  for (std::size_t i = 11; asWritten && i < 19; ++i)
    asWritten = (original[i] >= '0' && original[i] <= '9') || (original[i] >= 'A' && original[i] <= 'F');
  if (asWritten && rewritten != original) std::abort();
  return 0;
}
