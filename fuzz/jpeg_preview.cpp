// Libraries: filedialog
// Fuzz target of the file dialog's JPEG preview decoder: any input must
// decode or fail cleanly, within the picture limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "filedialog/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  filedialog::PictureLimits limits;
  // Small enough that a fuzzing run never waits on a legal giant picture.
  limits.maxPixels = 1u << 22;
  limits.maxScans = 100;
  auto picture = filedialog::DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size), limits);
  if (picture && static_cast<std::uint64_t>(picture->Width()) * static_cast<std::uint64_t>(picture->Height()) >
                     limits.maxPixels)
    __builtin_trap();
  return 0;
}
