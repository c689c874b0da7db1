#pragma once
// The places of the file dialog when a data set or a backup goes to or comes
// from anywhere on the computer: "Eigene Dateien", "Desktop", "Arbeitsplatz"
// and "Netzwerkumgebung", in the Home and in the Browse menu alike.
class TForm_FileDialog;

namespace printdata::ui {

// Home entries 0 to 4, then Browse entries 0 to 4 (the fifth empty, which
// ends each menu). "Arbeitsplatz" is entry 2.
void SetUpComputerPlaces(TForm_FileDialog& files);

}  // namespace printdata::ui
