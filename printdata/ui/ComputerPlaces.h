#pragma once
// The places of the file dialog when a data set or a backup goes to or comes
// from anywhere on the computer: "Eigene Dateien", "Desktop", "Arbeitsplatz"
// and "Netzwerkumgebung", in the Home and in the Browse menu alike.
#include <QString>
#include <cstdint>
#include <string>

class TForm_FileDialog;

namespace printdata::ui {

// Home entries `first` to `first` + 4, then Browse entries the same (the
// fifth empty, which ends each menu). "Arbeitsplatz" is entry `first` + 2.
// Callers that start a menu with places of their own put them first.
void SetUpComputerPlaces(TForm_FileDialog& files, std::uint32_t first = 0);

// The whole set-up for one file anywhere on the computer: its places (from
// entry `first`, after the caller's own), no extension lists, `extension`
// as the default, mode 0 open or 1 save (with `initialFile` proposed),
// starting at Home entry `start` ("Arbeitsplatz" of places from entry 0),
// and the dialog's clipboard in `clipboardFolder`.
void SetUpComputerFileDialog(TForm_FileDialog& files, const QString& title, const std::string& extension,
                             std::uint8_t mode, const std::string& initialFile, const std::string& clipboardFolder,
                             std::uint32_t first = 0, std::uint32_t start = 2);

}  // namespace printdata::ui
