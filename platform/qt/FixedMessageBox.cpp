#include "platform/qt/FixedMessageBox.h"

#include "platform/qt/DialogFlags.h"

namespace platform {

QMessageBox::StandardButton FixedMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, text, buttons, parent, FixedDialogFlags());
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  const int result = box.exec();
  // Closed through the window manager: the escape button's answer.
  return result < 0 ? QMessageBox::NoButton : static_cast<QMessageBox::StandardButton>(result);
}

}  // namespace platform
