#pragma once
// Dialogs centre themselves on the main window every time they are shown.
#include <QWidget>

namespace app {

// Moves `dialog` so that it is centred on the main window
// (platform::CentredOn); does nothing while there is no main window.
void CentreOnMainWindow(QWidget* dialog);

}  // namespace app
