#pragma once
// What the painter and the font chooser need from the program around them
// (platform::DialogServices: the main window's place, the user guide and
// the UI language), and the modifier tests of their keys.
#include "platform/qt/DialogServices.h"
#include "platform/qt/KeyModifiers.h"

namespace editor::ui {

using EditorDialogServices = platform::DialogServices;
using platform::CentreOnMainWindow;
using platform::CtrlAlone;
using platform::NoModifierHeld;

}  // namespace editor::ui
