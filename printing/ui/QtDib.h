#pragma once
// Between Qt's pictures and the print engine's bitmaps: a page picture
// becomes a header block and a pixel block the way the platform saves it
// as a bitmap file, and a tile's bitmap becomes a picture the printer's
// painter draws.
#include <QImage>

#include "platform/Result.h"
#include "printing/BmpStream.h"
#include "printing/PrintDevice.h"

namespace printing::ui {

// The picture saved as a bitmap file in memory and split (LoadDibFromBmpStream).
platform::Result<Dib> BitmapToDib(const QImage& picture);

// A null picture when the bitmap cannot be drawn.
QImage DibToImage(const DibView& dib);

}  // namespace printing::ui
