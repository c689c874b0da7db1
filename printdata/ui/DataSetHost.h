#pragma once
// What the data-set menus and the slot dialogs use of the program around
// them besides the data view's host: the program folders, the archive
// service, the message window's busy message, the file dialog, and the
// window hard copy and user guide that every dialog offers. The main window
// provides it; tests give their own. Everything runs in the GUI thread.
#include <QRect>
#include <QString>
#include <string>

#include "platform/qt/DialogKeys.h"
#include "printdata/ArchiveTools.h"

class QWidget;
class TForm_FileDialog;

class DataSetHost {
 public:
  virtual ~DataSetHost() = default;

  // The program folders DATA, DATAEASY (the slot store) and TMP, each
  // ending in "/".
  virtual std::string DataDir() const = 0;
  virtual std::string DataEasyDir() const = 0;
  virtual std::string TmpDir() const = 0;
  // 0 German, 1 English, ...: the language of texts built into the code.
  virtual int LanguageId() const = 0;
  // The main window's frame, which dialogs centre on.
  virtual QRect MainWindowFrame() const = 0;

  virtual printdata::ArchiveTools& Archives() = 0;
  // The program's file dialog, set up anew by each caller.
  virtual TForm_FileDialog* FileDialog() = 0;

  // The busy message (yellow, without buttons, not modal) and closing the
  // message window.
  virtual void ShowBusy(const QString& title, const QString& text) = 0;
  virtual void CloseMessage() = 0;

  // Ctrl+P and F1 of a dialog.
  virtual void PrintFormHardcopy(QWidget* form) = 0;
  virtual void ShowUserGuide() = 0;

  // Catalogue numbers of the message texts the data-set menus show.
  static constexpr int kMsgSaveOrCloseFirst = 1;
  static constexpr int kMsgSaveFirst = 2;
  static constexpr int kMsgRunning = 6;
  static constexpr int kMsgDoneFailed = 10;
};

// The dialog keys Ctrl+P and F1 of `dialog` through `host` (they do
// nothing while there is none); the dialog adds its OK and "Abbrechen".
inline platform::DialogKeyActions HostDialogKeys(DataSetHost* host, QWidget* dialog) {
  platform::DialogKeyActions keys;
  keys.hardcopy = [host, dialog] {
    if (host) host->PrintFormHardcopy(dialog);
  };
  keys.userGuide = [host] {
    if (host) host->ShowUserGuide();
  };
  return keys;
}
