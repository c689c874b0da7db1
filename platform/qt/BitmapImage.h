#pragma once
// The program's pictures (platform::Bitmap, colour numbers 0x00BBGGRR) as
// Qt images, for showing them in a window.
#include <QImage>

#include "platform/Bitmap.h"

namespace platform {

// A copy of the picture, of the same size: RGB32, or with white as the
// transparent colour ARGB32. Opaque pictures get no alpha channel, which
// also draws them faster.
QImage BitmapImage(const Bitmap& picture, bool whiteTransparent = false);

}  // namespace platform
