#pragma once
// The file dialog set up for copies of the printer's configuration
// (extension "sys23"), as the settings view's backup and restore and the
// configuration editor use it: the program's service folder as the one
// place, the clipboard folder in the temporary folder.
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
};

void SetUpConfigFileDialog(TForm_FileDialog& dialog, const ConfigDialogSetup& setup);

}  // namespace printersettings::ui
