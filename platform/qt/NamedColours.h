#pragma once
// The named colours (platform/Colours.h) and the background of a window in
// one of them.
#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "platform/Colours.h"
#include "platform/qt/Colour.h"

namespace platform {

inline void SetWindowColour(QWidget* window, std::uint32_t vclColor) {
  window->setAutoFillBackground(true);
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, VclColor(vclColor));
  window->setPalette(pal);
}

}  // namespace platform
