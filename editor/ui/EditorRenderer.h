#pragma once
// The printer file set's renderer over the editor frame: each print text is
// loaded through the frame's LoadAndRender, so the files are made from the
// same working copy and layer images the editor shows.
#include "printdata/PrintTextRenderer.h"

class TFrameBearbeiten;

namespace editor::ui {

class EditorRenderer final : public printdata::PrintTextRenderer {
 public:
  explicit EditorRenderer(TFrameBearbeiten& editor) : editor_(editor) {}

  void LoadAndRender(const printdata::PrintText& source) override;
  const printdata::PrintText& WorkText() const override;
  const platform::Bitmap& LayerImage(int layer) const override;
  platform::Bitmap& ScratchImage() override;
  platform::Result<std::vector<std::int32_t>> GlyphAdvances(const printdata::LayerObject& layer,
                                                            std::string_view characters) override;
  platform::Status DrawGlyphStrip(const printdata::LayerObject& layer, std::string_view characters,
                                  platform::Bitmap& strip) override;

 private:
  TFrameBearbeiten& editor_;
};

}  // namespace editor::ui
