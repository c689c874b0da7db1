#pragma once
// What the firmware installer window needs from the program around it, as
// replaceable steps; start-up installs the program's own (the archive
// service, the file dialog's folders, the printer thread's CliWord), tests
// their own. Without them the window opens nothing and sees no printer.
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace printerthread {
struct RequestBoard;
}

namespace printersettings::ui {

struct FirmwareInstallerServices {
  // The archive service's package extraction with the firmware's work
  // folder and the archive password: the ".BIN" entry's first `size` bytes
  // into `buffer`, the ".TXT" entry into `text` (Windows-1252). 0 or a
  // negative code.
  std::function<int(const std::string& path, std::uint8_t* buffer, int size, std::string& text)> ExtractPackage;
  // The folder the file dialog opens at (HEX) and the program's folder for
  // temporary files (TMP, ending in "/").
  std::string HexDir, TmpDir;
  // The printer's "INFO.CLI" word; negative while no printer is connected.
  std::function<int()> CliWord = [] { return -1; };
  // Asks the operator with Yes and No; true for Yes.
  std::function<bool(QWidget* parent, const QString& title, const QString& text)> AskYesNo;
  // The board the installation request is raised on; nullptr: the program's.
  printerthread::RequestBoard* Requests = nullptr;
};

}  // namespace printersettings::ui
