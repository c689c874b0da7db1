#pragma once
// The program's fonts are given in pixels; Verdana where it is installed,
// otherwise the system's nearest sans-serif face.
#include <QFont>

namespace platform {

inline QFont VerdanaPx(int pixels, bool bold = false) {
  QFont f(QStringLiteral("Verdana"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

}  // namespace platform
