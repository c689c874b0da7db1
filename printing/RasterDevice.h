#pragma once
// A printer page in memory: the printable area as a bitmap of colour
// numbers, white at the start, that the print engine draws into as it
// would into a printer. Tests and benchmarks print on it; it can be told
// to fail, and it keeps the device calls it got.
#include <vector>

#include "platform/Bitmap.h"
#include "printing/PrintDevice.h"

namespace printing {

class RasterDevice final : public PrintDevice {
 public:
  explicit RasterDevice(const DeviceCaps& caps);

  DeviceCaps Caps() const override { return caps_; }
  // Nearest-neighbour: device pixel (X, Y) of `dest` takes bitmap pixel
  // ((X - left) x width / dest width, (Y - top) x height / dest height);
  // what lies outside the printable area is dropped.
  int StretchDib(const DeviceRect& dest, const DibView& dib) override;
  bool BltDib(const DeviceRect& dest, const DibView& dib) override;

  const platform::Bitmap& Page() const { return page_; }

  // Failures on demand: StretchDib fails from its `failStretchFrom`-th call
  // on (counted from 1, 0 never), BltDib always when `failBlt`.
  int failStretchFrom = 0;
  bool failBlt = false;

  struct Call {
    bool stretch = false;  // StretchDib, else BltDib
    DeviceRect dest;
    int dibWidth = 0;
    int dibHeight = 0;
    bool ok = false;
  };
  std::vector<Call> calls;

 private:
  bool Draw(const DeviceRect& dest, const DibView& dib, Call& call);

  DeviceCaps caps_;
  platform::Bitmap page_;
  int stretchCalls_ = 0;
};

}  // namespace printing
