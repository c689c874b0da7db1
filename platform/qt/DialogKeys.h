#pragma once
// The keys every OK / "Abbrechen" dialog of the program shares: Enter is OK
// while its button is enabled, Esc is "Abbrechen", F1 the user guide, all
// three without a modifier or a held mouse button; Ctrl+P (Ctrl alone) the
// window's hard copy. A dialog checks them first and then its own keys.
#include <Qt>
#include <functional>

class QWidget;

namespace platform {

struct DialogKeyActions {
  // Enter runs `ok` while `okButton` is enabled, or always without one.
  const QWidget* okButton = nullptr;
  std::function<void()> ok;
  std::function<void()> cancel;
  std::function<void()> hardcopy;
  std::function<void()> userGuide;
};

// Whether the key is one of the four (also when it changed nothing, as
// Enter while OK is off, or an action the dialog does not have).
bool HandleDialogKeys(int key, Qt::KeyboardModifiers modifiers, const DialogKeyActions& actions);

}  // namespace platform
