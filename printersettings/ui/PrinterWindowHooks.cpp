#include "printersettings/ui/PrinterWindowHooks.h"

namespace printersettings::ui {

PrinterWindowHooks& OtherPrinterWindows() {
  static PrinterWindowHooks hooks;
  return hooks;
}

void ToggleWindow(QWidget* window) {
  if (!window) return;
  if (window->isVisible())
    window->close();
  else
    window->show();
}

}  // namespace printersettings::ui
