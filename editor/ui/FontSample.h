#pragma once
// The font chooser's sample panel (Panel_Vorschau): white, showing its
// caption in the chooser's sample font as the layers are drawn, by the
// program's own renderer: non-antialiased, at the font's size in points
// and its average character width. The text starts at the left and is
// centred vertically; what does not fit is cut off.
#include <string>

#include "platform/FontDescription.h"
#include "platform/qt/Panel.h"

namespace editor::ui {

class FontSample : public platform::Panel {
 public:
  explicit FontSample(QWidget* parent);

  void SetSampleFont(const platform::FontDescription& font);
  const platform::FontDescription& SampleFont() const { return font_; }
  // The text shown, Windows-1252 bytes (the caption shows it too).
  void SetText(const std::string& cp1252);
  const std::string& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  platform::FontDescription font_;
  std::string text_;
};

}  // namespace editor::ui
