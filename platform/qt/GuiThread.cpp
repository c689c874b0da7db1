#include "platform/qt/GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "platform/Synchronize.h"

namespace platform {

void InstallGuiThread() {
  SetGuiThread();
  SetSynchronizeWakeHook([] {
    if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(app, [] { CheckSynchronize(); }, Qt::QueuedConnection);
  });
}

}  // namespace platform
