#pragma once
// The main window as the printer settings view sees it
// (printersettings::ui::PrinterViewHost): the back-to-idle step, the other
// pages, the quick help, the file dialog and the program's folders.
#include "printersettings/ui/PrinterViewHost.h"

class TForm_Main;

namespace app {

class MainPrinterViewHost final : public printersettings::ui::PrinterViewHost {
 public:
  explicit MainPrinterViewHost(TForm_Main& main) : main_(main) {}

  void CloseMenusAndRefresh() override;
  void HideOtherPages() override;
  void ShowDataPage() override;
  void ShowQuickHelp() override;
  TForm_FileDialog* FileDialog() override;
  std::string ServiceDir() const override;
  std::string TmpDir() const override;

 private:
  TForm_Main& main_;
};

}  // namespace app
