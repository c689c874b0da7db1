#include "app/DialogKeys.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/Shortcuts.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/SpeedButton.h"
#include "platform/qt/UserGuide.h"

namespace app {

void HandleOkCancelKeys(QWidget* window, const QKeyEvent* event, const platform::SpeedButton* ok,
                        const std::function<void()>& okClick, const std::function<void()>& cancelClick) {
  if (platform::HandleUserGuideKey(event)) return;
  if (platform::HandleHardcopyKey(event, window)) return;
  if (ShiftOf(event->modifiers(), QApplication::mouseButtons()) != Shift::None) return;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ok && platform::OwnEnabled(ok)) okClick();
      break;
    case Qt::Key_Escape:
      cancelClick();
      break;
    default:
      break;
  }
}

}  // namespace app
