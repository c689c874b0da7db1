#include "editor/ui/GraphicFileDialog.h"

#include "filedialog/ShellNamespace.h"
#include "filedialog/ui/TForm_FileDialog.h"

namespace editor::ui {

void SetUpGraphicFileDialog(TForm_FileDialog& dialog, const GraphicFolders& folders, const QString& title,
                            std::uint8_t mode) {
  struct Place {
    const char* caption;
    std::string path;
  };
  const Place places[] = {
      {"Tarvik23", folders.BmpDir},
      {"-", ""},
      {"Tarvik", folders.TarvikBmpDir},
      {"Tarvik12", folders.Tarvik12BmpDir},
      {"Tarvik20", folders.Tarvik20BmpDir},
      {"Tarvik50", folders.Tarvik50BmpDir},
      {"-", ""},
      {"Quandrix45", folders.Quandrix45BmpDir},
      {"-", ""},
      {"Eigene Dateien", "Eigene Dateien"},
      {"Desktop", "Desktop"},
      {"Arbeitsplatz", filedialog::kMyComputerName},
      {"Netzwerkumgebung", filedialog::kNetworkName},
      {"", ""},
  };
  std::uint32_t index = 0;
  for (const Place& place : places) {
    const QString caption = QString::fromUtf8(place.caption);
    (void)dialog.SetHomeEntry(index, caption, place.path, place.path);
    (void)dialog.SetBrowseEntry(index, caption, place.path, place.path);
    ++index;
  }
  dialog.ClearShownExtensions();
  dialog.ClearExtraExtensions();
  dialog.ClearHiddenExtensions();
  dialog.Setup(title, "bmp", 0x60, -1, 0x3FF7F, mode, "", 0);
  (void)dialog.SetClipboardFolder(folders.TmpDir + "BMP");
}

std::optional<std::string> ChooseGraphicFile(TForm_FileDialog& dialog, const GraphicFolders& folders,
                                             const QString& title, std::uint8_t mode) {
  SetUpGraphicFileDialog(dialog, folders, title, mode);
  if (dialog.ShowModal() != 1) return std::nullopt;
  return dialog.GetFileName();
}

}  // namespace editor::ui
