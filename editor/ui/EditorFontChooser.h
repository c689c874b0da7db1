#pragma once
// The font chooser as the text, date and time panes use it (TForm_Font):
// it keeps the font of record, the "preview font", whose name and style the
// panes store into a layer, and lets the user choose another.
#include <cstdint>
#include <string>

namespace editor::ui {

class EditorFontChooser {
 public:
  virtual ~EditorFontChooser() = default;

  // TForm_Font::SetNameAndStyle: the preview font becomes the layer's.
  virtual void SetNameAndStyle(const std::string& name, std::uint8_t style) = 0;
  // Name and style bits of the preview font (Windows-1252).
  virtual std::string PreviewFontName() const = 0;
  virtual std::uint8_t PreviewFontStyle() const = 0;
  // TForm_Font::SetSizeAndWidth before the chooser shows: the pane's font
  // height and width and the text to preview.
  virtual void SetSizeAndWidth(int height, int width, const std::string& previewText) = 0;
  // Shows the chooser modal: 1 OK, 2 Abbrechen.
  virtual int ShowModal() = 0;
  // TForm_Font::ResultWidth after OK.
  virtual int ResultWidth() const = 0;
};

}  // namespace editor::ui
