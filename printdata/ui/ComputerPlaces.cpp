#include "printdata/ui/ComputerPlaces.h"

#include <iterator>

#include "filedialog/ShellNamespace.h"
#include "filedialog/ui/TForm_FileDialog.h"

namespace printdata::ui {

void SetUpComputerPlaces(TForm_FileDialog& files, std::uint32_t first) {
  const struct {
    const char* caption;
    const char* path;
  } places[] = {{"Eigene Dateien", "Eigene Dateien"},
                {"Desktop", "Desktop"},
                {"Arbeitsplatz", filedialog::kMyComputerName},
                {"Netzwerkumgebung", filedialog::kNetworkName},
                {"", ""}};
  for (std::uint32_t i = 0; i < std::size(places); ++i)
    files.SetHomeEntry(first + i, QString::fromUtf8(places[i].caption), places[i].path, places[i].path);
  for (std::uint32_t i = 0; i < std::size(places); ++i)
    files.SetBrowseEntry(first + i, QString::fromUtf8(places[i].caption), places[i].path, places[i].path);
}

void SetUpComputerFileDialog(TForm_FileDialog& files, const QString& title, const std::string& extension,
                             std::uint8_t mode, const std::string& initialFile, const std::string& clipboardFolder,
                             std::uint32_t first, std::uint32_t start) {
  SetUpComputerPlaces(files, first);
  files.ClearShownExtensions();
  files.ClearExtraExtensions();
  files.ClearHiddenExtensions();
  files.Setup(title, extension, 0x60, -1, 0x3FF7F, mode, initialFile, start);
  (void)files.SetClipboardFolder(clipboardFolder);
}

}  // namespace printdata::ui
