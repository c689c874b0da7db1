#pragma once
// Pictures of the windows for looking at them as an operator would: with
// TARVIK_SCREENSHOT_DIR naming a folder (made if missing), the widget is
// saved there as <name>.png; without it nothing happens.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace testsupport {

// True when no picture was asked for or it was saved. `asOnScreen` takes a
// top-level window from the screen, so what lies over it shows too (under
// a real X server); otherwise, and where the screen gives nothing, the
// widget draws itself.
inline bool SaveScreenshot(QWidget* widget, const QString& name, bool asOnScreen = false) {
  const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR");
  if (!dir || !*dir) return true;
  const QString folder = QString::fromLocal8Bit(dir);
  QDir().mkpath(folder);
  QApplication::processEvents();
  QPixmap shot;
  if (asOnScreen && widget->isWindow() && widget->windowHandle())
    if (QScreen* screen = widget->windowHandle()->screen()) shot = screen->grabWindow(widget->winId());
  if (shot.isNull()) shot = widget->grab();
  return shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace testsupport
