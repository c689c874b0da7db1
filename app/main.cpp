#include <QApplication>
#include <QWidget>

#include "platform/qt/GuiThread.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::InstallGuiThread();
  QWidget window;
  window.setWindowTitle("Tarvik23 - Osmek AG");
  window.show();
  return app.exec();
}
