#pragma once
// Between Qt's pictures and the print engine's bitmaps: a page picture
// becomes a header block and a pixel block the way the platform saves it
// as a bitmap file, and a tile's bitmap becomes a picture the printer's
// painter draws.
#include <QByteArray>
#include <QImage>

#include "platform/Result.h"
#include "printing/BmpStream.h"
#include "printing/PrintDevice.h"

namespace printing::ui {

// The picture saved as a bitmap file in memory and split (LoadDibFromBmpStream).
platform::Result<Dib> BitmapToDib(const QImage& picture);
// The same with the file and the blocks in memory kept from one page to the
// next (a page is some 20 MB).
platform::Status BitmapToDib(const QImage& picture, QByteArray& file, Dib& dib);

// A null picture when the bitmap cannot be drawn.
QImage DibToImage(const DibView& dib);
// The same into `image`, which keeps its memory while the size stays; false
// when the bitmap cannot be drawn.
bool DibToImage(const DibView& dib, QImage& image);

}  // namespace printing::ui
