#pragma once
// The keys of the program's OK / "Abbrechen" windows: F1 opens the user
// guide; without a modifier or a held mouse button Enter works as OK while
// its button is enabled and Esc as "Abbrechen"; every other key, and every
// key with a modifier, does nothing (platform::HandleDialogKeys; Ctrl+P, the
// hard copy, does nothing here yet). A window without OK (`ok` null: the
// info and quick help windows) only closes on Esc.
#include <functional>

class QKeyEvent;

namespace platform {
class SpeedButton;
}

namespace app {

void HandleOkCancelKeys(const QKeyEvent* event, const platform::SpeedButton* ok, const std::function<void()>& okClick,
                        const std::function<void()>& cancelClick);

}  // namespace app
