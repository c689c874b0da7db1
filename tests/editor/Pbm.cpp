#include "Pbm.h"

#include <cstdlib>

#include "platform/FileIO.h"

namespace testpbm {

std::string ToPbm(const platform::Bitmap& image) {
  std::string out = "P1\n" + std::to_string(image.Width()) + " " + std::to_string(image.Height()) + "\n";
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) out += image.Pixel(x, y) == platform::kWhite ? '0' : '1';
    out += '\n';
  }
  return out;
}

std::string CompareWithGolden(const platform::Bitmap& image, const std::string& name) {
  const std::string path = std::string(TEST_DATA_DIR) + "/" + name + ".pbm";
  const std::string actual = ToPbm(image);
  const char* update = std::getenv("TARVIK_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    auto written = platform::WriteFileAtomic(path, actual);
    return written ? "" : written.error();
  }
  auto golden = platform::ReadWholeFile(path);
  if (!golden.ok()) return "no golden picture " + path;
  if (*golden == actual) return "";
  return "differs from " + path + ":\n" + actual;
}

}  // namespace testpbm
