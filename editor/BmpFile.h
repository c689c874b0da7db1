#pragma once
// Windows bitmap files of the editor's pictures: 24 bits per pixel, rows
// bottom-up and padded to four bytes, as every painting program reads them.
#include <string>

#include "platform/Bitmap.h"

namespace editor {

std::string EncodeBmp(const platform::Bitmap& picture);

// Every pixel that is not white becomes black: what the printer makes of a
// picture, the red of the edited layer included.
void MakeBlackAndWhite(platform::Bitmap& picture);

}  // namespace editor
