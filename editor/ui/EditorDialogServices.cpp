#include "editor/ui/EditorDialogServices.h"

#include <QApplication>

namespace editor::ui {

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

}  // namespace editor::ui
