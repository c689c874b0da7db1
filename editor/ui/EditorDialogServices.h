#pragma once
// What the painter and the font chooser need from the program around
// them, as replaceable steps: the main window's place (they centre on it
// when first shown), the hard copy (Ctrl+P), the user guide (F1) and the UI
// language. The defaults work without the program; the program installs
// its own at start-up (TForm_Main::PrintFormHardcopy, the help menu's user
// guide, TFormSprache::GetLanguage), tests their own.
#include <QRect>
#include <functional>

class QWidget;

namespace editor::ui {

struct EditorDialogServices {
  // The main window's frame; an invalid rectangle when there is none (the
  // dialog then centres on its screen). Default: the visible top-level
  // window named "Form_Main".
  std::function<QRect()> MainWindowFrame;
  // Default: nothing.
  std::function<void(QWidget* window)> PrintHardcopy;
  std::function<void()> UserGuide;
  // 0 German, 1 English, 2 French, 3 Italian, 4 Spanish. Default: German.
  std::function<int()> LanguageId;

  static EditorDialogServices Defaults();
};

// Moves `dialog` so that it is centred on the main window (top = main top +
// main height / 2 - own height / 2, left likewise, halves truncated), or on
// its screen while there is no main window.
void CentreOnMainWindow(QWidget* dialog, const EditorDialogServices& services);

// Whether a key without modifier may act: no Shift, Alt, Ctrl or mouse
// button held. And whether Ctrl is held alone.
bool NoModifierHeld(Qt::KeyboardModifiers modifiers);
bool CtrlAlone(Qt::KeyboardModifiers modifiers);

}  // namespace editor::ui
