#include "printing/RasterDevice.h"

#include <optional>

#include "printing/DibPixels.h"

namespace printing {

RasterDevice::RasterDevice(const DeviceCaps& caps) : caps_(caps), page_(caps.horzRes, caps.vertRes) {}

bool RasterDevice::Draw(const DeviceRect& dest, const DibView& dib, Call& call) {
  const std::optional<DibPixels> source = DibPixels::Of(dib);
  if (!source || dest.IsEmpty()) return false;
  call.dibWidth = source->Width();
  call.dibHeight = source->Height();
  const DeviceRect visible = Intersect(dest, {0, 0, page_.Width(), page_.Height()});
  const std::int64_t w = dest.Width(), h = dest.Height();
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int row = static_cast<int>((y - dest.top) * std::int64_t{source->Height()} / h);
    for (int x = visible.left; x < visible.right; ++x)
      page_.SetPixel(x, y, source->Pixel(static_cast<int>((x - dest.left) * std::int64_t{source->Width()} / w), row));
  }
  return true;
}

int RasterDevice::StretchDib(const DeviceRect& dest, const DibView& dib) {
  Call call{true, dest};
  ++stretchCalls_;
  if (failStretchFrom == 0 || stretchCalls_ < failStretchFrom) call.ok = Draw(dest, dib, call);
  calls.push_back(call);
  return call.ok ? call.dibHeight : 0;
}

bool RasterDevice::BltDib(const DeviceRect& dest, const DibView& dib) {
  Call call{false, dest};
  if (!failBlt) call.ok = Draw(dest, dib, call);
  calls.push_back(call);
  return call.ok;
}

}  // namespace printing
