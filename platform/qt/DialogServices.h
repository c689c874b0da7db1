#pragma once
// What the program's own dialogs need from the program around them, as
// replaceable steps: the main window's place (they centre on it), the user
// guide (F1) and the UI language. The defaults work without the program;
// start-up installs the program's own (app/ProgramDialogs), tests their own.
// Dialogs that need more extend it. Their hard copy (Ctrl+P) is every
// window's: platform::PrintHardcopy (platform/qt/Hardcopy.h).
#include <QRect>
#include <functional>

class QWidget;

namespace platform {

struct DialogServices {
  // The main window's frame; an invalid rectangle when there is none (the
  // dialog then centres on its screen). Default: the visible top-level
  // window named "Form_Main".
  std::function<QRect()> MainWindowFrame;
  // The main window itself, which the modeless windows stay above; nullptr
  // when there is none. Default: the top-level window named "Form_Main".
  std::function<QWidget*()> MainWindow;
  // Opens the user guide. Default: nothing.
  std::function<void()> UserGuide;
  // 0 German, 1 English, 2 French, 3 Italian, 4 Spanish. Default: German.
  std::function<int()> LanguageId;

  static DialogServices Defaults();
};

// top = main top + main height / 2 - own height / 2, left likewise, halves
// truncated toward zero.
QPoint CentredOn(const QRect& mainFrame, const QSize& ownFrame);
// Moves `dialog` so that it is centred on the main window, or on its screen
// while there is no main window.
void CentreOnMainWindow(QWidget* dialog, const DialogServices& services);
// Makes the top-level `window` a transient of the main window for the
// window manager, which then keeps it above the main window while it is
// shown, also when the main window is clicked. Without it the toolkit names
// a hidden window of its own, and the window manager lets the main window
// cover the modeless window. Call it before each showing reaches the
// window system (in the show event); nothing while there is no main window.
void StayAboveMainWindow(QWidget* window, const DialogServices& services);

}  // namespace platform
