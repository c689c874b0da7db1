#include "app/Shortcuts.h"

namespace app {
namespace {

using A = ShortcutAction;

Shortcut Do(A action, int argument = 0) { return {action, argument, false}; }

Shortcut DataViewKey(const DataViewState& d, int key, Shift shift) {
  const bool edit = d.topBarUsable && d.werkzeug;
  if (shift == Shift::None) {
    switch (key) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (d.pasteDialogVisible) return d.pasteOkEnabled ? Do(A::PasteOk) : Do(A::None);
        return edit && d.bearbeiten ? Do(A::Edit) : Do(A::None);
      case Qt::Key_Escape:
        return d.pasteDialogVisible ? Do(A::PasteCancel) : Do(A::None);
      case Qt::Key_Up:
      case Qt::Key_PageUp:
        return d.count >= 1 && d.selected >= 1 ? Do(A::SelectRow, d.selected - 1) : Do(A::None);
      case Qt::Key_Down:
      case Qt::Key_PageDown:
        return d.count >= 1 && d.selected + 1 < d.count ? Do(A::SelectRow, d.selected + 1) : Do(A::None);
      case Qt::Key_Home:
        return d.count >= 1 ? Do(A::SelectRow, 0) : Do(A::None);
      case Qt::Key_End:
        // The last row is Count - 1; there is no row Count.
        return d.count >= 1 ? Do(A::SelectRow, d.count - 1) : Do(A::None);
      case Qt::Key_Insert:
        return edit && d.neu ? Do(A::New) : Do(A::None);
      case Qt::Key_Delete:
        return edit && d.entfernen ? Do(A::Remove) : Do(A::None);
      case Qt::Key_F1:
        return Do(A::UserGuide);
      default:
        return Do(A::None);
    }
  }
  if (shift != Shift::Ctrl) return Do(A::None);
  switch (key) {
    case Qt::Key_Left:
      return d.topBarUsable && d.ansicht ? Do(A::DataZoomDown) : Do(A::None);
    case Qt::Key_Right:
      return d.topBarUsable && d.ansicht ? Do(A::DataZoomUp) : Do(A::None);
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
      return Do(A::ToggleLayers);
    case Qt::Key_6:
      return Do(A::ToggleParameters);
    case Qt::Key_7:
      return Do(A::ToggleNotes);
    case Qt::Key_C:
      return edit && d.kopieren ? Do(A::Copy) : Do(A::None);
    case Qt::Key_X:
      return edit && d.ausschneiden ? Do(A::Cut) : Do(A::None);
    case Qt::Key_V:
      return edit && d.einfuegen ? Do(A::Paste) : Do(A::None);
    case Qt::Key_E:
      return edit && d.bearbeiten ? Do(A::Edit) : Do(A::None);
    case Qt::Key_N:
      return edit && d.neu ? Do(A::New) : Do(A::None);
    case Qt::Key_O:
      return d.topBarUsable && d.oeffnen && d.menuOeffnen ? Do(A::Open) : Do(A::None);
    case Qt::Key_S:
      return d.topBarUsable && d.speichern && d.menuSpeichern ? Do(A::Save) : Do(A::None);
    case Qt::Key_P:
      return Do(A::Hardcopy);
    case Qt::Key_Q:
      return d.rapport ? Do(A::Report) : Do(A::None);
    default:
      return Do(A::None);
  }
}

Shortcut EditorKey(int key, Shift shift) {
  if (shift == Shift::None) return key == Qt::Key_F1 ? Do(A::UserGuide) : Do(A::None);
  if (shift != Shift::Ctrl) return Do(A::None);
  if (key >= Qt::Key_1 && key <= Qt::Key_7) return Do(A::EditorView, key - Qt::Key_1);
  switch (key) {
    case Qt::Key_Up: return Do(A::EditorViewStep, -1);
    case Qt::Key_Down: return Do(A::EditorViewStep, +1);
    case Qt::Key_Left: return Do(A::EditorZoomDown);
    case Qt::Key_Right: return Do(A::EditorZoomUp);
    case Qt::Key_P: return Do(A::Hardcopy);
    default: return Do(A::None);
  }
}

Shortcut OtherPageKey(Page page, int key, Shift shift) {
  if (shift == Shift::None) return key == Qt::Key_F1 ? Do(A::UserGuide) : Do(A::None);
  if (shift != Shift::Ctrl) return Do(A::None);
  if (key == Qt::Key_P) return Do(A::Hardcopy);
  if (key == Qt::Key_Q && page == Page::Printer) return Do(A::PrinterSettingsHardcopy);
  return Do(A::None);
}

}  // namespace

Shift ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  const Qt::KeyboardModifiers tested = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
  const Qt::KeyboardModifiers held = modifiers & tested;
  if (buttons != Qt::NoButton) return Shift::Other;
  if (held == Qt::NoModifier) return Shift::None;
  if (held == Qt::ControlModifier) return Shift::Ctrl;
  return Shift::Other;
}

Shortcut ChooseKeyShortcut(Page page, const DataViewState& data, int key, Shift shift) {
  switch (page) {
    case Page::Data: return DataViewKey(data, key, shift);
    case Page::Editor: return EditorKey(key, shift);
    case Page::Printer:
    case Page::None: break;
  }
  return OtherPageKey(page, key, shift);
}

Shortcut ChooseWheelShortcut(Page page, const DataViewState& d, bool down, Shift shift) {
  Shortcut s;
  switch (page) {
    case Page::Data:
      s.handled = true;
      if (!d.topBarUsable) return s;
      if (shift == Shift::None) {
        if (down && d.count >= 1 && d.selected + 1 < d.count) s = Do(A::SelectRow, d.selected + 1);
        if (!down && d.count >= 1 && d.selected >= 1) s = Do(A::SelectRow, d.selected - 1);
      } else if (shift == Shift::Ctrl) {
        s = Do(down ? A::DataZoomDown : A::DataZoomUp);
      }
      s.handled = true;
      return s;
    case Page::Editor:
      if (shift == Shift::Ctrl) s = Do(down ? A::EditorZoomDown : A::EditorZoomUp);
      s.handled = true;
      return s;
    case Page::Printer:
    case Page::None: break;
  }
  return s;
}

}  // namespace app
