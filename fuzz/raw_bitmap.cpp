// Libraries: printdata
// Fuzz target of the raw bitmap viewer's reader: any bytes must give a
// picture of one column per full 4-byte group, with no dot outside the 25
// dot rows, or be refused above the bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "printdata/RawBitmapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = printdata::DecodeRawBitmap(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!picture) {
    if (size <= printdata::kMaxRawBitmapBytes) __builtin_trap();
    return 0;
  }
  if (static_cast<std::size_t>(picture->Columns) != size / 4 || picture->Dots.size() != size / 4) __builtin_trap();
  for (std::uint32_t rows : picture->Dots)
    if (rows >> printdata::kPrintFieldRows) __builtin_trap();
  return 0;
}
