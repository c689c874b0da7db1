#pragma once
// What the painter and the font chooser need from the program around them
// (platform::DialogServices: the main window's place, the user guide and
// the UI language), and the modifier tests of their keys.
#include <Qt>

#include "platform/qt/DialogServices.h"

namespace editor::ui {

using EditorDialogServices = platform::DialogServices;
using platform::CentreOnMainWindow;

// Whether a key without modifier may act: no Shift, Alt, Ctrl or mouse
// button held. And whether Ctrl is held alone.
bool NoModifierHeld(Qt::KeyboardModifiers modifiers);
bool CtrlAlone(Qt::KeyboardModifiers modifiers);

}  // namespace editor::ui
