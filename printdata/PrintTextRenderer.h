#pragma once
// What the printer file set needs of the print-text editor: load a print
// text into the working copy and draw its layers. The editor provides it
// (editor/WorkCopyRenderer.h); the writers of the set read the working copy
// and the images right after each load.
#include "platform/Bitmap.h"
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
};

}  // namespace printdata
