#pragma once
// The editor frame as the graphic pane sees it: its working copy's layers,
// Loading, the current layer and view, the red redraw, the print field and
// the host's menu frames.
#include "editor/ui/GraphicPaneEditor.h"

class TFrameBearbeiten;

namespace editor::ui {

class FrameGraphicPaneEditor final : public GraphicPaneEditor {
 public:
  explicit FrameGraphicPaneEditor(TFrameBearbeiten& frame) : frame_(frame) {}

  printdata::LayerObject* WorkLayer(int layer) override;
  bool Loading() const override;
  int CurrentLayer() const override;
  int EditorView() const override;
  void RenderLayer(int layer, std::uint32_t colour) override;
  std::int64_t PrintFieldDots() const override;
  void HideMenuFrames() override;

 private:
  TFrameBearbeiten& frame_;
};

}  // namespace editor::ui
