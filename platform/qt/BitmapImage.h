#pragma once
// The program's pictures (platform::Bitmap, colour numbers 0x00BBGGRR) as
// Qt images, for showing them in a window.
#include <QImage>

#include "platform/Bitmap.h"

namespace platform {

// An RGB32 copy of the picture, of the same size.
QImage BitmapImage(const Bitmap& picture);

}  // namespace platform
