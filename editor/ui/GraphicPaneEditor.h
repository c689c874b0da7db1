#pragma once
// What the graphic pane (TFrameBearbeitenGrafik) needs of the editor frame
// that holds it: the working copy's layers, the loading flag, the current
// layer and view, the red redraw, the print field's length and the menu
// frames. FrameGraphicPaneEditor gives it over the editor frame
// (TFrameBearbeiten::WorkText, Loading, CurrentLayer, LabelAnsicht's Tag,
// RenderLayer, PrintFieldDots and the host's HideMenuFrames); tests give
// their own.
#include <cstdint>

#include "printdata/LayerObject.h"

namespace editor::ui {

class GraphicPaneEditor {
 public:
  virtual ~GraphicPaneEditor() = default;

  // Layer `layer` (0..4) of the working copy; nullptr for any other index.
  virtual printdata::LayerObject* WorkLayer(int layer) = 0;
  // TFrameBearbeiten::Loading is 1: the pane stores nothing.
  virtual bool Loading() const = 0;
  // TFrameBearbeiten::CurrentLayer (-1 or 0..4): where StoreLayer writes.
  virtual int CurrentLayer() const = 0;
  // The EditorView (0..4 a layer, 5 parameters, 6 note): the layer the
  // pane's own handlers load and store bitmaps for.
  virtual int EditorView() const = 0;
  // TFrameBearbeiten::RenderLayer(layer, colour): 255 draws it red.
  virtual void RenderLayer(int layer, std::uint32_t colour) = 0;
  // The print field's length in dots: the parameter pane's print length in
  // whole millimetres (its LabelDrucklaenge Tag) x 6.
  virtual std::int64_t PrintFieldDots() const = 0;
  // TForm_Main::HideMenuFrames.
  virtual void HideMenuFrames() = 0;
};

}  // namespace editor::ui
