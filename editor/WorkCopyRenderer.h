#pragma once
// The editor's side of the printer file set: loads print texts into a
// working copy and its images (the editor frame's own, or any others) with
// LoadAndRender, and lets the set's writers read them.
#include "rendering/LocalClock.h"
#include "rendering/PreviewImages.h"
#include "printdata/PrintTextRenderer.h"

namespace editor {

class WorkCopyRenderer final : public printdata::PrintTextRenderer {
 public:
  // Both must outlive the renderer. Dates and times are those of `clock`
  // (the local clock when empty).
  WorkCopyRenderer(printdata::PrintText& work, PreviewImages& images, LocalClock clock = {});

  void LoadAndRender(const printdata::PrintText& source) override;
  const printdata::PrintText& WorkText() const override { return work_; }
  const platform::Bitmap& LayerImage(int layer) const override;
  platform::Bitmap& ScratchImage() override { return images_.Scratch; }
  platform::Result<std::vector<std::int32_t>> GlyphAdvances(const printdata::LayerObject& layer,
                                                            std::string_view characters) override;
  platform::Status DrawGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                  platform::Bitmap& strip) override;

 private:
  printdata::PrintText& work_;
  PreviewImages& images_;
  LocalClock clock_;
};

}  // namespace editor
