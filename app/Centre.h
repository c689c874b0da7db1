#pragma once
// Dialogs centre themselves on the main window every time they are shown.
#include <QWidget>

namespace app {

// top = main top + main height / 2 - own height / 2, left likewise, halves
// truncated toward zero.
QPoint CentredOn(const QRect& mainFrame, const QSize& ownFrame);
// Moves `dialog` there; does nothing while there is no main window.
void CentreOnMainWindow(QWidget* dialog);

}  // namespace app
