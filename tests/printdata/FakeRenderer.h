#pragma once
// A stand-in for the editor in tests of the printer file set: loading
// copies the print text and leaves white layer images of the print field's
// size, on which a test may draw whatever it needs. Its glyphs are plain
// bars, kGlyphWidth columns wide, a blank one blank; the real font's glyphs
// are tested with the editor.
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "printdata/PrintField.h"
#include "printdata/PrintTextRenderer.h"

namespace testrender {

class FakeRenderer final : public printdata::PrintTextRenderer {
 public:
  // Runs after every load, to draw into the layer images.
  std::function<void(FakeRenderer&)> Draw;
  std::array<platform::Bitmap, printdata::kLayerCount> Images;
  printdata::PrintText Work;
  int Loads = 0;

  void LoadAndRender(const printdata::PrintText& source) override {
    Work = source;
    for (auto& image : Images) image.Resize(printdata::PrintFieldColumns(Work), printdata::kPrintFieldRows);
    ++Loads;
    if (Draw) Draw(*this);
  }
  const printdata::PrintText& WorkText() const override { return Work; }
  const platform::Bitmap& LayerImage(int layer) const override { return Images[static_cast<std::size_t>(layer)]; }
  platform::Bitmap& ScratchImage() override { return Scratch; }
  platform::Bitmap Scratch;

  static constexpr std::int32_t kGlyphWidth = 5;
  platform::Result<std::vector<std::int32_t>> GlyphAdvances(const printdata::LayerObject& layer,
                                                            std::string_view characters) override {
    return std::vector<std::int32_t>(characters.size(), kGlyphWidth + layer.Spacing);
  }
  platform::Status DrawGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                  platform::Bitmap& strip) override {
    const int advance = kGlyphWidth + layer.Spacing;
    strip.Resize(characters.empty() ? 1 : advance * static_cast<int>(characters.size()) - layer.Spacing + 1,
                 printdata::kPrintFieldRows);
    for (std::size_t k = 0; k < characters.size(); ++k)
      if (characters[k] != ' ')
        for (int y = 0; y < printdata::kPrintFieldRows; ++y) strip.SetPixel(advance * static_cast<int>(k), y, platform::kBlack);
    return platform::Status::Ok();
  }
};

}  // namespace testrender
