#include "platform/qt/KeyModifiers.h"

#include <QApplication>

namespace platform {

namespace {
Qt::KeyboardModifiers Held(Qt::KeyboardModifiers m) {
  return m & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
}
}  // namespace

bool NoModifierHeld(Qt::KeyboardModifiers modifiers) {
  return Held(modifiers) == Qt::NoModifier && QApplication::mouseButtons() == Qt::NoButton;
}

bool CtrlAlone(Qt::KeyboardModifiers modifiers) {
  return Held(modifiers) == Qt::ControlModifier && QApplication::mouseButtons() == Qt::NoButton;
}

}  // namespace platform
