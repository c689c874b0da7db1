#pragma once
// What the printer file set needs of the print-text editor: load a print
// text into the working copy and draw its layers, and measure and draw the
// glyphs of a layer's font. The editor provides it
// (editor/WorkCopyRenderer.h); the writers of the set read the working copy
// and the images right after each load. The print data itself never touches
// a font: all text drawing stays in the editor's one layer rendering.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Result.h"
#include "printdata/LayerObject.h"
#include "printdata/PrintText.h"

namespace printdata {

class PrintTextRenderer {
 public:
  virtual ~PrintTextRenderer() = default;
  // The working copy becomes `source` as the editor keeps it (parameters in
  // whole millimetres and within range, dynamic dates and times refreshed),
  // and layer images 0..4 show its layers in black, one pixel per dot.
  virtual void LoadAndRender(const PrintText& source) = 0;
  virtual const PrintText& WorkText() const = 0;
  virtual const platform::Bitmap& LayerImage(int layer) const = 0;
  // A scratch picture the glyph writers may resize and draw on.
  virtual platform::Bitmap& ScratchImage() = 0;

  // The glyphs of `layer`'s font (face, style, height and width as the
  // editor bounds them), for the printer's date and time files. Both fail
  // when the font cannot be had.
  // The advance of each byte of `characters`: its width plus the layer's
  // spacing.
  virtual platform::Result<std::vector<std::int32_t>> GlyphAdvances(const LayerObject& layer,
                                                                    std::string_view characters) = 0;
  // `characters` drawn black one after the other from column 0 on `strip`,
  // which takes their laid-out width (the advances less the last spacing)
  // plus one column and the print field's rows; the cells' top at the
  // layer's vertical position.
  virtual platform::Status DrawGlyphStrip(const LayerObject& layer, std::string_view characters,
                                          platform::Bitmap& strip) = 0;
};

}  // namespace printdata
