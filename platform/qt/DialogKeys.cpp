#include "platform/qt/DialogKeys.h"

#include "platform/qt/KeyModifiers.h"
#include "platform/qt/SpeedButton.h"

namespace platform {

bool HandleDialogKeys(int key, Qt::KeyboardModifiers modifiers, const DialogKeyActions& actions) {
  auto run = [](const std::function<void()>& action) {
    if (action) action();
    return true;
  };
  if (key == Qt::Key_P) return CtrlAlone(modifiers) && run(actions.hardcopy);
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape && key != Qt::Key_F1) return false;
  if (!NoModifierHeld(modifiers)) return false;
  if (key == Qt::Key_Escape) return run(actions.cancel);
  if (key == Qt::Key_F1) return run(actions.userGuide);
  if (!actions.okButton || OwnEnabled(actions.okButton)) run(actions.ok);
  return true;
}

}  // namespace platform
