#include "editor/ui/EditorDialogServices.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace editor::ui {

EditorDialogServices EditorDialogServices::Defaults() {
  EditorDialogServices s;
  s.MainWindowFrame = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("Form_Main") && w->isVisible()) return w->frameGeometry();
    return QRect();
  };
  s.PrintHardcopy = [](QWidget*) {};
  s.UserGuide = [] {};
  s.LanguageId = [] { return 0; };
  return s;
}

void CentreOnMainWindow(QWidget* dialog, const EditorDialogServices& services) {
  const QRect main = services.MainWindowFrame ? services.MainWindowFrame() : QRect();
  const QSize own = dialog->frameGeometry().size();
  if (main.isValid()) {
    dialog->move(main.left() + main.width() / 2 - own.width() / 2, main.top() + main.height() / 2 - own.height() / 2);
  } else if (QScreen* s = dialog->screen()) {
    const QRect area = s->availableGeometry();
    dialog->move(area.left() + area.width() / 2 - own.width() / 2, area.top() + area.height() / 2 - own.height() / 2);
  }
}

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
