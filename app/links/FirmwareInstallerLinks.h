#pragma once
// The firmware installer window over the program's own services: packages
// through the archive service (work folder TMP/FL, the archive password),
// the file dialog at HEX, the CliWord of the main window's printer thread.
namespace app {

// Creates the window (after the main window and the archive service) and
// hands it to the console through OtherPrinterWindows().
void CreateFirmwareInstaller();
void DeleteFirmwareInstaller();

}  // namespace app
