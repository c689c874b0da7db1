#pragma once
// Loads a picture file for the preview by its extension: bitmaps and JPEG
// through the dialog's own decoders, icons through Qt's icon reader, all
// within the same limits. A null image when there is no reader or the file
// cannot be read.
#include <QImage>
#include <string>

namespace filedialogui {

QImage LoadPreviewImage(const std::string& path);

}  // namespace filedialogui
