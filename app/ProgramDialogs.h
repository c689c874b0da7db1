#pragma once
// The program's own dialogs of other libraries (the file dialog, the font
// chooser and the painter) reach the main window through their Services.
// Once they exist, this connects them: they centre on the main window, word
// their messages in the UI language and open the user guide on F1, and the
// editor chooses fonts with the font chooser. The printer's setting forms
// get the same services and, for their OK, the operating mode and the
// message window.
namespace app {

// Connects whichever of Form_FileDialog, Form_Font and Form_Paint exist.
// The editor keeps the font chooser: delete Form_Font after the main window.
void ConnectProgramDialogs();

}  // namespace app
