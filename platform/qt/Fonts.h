#pragma once
// The program's fonts are given in pixels; Verdana where it is installed,
// otherwise the system's nearest sans-serif face. Texts that line up in
// columns (the info window, the quick help) take Courier New or the
// nearest fixed-pitch face.
#include <QFont>

namespace platform {

inline QFont VerdanaPx(int pixels, bool bold = false) {
  QFont f(QStringLiteral("Verdana"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

inline QFont CourierNewPx(int pixels) {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPixelSize(pixels);
  return f;
}

}  // namespace platform
