// Libraries: filedialog
// Fuzz target of the file dialog's Windows metafile preview: the checks
// and libwmf behind them. Any input must draw or fail cleanly, and a
// picture drawn has the size its placeable header gives, within the limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "filedialog/WmfCheck.h"
#include "filedialog/WmfDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  filedialog::PictureLimits limits;
  // Small enough that a fuzzing run never waits on a legal giant picture.
  limits.maxPixels = 1u << 18;
  limits.maxMetafileRecords = 1u << 12;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  auto picture = filedialog::DecodeWmf(file, limits);
  if (!picture) return 0;
  auto layout = filedialog::CheckWmf(file, limits);
  if (!layout || picture->Width() != layout->width || picture->Height() != layout->height) __builtin_trap();
  return 0;
}
