#pragma once
// The font of record while no font chooser is installed: it keeps the name
// and style the panes give it, and choosing another font is not offered
// (the chooser closes as if cancelled).
#include "editor/ui/EditorFontChooser.h"

namespace editor::ui {

class KeptFont final : public EditorFontChooser {
 public:
  void SetNameAndStyle(const std::string& name, std::uint8_t style) override {
    name_ = name;
    style_ = style;
  }
  std::string PreviewFontName() const override { return name_; }
  std::uint8_t PreviewFontStyle() const override { return style_; }
  void SetSizeAndWidth(int, int width, const std::string&) override { width_ = width; }
  int ShowModal() override { return 2; }
  int ResultWidth() const override { return width_; }

 private:
  std::string name_ = "Arial";
  std::uint8_t style_ = 0;
  int width_ = 7;
};

}  // namespace editor::ui
