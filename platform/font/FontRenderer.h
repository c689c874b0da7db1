#pragma once
// The text renderer that stands in for the Windows font calls: it resolves
// face names through fontconfig ("Arial" finds a metric-compatible
// substitute), opens them with FreeType and hands out fonts at a fixed 96
// dots per inch, whatever the screen, so the layers the printer prints do
// not depend on the display. Fonts are cached and shared.
#include <memory>
#include <string>

#include "platform/font/Font.h"
#include "platform/FontDescription.h"
#include "platform/Result.h"

namespace platform {

class FontRenderer {
 public:
  static constexpr int kDotsPerInch = 96;

  static FontRenderer& Instance();

  // Pixels of character height for a size in points, to the nearest pixel;
  // beyond the range of an int it saturates.
  static int PixelHeight(int pointSize);

  // A font as the logical description asks: PointSize points high and, when
  // Width is above 0, stretched or squeezed so that its average character
  // width is Width pixels. Sizes are bounded to what a glyph cache can hold.
  Result<std::shared_ptr<const Font>> CreateFont(const FontDescription& description);

  // The font file a face name and style resolve to ("" when none does).
  std::string ResolveFile(const std::string& name, std::uint8_t style);

  FontRenderer(const FontRenderer&) = delete;
  FontRenderer& operator=(const FontRenderer&) = delete;

 private:
  FontRenderer();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
