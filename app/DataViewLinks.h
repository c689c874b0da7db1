#pragma once
// How the data page reaches the main window and the windows around it: the
// back-to-idle step, the message window, the operating mode, the paste
// dialog, report and quick help (the editor is app/EditorDataLink's). The
// report asks for its options first; the report itself is not built yet:
// until it is, its calls are counted here with the blocks they would print.
#include <array>

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
  void PrintReport(bool askOptions, bool layers, bool parameters, bool notes, bool info) override;
  void ShowQuickHelp() override;

  // The report of the open data with the blocks chosen: the one place both
  // of its callers (the "Rapport" button and Ctrl+Q) reach after the options.
  void Report(bool layers, bool parameters, bool notes, bool info);

  // What was asked of the parts still to come.
  struct Requests {
    int report = 0;
    std::array<bool, 4> reportFlags{};  // layers, parameters, notes, info of the last one
  };
  const Requests& Asked() const { return asked_; }

 private:
  TForm_Main& main_;
  Requests asked_;
};

}  // namespace app
