#pragma once
// The program's file dialog set up for the pictures of a graphic: the same
// fourteen places in the Home and the Browse menu (the program's own BMP
// folder, those of the maker's other programs where they exist, the
// user's documents and desktop, the computer and the network), bitmap files
// only, the clipboard folder TMP/BMP. The graphic pane's import and export
// use it, and the editor's bitmap export may too.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class TForm_FileDialog;

namespace editor::ui {

// The folders of the program tree the places lead to (TForm_Main's paths,
// each ending in "/"; "" for a sibling program that is not installed).
struct GraphicFolders {
  std::string BmpDir;
  std::string TarvikBmpDir, Tarvik12BmpDir, Tarvik20BmpDir, Tarvik50BmpDir, Quandrix45BmpDir;
  std::string TmpDir;
};

// Sets the dialog up (title, mode 0 open or 1 save, default extension
// "bmp") and runs it: the chosen file, or nothing when it was cancelled.
std::optional<std::string> ChooseGraphicFile(TForm_FileDialog& dialog, const GraphicFolders& folders,
                                             const QString& title, std::uint8_t mode);

// Only the set-up, for tests and callers that run the dialog themselves.
void SetUpGraphicFileDialog(TForm_FileDialog& dialog, const GraphicFolders& folders, const QString& title,
                            std::uint8_t mode);

}  // namespace editor::ui
