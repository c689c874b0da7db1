#pragma once
// Mouse events of plain widgets (panels, labels, pictures) handed to the
// handlers the program names after them, as a click, a double click and a
// button press with the button.
#include <QWidget>
#include <functional>

namespace printdata::ui {

// `onClick` runs when the left button is released over `widget` after it
// was pressed there (also over a disabled or mouse-transparent child).
void OnClick(QWidget* widget, std::function<void()> onClick);

struct MouseHandlers {
  std::function<void(Qt::MouseButton)> press;
  std::function<void()> click;
  std::function<void()> doubleClick;
};
void OnMouse(QWidget* widget, MouseHandlers handlers);

// While `button` is disabled its mouse events go to the widget it lies on
// (a disabled button would otherwise swallow them), so that the panel under
// it can answer a click on it.
void PassClicksWhenDisabled(QWidget* button);

}  // namespace printdata::ui
