#pragma once
// Golden pictures of rendered layers as plain PBM files: "1" for every pixel
// that is not white. Set TARVIK_UPDATE_GOLDEN=1 to write them anew (then
// look at every changed picture before committing it).
#include <string>

#include "platform/Bitmap.h"

namespace testpbm {

std::string ToPbm(const platform::Bitmap& image);
// Empty when there is no golden file yet and it was written; otherwise a
// description of the difference ("" when equal).
std::string CompareWithGolden(const platform::Bitmap& image, const std::string& name);

}  // namespace testpbm
