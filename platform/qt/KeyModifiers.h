#pragma once
// The modifier tests of the dialogs' keys: a key "without modifier" acts
// only while no Shift, Alt, Ctrl (or Meta) and no mouse button is held, and
// Ctrl+key only with Ctrl alone.
#include <Qt>

namespace platform {

bool NoModifierHeld(Qt::KeyboardModifiers modifiers);
bool CtrlAlone(Qt::KeyboardModifiers modifiers);

}  // namespace platform
