#pragma once
// F1 opens the user guide in every window of the program. The action lives
// in the help menu (TFrameMenuHilfe::SpeedButtonBenutzerhandbuchClick),
// which installs it here at start-up, so that windows of any library reach
// it without knowing the help menu:
//
//   void TFormX::keyPressEvent(QKeyEvent* event) {
//     if (platform::HandleUserGuideKey(event)) return;
//     ...
//   }
#include <functional>

class QKeyEvent;

namespace platform {

// Runs the user guide action; nothing while none is installed.
void OpenUserGuide();
// F1 with no modifier and no mouse button held: opens the user guide and
// returns true; any other key returns false.
bool HandleUserGuideKey(const QKeyEvent* event);

// Installs the action (empty: none); returns the one it replaces.
using UserGuideAction = std::function<void()>;
UserGuideAction SetUserGuideAction(UserGuideAction action);

}  // namespace platform
