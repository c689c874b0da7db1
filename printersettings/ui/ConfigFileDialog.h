#pragma once
// The file dialog set up for copies of the printer's configuration
// (extension "sys23"), as the settings view's backup and restore and the
// configuration editor use it, the clipboard folder in the temporary folder.
// Backup and restore keep to the program's service folder as the one place;
// the editor also reaches the computer's places from it.
#include <QString>
#include <string>

class TForm_FileDialog;

namespace printersettings::ui {

struct ConfigDialogSetup {
  QString title;
  bool save = false;
  std::string initialName;
  std::string serviceDir, tmpDir;  // each ending in "/"
  std::string clipboardName;       // below tmpDir
  bool offerExtension = false;     // "sys23" also as an extra extension
  // The service folder as "Tarvik23 (SERVICE)" (Browse: "Tarvik50
  // (SERVICE)"), a separator, then "Eigene Dateien", "Desktop",
  // "Arbeitsplatz" and "Netzwerkumgebung"; without, the service folder is
  // the one unnamed place.
  bool computerPlaces = false;
};

void SetUpConfigFileDialog(TForm_FileDialog& dialog, const ConfigDialogSetup& setup);

}  // namespace printersettings::ui
