#pragma once
// How the data page reaches the main window and the windows around it: the
// back-to-idle step, the message window, the operating mode, the paste
// dialog, report and quick help (the editor is app/EditorDataLink's).
#include "printdata/ui/DataViewHost.h"

class TForm_Main;

namespace app {

class DataViewLinks final : public DataViewHost {
 public:
  explicit DataViewLinks(TForm_Main& main) : main_(main) {}

  void CloseMenusAndRefresh() override;
  int HideMenuFrames() override;
  int OperatingMode() const override;
  bool MessageVisible() const override;
  QString CatalogueText(int number) const override;
  void ShowNotice(const QString& title, const QString& text, std::uint32_t colour) override;
  void ShowNotice2(const QString& title, const QString& line1, const QString& line2, std::uint32_t colour) override;
  void ProcessMessages() override;
  bool PasteDialogVisible() const override;
  void ShowPasteDialog() override;
  // The main window's report (TForm_Main::PrintReport), options first.
  void PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info) override;
  void ShowQuickHelp() override;

 private:
  TForm_Main& main_;
};

}  // namespace app
