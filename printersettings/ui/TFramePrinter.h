#pragma once
// The printer settings page of the main window; the settings view fills it
// in.
#include <QWidget>

#include "platform/qt/Panel.h"

class TFramePrinter : public QWidget {
 public:
  explicit TFramePrinter(QWidget* owner);

  platform::Panel* PanelTitel;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
