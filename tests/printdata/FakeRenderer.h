#pragma once
// A stand-in for the editor in tests of the printer file set: loading
// copies the print text and leaves white layer images of the print field's
// size, on which a test may draw whatever it needs.
#include <array>
#include <functional>

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
};

}  // namespace testrender
