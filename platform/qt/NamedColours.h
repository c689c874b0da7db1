#pragma once
// The named colours (platform/Colours.h), and the background of a window
// or the text of a label or check box, or the background of a text field, in one of them.
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

// The background of an edit, memo or combo box's text.
inline void SetBaseColour(QWidget* widget, std::uint32_t vclColor) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Base, VclColor(vclColor));
  widget->setPalette(pal);
}

// The text in `vclColor` while the widget can be used, in the one look of
// what cannot be used (kDisabledText) while it or a panel under it is
// switched off.
inline void SetTextColour(QWidget* widget, std::uint32_t vclColor) {
  QPalette pal = widget->palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
    pal.setColor(g, QPalette::WindowText, VclColor(vclColor));
  pal.setColor(QPalette::Disabled, QPalette::WindowText, VclColor(colours::kDisabledText));
  widget->setPalette(pal);
}

}  // namespace platform
