#pragma once
// The program's own dialogs of other libraries (the file dialog, the font
// chooser and the painter) reach the main window through their Services.
// Once they exist, this connects them: they centre on the main window, word
// their messages in the UI language and open the user guide on F1, and the
// editor chooses fonts with the font chooser. The data view's side dialogs
// (paste, report options, raw bitmap viewer) are tied to the data view and
// the main window's services. The printer's setting forms get the same
// services and, for their OK, the operating mode and the message window;
// the printer's service windows reach the settings view and the printer
// menu (app/PrinterServiceWindows.h).
namespace app {

// Connects whichever of Form_FileDialog, Form_Font, Form_Paint,
// FormEinfuegen, FormRapport and FormR12 exist.
// The editor keeps the font chooser: delete Form_Font after the main window.
void ConnectProgramDialogs();

}  // namespace app
