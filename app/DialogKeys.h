#pragma once
// The keys of the program's OK / "Abbrechen" windows, as every dialog has
// them (platform::HandleDialogKeys): F1 opens the user guide, Ctrl+P prints
// a hard copy of `window`; without a modifier or a held mouse button Enter
// works as OK while its button is enabled and Esc as "Abbrechen"; every
// other key, and every other key with a modifier, does nothing. A window
// without OK (`ok` null: the info and quick help windows) only closes on
// Esc.
#include <functional>

class QKeyEvent;
class QWidget;

namespace platform {
class SpeedButton;
}

namespace app {

void HandleOkCancelKeys(QWidget* window, const QKeyEvent* event, const platform::SpeedButton* ok,
                        const std::function<void()>& okClick, const std::function<void()>& cancelClick);

}  // namespace app
