#pragma once
// How the data-set menus and the slot dialogs reach the main window's
// folders, the archive service, the message window, the file dialog, the
// hard copy and the user guide.
#include "app/links/ArchiveServiceTools.h"
#include "printdata/ui/DataSetHost.h"

class TForm_Main;

namespace app {

class DataSetLinks final : public DataSetHost {
 public:
  explicit DataSetLinks(TForm_Main& main) : main_(main) {}

  std::string DataDir() const override;
  std::string DataEasyDir() const override;
  std::string TmpDir() const override;
  int LanguageId() const override;
  QRect MainWindowFrame() const override;
  printdata::ArchiveTools& Archives() override { return tools_; }
  TForm_FileDialog* FileDialog() override;
  void ShowBusy(const QString& title, const QString& text) override;
  void CloseMessage() override;
  void PrintFormHardcopy(QWidget* form) override;
  void ShowUserGuide() override;

 private:
  TForm_Main& main_;
  ArchiveServiceTools tools_;
};

}  // namespace app
