#include "filedialog/EmfToSvg.h"

#include <emf2svg.h>

#include <cstdlib>
#include <memory>

#include "filedialog/EmfCheck.h"

namespace filedialog {
using platform::Result;
using platform::Status;

namespace {

constexpr std::size_t kMostSvgBytesPerFileByte = 16;

struct FreeText {
  void operator()(char* p) const { std::free(p); }
};

}  // namespace

Result<EmfSvg> ConvertEmfToSvg(std::string_view file, const PictureLimits& limits) {
  auto layout = CheckEmf(file, limits);
  if (!layout) return layout.status();
  // The converter takes the bytes as changeable; it gets its own copy,
  // ending with the end-of-file record.
  std::string bytes(file.substr(0, layout->length));
  generatorOptions options{};
  options.nameSpace = nullptr;
  options.verbose = false;
  options.emfplus = false;
  options.svgDelimiter = true;
  options.imgWidth = layout->drawingWidth;
  options.imgHeight = layout->drawingHeight;
  char* out = nullptr;
  std::size_t outLength = 0;
  const int ok = emf2svg(bytes.data(), bytes.size(), &out, &outLength, &options);
  const std::unique_ptr<char, FreeText> owned(out);
  if (!ok || !out || outLength == 0) return Status::Fail("damaged metafile: the converter refused it");
  // Each record becomes a few times its size in text; far more than that
  // is no picture worth the SVG reader's tree of it.
  if (outLength > kMostSvgBytesPerFileByte * layout->length + (std::size_t{1} << 20))
    return Status::Fail("metafile too large as SVG");
  EmfSvg result;
  result.svg.assign(out, outLength);
  result.width = layout->width;
  result.height = layout->height;
  result.drawingLeft = layout->drawingLeft;
  result.drawingTop = layout->drawingTop;
  return result;
}

}  // namespace filedialog
