#include "platform/qt/UserGuide.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/Sink.h"

namespace platform {
namespace {
Sink<void()> g_action;
}  // namespace

void OpenUserGuide() {
  if (UserGuideAction action = g_action.Current()) action();
}

bool HandleUserGuideKey(const QKeyEvent* event) {
  if (event->key() != Qt::Key_F1) return false;
  if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || QApplication::mouseButtons() != Qt::NoButton)
    return false;
  OpenUserGuide();
  return true;
}

UserGuideAction SetUserGuideAction(UserGuideAction action) { return g_action.Replace(std::move(action)); }

}  // namespace platform
