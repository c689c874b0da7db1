#pragma once
// The main window's keyboard and mouse-wheel shortcuts, decided from a
// snapshot of what the pages show, so that the choice does not depend on the
// widgets and the main window only carries it out.
#include <Qt>

namespace app {

// The modifier state as the shortcuts test it: exactly nothing held, exactly
// Ctrl alone, or anything else (which matches no entry).
enum class Shift { None, Ctrl, Other };
Shift ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

enum class Page { Data, Editor, Printer, None };

// What the data view shows at the moment of the key: the enabled states are
// the controls' own flags.
struct DataViewState {
  bool pasteDialogVisible = false;
  bool pasteOkEnabled = false;
  bool topBarUsable = false;  // the data view's PanelTop is enabled
  bool ansicht = false;       // FrameDaten.SpeedButtonAnsichtDown
  bool oeffnen = false;       // FrameDaten.SpeedButtonOeffnen
  bool speichern = false;     // FrameDaten.SpeedButtonSpeichern
  bool werkzeug = false;      // FrameDaten.SpeedButtonWerkzeug
  bool rapport = false;       // FrameDaten.SpeedButtonRapport
  bool menuOeffnen = false;   // FrameMenuOeffnen.SpeedButtonOeffnen
  bool menuSpeichern = false; // FrameMenuSpeichern.SpeedButtonSpeichern
  bool neu = false;           // the edit menu's buttons
  bool entfernen = false;
  bool bearbeiten = false;
  bool kopieren = false;
  bool ausschneiden = false;
  bool einfuegen = false;
  int count = 0;
  int selected = 0;
};

enum class ShortcutAction {
  None,
  PasteOk,
  PasteCancel,
  SelectRow,  // argument: the row
  DataZoomDown,
  DataZoomUp,
  New,
  Remove,
  Edit,
  Copy,
  Cut,
  Paste,
  ToggleLayers,
  ToggleParameters,
  ToggleNotes,
  Open,
  Save,
  Report,
  EditorView,      // argument: 0 to 4 layer, 5 parameters, 6 note
  EditorViewStep,  // argument: -1 or +1
  EditorZoomDown,
  EditorZoomUp,
  Hardcopy,
  PrinterSettingsHardcopy,
  UserGuide,
};

struct Shortcut {
  ShortcutAction action = ShortcutAction::None;
  int argument = 0;
  bool handled = false;  // the wheel event goes no further
};

Shortcut ChooseKeyShortcut(Page page, const DataViewState& data, int key, Shift shift);
Shortcut ChooseWheelShortcut(Page page, const DataViewState& data, bool down, Shift shift);

}  // namespace app
