#pragma once
// The editor page of the main window. For now it holds the page's title and
// the button panels under which the editor's menus open; the editor itself
// fills it in.
#include <QWidget>

#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"

class TFrameBearbeiten : public QWidget {
 public:
  explicit TFrameBearbeiten(QWidget* owner);

  platform::Panel* PanelTitel;
  platform::Panel* PanelTop;
  platform::Panel* PanelAnsicht;
  platform::Panel* PanelZoom;
  platform::Panel* PanelRaster;
  platform::Label* LabelAnsicht;  // Tag: the editor view, 0 to 6

  void ResetEditor();

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
