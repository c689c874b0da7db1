#include <gtest/gtest.h>

#include "app/Shortcuts.h"

using namespace app;
using A = ShortcutAction;

namespace {

// Everything usable, three print texts, the second one marked.
DataViewState Usable() {
  DataViewState s;
  s.topBarUsable = s.ansicht = s.oeffnen = s.speichern = s.werkzeug = s.rapport = true;
  s.menuOeffnen = s.menuSpeichern = true;
  s.neu = s.entfernen = s.bearbeiten = s.kopieren = s.ausschneiden = s.einfuegen = true;
  s.count = 3;
  s.selected = 1;
  return s;
}

struct KeyCase {
  const char* name;
  DataViewState state;
  int key;
  Shift shift;
  A action;
  int argument;
};

}  // namespace

TEST(Shortcuts, ModifierStateIsTestedExactly) {
  EXPECT_EQ(ShiftOf(Qt::NoModifier, Qt::NoButton), Shift::None);
  EXPECT_EQ(ShiftOf(Qt::KeypadModifier, Qt::NoButton), Shift::None);
  EXPECT_EQ(ShiftOf(Qt::ControlModifier, Qt::NoButton), Shift::Ctrl);
  EXPECT_EQ(ShiftOf(Qt::ControlModifier | Qt::ShiftModifier, Qt::NoButton), Shift::Other);
  EXPECT_EQ(ShiftOf(Qt::AltModifier, Qt::NoButton), Shift::Other);
  EXPECT_EQ(ShiftOf(Qt::NoModifier, Qt::LeftButton), Shift::Other);
  EXPECT_EQ(ShiftOf(Qt::ControlModifier, Qt::RightButton), Shift::Other);
}

TEST(Shortcuts, DataViewKeys) {
  DataViewState empty = Usable();
  empty.count = 0;
  empty.selected = 0;
  DataViewState first = Usable();
  first.selected = 0;
  DataViewState last = Usable();
  last.selected = 2;
  DataViewState topBarOff = Usable();
  topBarOff.topBarUsable = false;
  DataViewState toolOff = Usable();
  toolOff.werkzeug = false;
  DataViewState protectedData = Usable();  // what the back-to-idle step leaves in mode 0
  protectedData.neu = protectedData.entfernen = protectedData.ausschneiden = protectedData.einfuegen = false;
  DataViewState paste = Usable();
  paste.pasteDialogVisible = true;
  paste.pasteOkEnabled = true;
  DataViewState pasteOff = paste;
  pasteOff.pasteOkEnabled = false;
  DataViewState menuOpenOff = Usable();
  menuOpenOff.menuOeffnen = false;
  DataViewState reportOff = Usable();
  reportOff.rapport = false;

  const KeyCase cases[] = {
      {"up", Usable(), Qt::Key_Up, Shift::None, A::SelectRow, 0},
      {"page up", Usable(), Qt::Key_PageUp, Shift::None, A::SelectRow, 0},
      {"up on the first row", first, Qt::Key_Up, Shift::None, A::None, 0},
      {"down", Usable(), Qt::Key_Down, Shift::None, A::SelectRow, 2},
      {"page down", Usable(), Qt::Key_PageDown, Shift::None, A::SelectRow, 2},
      {"down on the last row", last, Qt::Key_Down, Shift::None, A::None, 0},
      {"home", Usable(), Qt::Key_Home, Shift::None, A::SelectRow, 0},
      {"end selects the last row", Usable(), Qt::Key_End, Shift::None, A::SelectRow, 2},
      {"home without data", empty, Qt::Key_Home, Shift::None, A::None, 0},
      {"end without data", empty, Qt::Key_End, Shift::None, A::None, 0},
      {"shift+end", Usable(), Qt::Key_End, Shift::Other, A::None, 0},
      {"enter edits", Usable(), Qt::Key_Return, Shift::None, A::Edit, 0},
      {"keypad enter edits", Usable(), Qt::Key_Enter, Shift::None, A::Edit, 0},
      {"enter with the tool button off", toolOff, Qt::Key_Return, Shift::None, A::None, 0},
      {"enter pastes in the paste dialog", paste, Qt::Key_Return, Shift::None, A::PasteOk, 0},
      {"enter with paste disabled", pasteOff, Qt::Key_Return, Shift::None, A::None, 0},
      {"esc in the paste dialog", paste, Qt::Key_Escape, Shift::None, A::PasteCancel, 0},
      {"esc otherwise", Usable(), Qt::Key_Escape, Shift::None, A::None, 0},
      {"insert", Usable(), Qt::Key_Insert, Shift::None, A::New, 0},
      {"delete", Usable(), Qt::Key_Delete, Shift::None, A::Remove, 0},
      {"insert while protected", protectedData, Qt::Key_Insert, Shift::None, A::None, 0},
      {"delete while protected", protectedData, Qt::Key_Delete, Shift::None, A::None, 0},
      {"ctrl+x while protected", protectedData, Qt::Key_X, Shift::Ctrl, A::None, 0},
      {"ctrl+v while protected", protectedData, Qt::Key_V, Shift::Ctrl, A::None, 0},
      {"ctrl+c while protected", protectedData, Qt::Key_C, Shift::Ctrl, A::Copy, 0},
      {"ctrl+x", Usable(), Qt::Key_X, Shift::Ctrl, A::Cut, 0},
      {"ctrl+v", Usable(), Qt::Key_V, Shift::Ctrl, A::Paste, 0},
      {"ctrl+e", Usable(), Qt::Key_E, Shift::Ctrl, A::Edit, 0},
      {"ctrl+n", Usable(), Qt::Key_N, Shift::Ctrl, A::New, 0},
      {"ctrl+n with the top bar off", topBarOff, Qt::Key_N, Shift::Ctrl, A::None, 0},
      {"ctrl+left", Usable(), Qt::Key_Left, Shift::Ctrl, A::DataZoomDown, 0},
      {"ctrl+right", Usable(), Qt::Key_Right, Shift::Ctrl, A::DataZoomUp, 0},
      {"ctrl+right with the top bar off", topBarOff, Qt::Key_Right, Shift::Ctrl, A::None, 0},
      {"ctrl+3", empty, Qt::Key_3, Shift::Ctrl, A::ToggleLayers, 0},
      {"ctrl+6", empty, Qt::Key_6, Shift::Ctrl, A::ToggleParameters, 0},
      {"ctrl+7", empty, Qt::Key_7, Shift::Ctrl, A::ToggleNotes, 0},
      {"ctrl+o", Usable(), Qt::Key_O, Shift::Ctrl, A::Open, 0},
      {"ctrl+o with the menu entry off", menuOpenOff, Qt::Key_O, Shift::Ctrl, A::None, 0},
      {"ctrl+s", Usable(), Qt::Key_S, Shift::Ctrl, A::Save, 0},
      {"ctrl+p", empty, Qt::Key_P, Shift::Ctrl, A::Hardcopy, 0},
      {"shift+ctrl+p", Usable(), Qt::Key_P, Shift::Other, A::None, 0},
      {"ctrl+q", Usable(), Qt::Key_Q, Shift::Ctrl, A::Report, 0},
      {"ctrl+q without report", reportOff, Qt::Key_Q, Shift::Ctrl, A::None, 0},
      {"f1", empty, Qt::Key_F1, Shift::None, A::UserGuide, 0},
  };
  for (const KeyCase& c : cases) {
    const Shortcut s = ChooseKeyShortcut(Page::Data, c.state, c.key, c.shift);
    EXPECT_EQ(s.action, c.action) << c.name;
    if (c.action == A::SelectRow) {
      EXPECT_EQ(s.argument, c.argument) << c.name;
    }
  }
}

TEST(Shortcuts, EditorPrinterAndEmptyPageKeys) {
  const DataViewState d = Usable();
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_1, Shift::Ctrl).argument, 0);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_5, Shift::Ctrl).argument, 4);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_6, Shift::Ctrl).argument, 5);
  const Shortcut note = ChooseKeyShortcut(Page::Editor, d, Qt::Key_7, Shift::Ctrl);
  EXPECT_EQ(note.action, A::EditorView);
  EXPECT_EQ(note.argument, 6);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_Up, Shift::Ctrl).argument, -1);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_Down, Shift::Ctrl).argument, 1);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_Left, Shift::Ctrl).action, A::EditorZoomDown);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_Right, Shift::Ctrl).action, A::EditorZoomUp);
  // Row keys belong to the data view only.
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_End, Shift::None).action, A::None);
  EXPECT_EQ(ChooseKeyShortcut(Page::Editor, d, Qt::Key_Q, Shift::Ctrl).action, A::None);
  EXPECT_EQ(ChooseKeyShortcut(Page::Printer, d, Qt::Key_Q, Shift::Ctrl).action, A::PrinterSettingsHardcopy);
  EXPECT_EQ(ChooseKeyShortcut(Page::Printer, d, Qt::Key_P, Shift::Ctrl).action, A::Hardcopy);
  EXPECT_EQ(ChooseKeyShortcut(Page::None, d, Qt::Key_Q, Shift::Ctrl).action, A::None);
  EXPECT_EQ(ChooseKeyShortcut(Page::None, d, Qt::Key_F1, Shift::None).action, A::UserGuide);
  EXPECT_EQ(ChooseKeyShortcut(Page::None, d, Qt::Key_F1, Shift::Other).action, A::None);
}

TEST(Shortcuts, MouseWheel) {
  DataViewState d = Usable();
  Shortcut s = ChooseWheelShortcut(Page::Data, d, true, Shift::None);
  EXPECT_EQ(s.action, A::SelectRow);
  EXPECT_EQ(s.argument, 2);
  EXPECT_TRUE(s.handled);
  s = ChooseWheelShortcut(Page::Data, d, false, Shift::Ctrl);
  EXPECT_EQ(s.action, A::DataZoomUp);
  d.selected = 2;
  s = ChooseWheelShortcut(Page::Data, d, true, Shift::None);
  EXPECT_EQ(s.action, A::None);
  EXPECT_TRUE(s.handled);
  d.topBarUsable = false;
  s = ChooseWheelShortcut(Page::Data, d, true, Shift::Ctrl);
  EXPECT_EQ(s.action, A::None);
  EXPECT_TRUE(s.handled);

  EXPECT_EQ(ChooseWheelShortcut(Page::Editor, d, true, Shift::Ctrl).action, A::EditorZoomDown);
  s = ChooseWheelShortcut(Page::Editor, d, true, Shift::None);
  EXPECT_EQ(s.action, A::None);
  EXPECT_TRUE(s.handled);
  s = ChooseWheelShortcut(Page::Printer, d, true, Shift::Ctrl);
  EXPECT_EQ(s.action, A::None);
  EXPECT_FALSE(s.handled);
  EXPECT_FALSE(ChooseWheelShortcut(Page::None, d, false, Shift::None).handled);
}
