#include "app/DialogKeys.h"

#include <QKeyEvent>

#include "platform/qt/DialogKeys.h"
#include "platform/qt/Hardcopy.h"
#include "platform/qt/SpeedButton.h"
#include "platform/qt/UserGuide.h"

namespace app {

void HandleOkCancelKeys(QWidget* window, const QKeyEvent* event, const platform::SpeedButton* ok,
                        const std::function<void()>& okClick, const std::function<void()>& cancelClick) {
  platform::DialogKeyActions actions;
  actions.okButton = ok;
  if (ok) actions.ok = okClick;
  actions.cancel = cancelClick;
  actions.hardcopy = [window] { platform::PrintHardcopy(window); };
  actions.userGuide = platform::OpenUserGuide;
  (void)platform::HandleDialogKeys(event->key(), event->modifiers(), actions);
}

}  // namespace app
