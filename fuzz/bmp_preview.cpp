// Libraries: filedialog
// Fuzz target of the file dialog's bitmap preview decoder: any input must
// decode or fail cleanly, within the picture limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "filedialog/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  filedialog::PictureLimits limits;
  limits.maxPixels = 1u << 22;
  auto picture = filedialog::DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size), limits);
  if (picture && static_cast<std::uint64_t>(picture->Width()) * static_cast<std::uint64_t>(picture->Height()) >
                     limits.maxPixels)
    __builtin_trap();
  return 0;
}
