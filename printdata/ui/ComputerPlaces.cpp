#include "printdata/ui/ComputerPlaces.h"

#include <iterator>

#include "filedialog/ShellNamespace.h"
#include "filedialog/ui/TForm_FileDialog.h"

namespace printdata::ui {

void SetUpComputerPlaces(TForm_FileDialog& files) {
  const struct {
    const char* caption;
    const char* path;
  } places[] = {{"Eigene Dateien", "Eigene Dateien"},
                {"Desktop", "Desktop"},
                {"Arbeitsplatz", filedialog::kMyComputerName},
                {"Netzwerkumgebung", filedialog::kNetworkName},
                {"", ""}};
  for (std::uint32_t i = 0; i < std::size(places); ++i)
    files.SetHomeEntry(i, QString::fromUtf8(places[i].caption), places[i].path, places[i].path);
  for (std::uint32_t i = 0; i < std::size(places); ++i)
    files.SetBrowseEntry(i, QString::fromUtf8(places[i].caption), places[i].path, places[i].path);
}

}  // namespace printdata::ui
