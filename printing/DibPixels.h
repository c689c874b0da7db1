#pragma once
// The colours of a device-independent bitmap as a device draws them:
// 1, 4 and 8 bits through the colour table (an index beyond the table is
// black), 16 bits as 5-5-5, 24 and 32 bits as blue, green, red, and bit
// fields through their masks. Colours are 0x00BBGGRR numbers.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/Bitmap.h"
#include "printing/PrintDevice.h"

namespace printing {

class DibPixels {
 public:
  // Nothing when the view is no drawable bitmap: an invalid or run-length
  // header, a colour table cut off, or fewer pixel bytes than its rows need.
  static std::optional<DibPixels> Of(const DibView& dib);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // `y` counts from the top row; both inside the picture.
  platform::ColourValue Pixel(int x, int y) const;

 private:
  DibPixels() = default;
  const std::uint8_t* RowData(int y) const;

  std::span<const std::uint8_t> table_;
  std::span<const std::uint8_t> pixels_;
  int width_ = 0;
  int height_ = 0;
  int bits_ = 0;
  bool topDown_ = false;
  bool bitFields_ = false;
  std::int64_t stride_ = 0;
  struct Channel {
    int shift = 0;
    std::uint32_t max = 0;
  };
  Channel red_, green_, blue_;
};

}  // namespace printing
