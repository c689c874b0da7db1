#include "printersettings/ui/ConfigFileDialog.h"

#include "filedialog/ui/TForm_FileDialog.h"
#include "printdata/ui/ComputerPlaces.h"

namespace printersettings::ui {

void SetUpConfigFileDialog(TForm_FileDialog& d, const ConfigDialogSetup& s) {
  if (s.computerPlaces) {
    d.SetHomeEntry(0, QStringLiteral("Tarvik23 (SERVICE)"), s.serviceDir, s.serviceDir);
    d.SetBrowseEntry(0, QStringLiteral("Tarvik50 (SERVICE)"), s.serviceDir, s.serviceDir);
    d.SetHomeEntry(1, QStringLiteral("-"), std::string(), std::string());
    d.SetBrowseEntry(1, QStringLiteral("-"), std::string(), std::string());
    printdata::ui::SetUpComputerPlaces(d, 2);
  } else {
    d.SetHomeEntry(0, QString(), s.serviceDir, s.serviceDir);
    d.SetBrowseEntry(0, QString(), s.serviceDir, s.serviceDir);
    d.SetHomeEntry(1, QString(), std::string(), std::string());
    d.SetBrowseEntry(1, QString(), std::string(), std::string());
  }
  d.ClearShownExtensions();
  d.ClearExtraExtensions();
  if (s.offerExtension) (void)d.SetExtraExtension(0, "sys23");
  d.ClearHiddenExtensions();
  d.Setup(s.title, "sys23", 0x60, -1, 0x3FF7F, s.save ? 1 : 0, s.initialName, 0);
  (void)d.SetClipboardFolder(s.tmpDir + s.clipboardName);
}

}  // namespace printersettings::ui
