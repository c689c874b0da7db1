#pragma once
// Showing the program's pictures (platform::Bitmap, colours 0x00BBGGRR) in
// Qt: a copy as a QImage, where white may be the transparent colour.
#include <QImage>

#include "platform/Bitmap.h"

namespace editor::ui {

QImage ToQImage(const platform::Bitmap& picture, bool whiteTransparent);
// Back from a QImage: what the bitmap export and the tests read.
platform::Bitmap FromQImage(const QImage& image);

}  // namespace editor::ui
