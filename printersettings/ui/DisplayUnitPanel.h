#pragma once
// The display unit's two lines as the remote control and the diagnosis
// window show them: a panel with the lines in a fixed-pitch font, the value
// label ("-" without a display unit, "?" while nothing is known) in its
// middle, and a title label beside it ("Display", or "" while the lines
// show).
#include <QLabel>
#include <QRect>

#include "platform/qt/Panel.h"
#include "printerlink/thread/DisplayRules.h"

namespace printersettings::ui {

struct DisplayUnitLabels {
  platform::Panel* panel;
  QLabel* line0;
  QLabel* line1;
  QLabel* value;
};
// The panel at `geometry` (two lines high) in `parent`.
DisplayUnitLabels AddDisplayUnitPanel(QWidget* parent, const QRect& geometry);

// Writes what the printer thread's display rules give.
void ShowDisplayUnit(const DisplayUnitLabels& labels, QLabel* title, const printerthread::DisplayUnitView& view);

}  // namespace printersettings::ui
