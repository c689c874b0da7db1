#pragma once
// Loads a picture file for the preview by its extension: bitmaps, JPEG and
// Windows metafiles through the dialog's own decoders, icons through Qt's
// icon reader, enhanced metafiles through Qt SVG (EmfImage), all within the
// same limits. A null image when there is no reader or the file
// cannot be read.
#include <QImage>
#include <string>

namespace filedialogui {

QImage LoadPreviewImage(const std::string& path);

}  // namespace filedialogui
