#pragma once
// What the file dialog needs from the rest of the program, as replaceable
// steps: the main window's place (for centring), the hard copy (Ctrl+P),
// the user guide (F1), the program's message window, the question and
// input windows and the folder picker. The defaults work without the
// program around the dialog; the program installs its own services at
// start-up, tests install scripted ones.
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

struct FileDialogServices {
  // The main window's frame; an invalid rectangle when there is none (the
  // dialog then centres on its screen). Default: the top-level window named
  // "Form_Main".
  std::function<QRect()> MainWindowFrame;
  // Prints a hard copy of the dialog. Default: nothing (printing is not
  // part of the program yet).
  std::function<void(QWidget* dialog)> PrintHardcopy;
  // Opens the user guide. Default: nothing.
  std::function<void()> UserGuide;
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
  // The UI language (0 German, 1 English, ...) for the dialog's own
  // messages. Default: German.
  std::function<int()> LanguageId;

  // Every step set to its default.
  static FileDialogServices Defaults();
};
