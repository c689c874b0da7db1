#include "platform/qt/DialogServices.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace platform {

DialogServices DialogServices::Defaults() {
  DialogServices s;
  s.MainWindowFrame = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("Form_Main") && w->isVisible()) return w->frameGeometry();
    return QRect();
  };
  s.MainWindow = []() -> QWidget* {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("Form_Main")) return w;
    return nullptr;
  };
  s.UserGuide = [] {};
  s.LanguageId = [] { return 0; };
  return s;
}

QPoint CentredOn(const QRect& mainFrame, const QSize& ownFrame) {
  return {mainFrame.left() + mainFrame.width() / 2 - ownFrame.width() / 2,
          mainFrame.top() + mainFrame.height() / 2 - ownFrame.height() / 2};
}

void CentreOnMainWindow(QWidget* dialog, const DialogServices& services) {
  const QRect main = services.MainWindowFrame ? services.MainWindowFrame() : QRect();
  const QSize own = dialog->frameGeometry().size();
  if (main.isValid()) {
    dialog->move(CentredOn(main, own));
  } else if (QScreen* s = dialog->screen()) {
    dialog->move(CentredOn(s->availableGeometry(), own));
  }
}

void StayAboveMainWindow(QWidget* window, const DialogServices& services) {
  QWidget* main = services.MainWindow ? services.MainWindow() : nullptr;
  if (!main || main == window || !window->windowHandle()) return;
  // The main window's own window exists once it has been shown.
  if (QWindow* mainWindow = main->windowHandle()) window->windowHandle()->setTransientParent(mainWindow);
}

}  // namespace platform
