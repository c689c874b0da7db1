#pragma once
// Window flags of the program's dialogs that have a single fixed border and
// no border icons: a title bar without system menu, minimise or maximise
// button.
#include <Qt>

namespace platform {

// Window managers read a window that names none of its functions as one that
// offers all of them, minimise and maximise included; so the close function
// is named. Closing through the window manager is the dialog's cancel.
inline Qt::WindowFlags FixedDialogFlags(bool stayOnTop = false) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (stayOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace platform
