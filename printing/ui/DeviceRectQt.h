#pragma once
// A rectangle of device pixels as Qt's painters take it.
#include <QRect>

#include "printing/DeviceRect.h"

namespace printing::ui {

inline QRect ToQt(const DeviceRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace printing::ui
