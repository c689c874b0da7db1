#pragma once
// What the printer settings view needs of the main window around it. The
// main window implements it; tests give their own. The operating mode and
// the message window come through the setting forms' services
// (SettingFormServices.h).
#include <string>

class TForm_FileDialog;

namespace printersettings::ui {

class PrinterViewHost {
 public:
  virtual ~PrinterViewHost() = default;
  // The back-to-idle step.
  virtual void CloseMenusAndRefresh() = 0;
  // The view is shown: the data view and the editor hide.
  virtual void HideOtherPages() = 0;
  // The view closed: the data view shows again.
  virtual void ShowDataPage() = 0;
  // The quick help of the page, modal.
  virtual void ShowQuickHelp() = 0;
  // The program's file dialog (nullptr while there is none) and the folders
  // the configuration copies live in: SERVICE, and TMP for the clipboard.
  virtual TForm_FileDialog* FileDialog() = 0;
  virtual std::string ServiceDir() const = 0;
  virtual std::string TmpDir() const = 0;
};

}  // namespace printersettings::ui
