#pragma once
// What the file dialog needs from the rest of the program, as replaceable
// steps: the main window's place (for centring), the user guide (F1), the
// program's message window, the question and input windows and the folder
// picker. The defaults work without the program around the dialog; the
// program installs its own services at start-up, tests install scripted
// ones.
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "platform/qt/DialogServices.h"

class QWidget;

// The main window's place, the user guide and the UI language (for the
// dialog's own messages) are the common dialog services.
struct FileDialogServices : platform::DialogServices {
  // A failure the user must know of. Default: a warning message box.
  std::function<void(QWidget* dialog, const QString& title, const QString& text)> ShowError;
  // The delete question: true for OK. Default: the standard confirmation
  // box with OK and Cancel.
  std::function<bool(QWidget* dialog, const QString& question)> Confirm;
  // A line of text; nothing when cancelled. Default: an input box.
  std::function<std::optional<QString>(QWidget* dialog, const QString& title, const QString& prompt,
                                       const QString& proposal)>
      AskText;
  // The folder picker rooted at `root`; the chosen folder, or nothing.
  // Default: TFolderPickerDialog allowing only file-system folders.
  std::function<std::optional<std::string>(QWidget* dialog, const std::string& root)> PickFolder;

  // Every step set to its default.
  static FileDialogServices Defaults();
};
