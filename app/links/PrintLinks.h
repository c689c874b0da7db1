#pragma once
// How the print services reach the program: the print dialog, the message
// window, the UI language, and the captions that head a window's page.
#include <QPrinter>
#include <functional>

#include "printing/ui/PrintService.h"

class TForm_Main;

namespace app {

class PrintLinks final : public printing::ui::PrintHost {
 public:
  explicit PrintLinks(TForm_Main& main) : main_(main) {}

  bool ChoosePrinter(QPrinter& printer) override;
  void ShowBusy(const QString& text) override;
  void CloseBusy() override;
  QString RunningText() const override;
  void ShowFailure() override;
  int LanguageId() const override;
  void ShowErrorSize() override;
  printing::ui::WindowPageTexts TextsFor(QWidget* window) const override;

  // Stands in for Qt's print dialog when set (tests choose their PDF file).
  std::function<bool(QPrinter& printer)> choosePrinter;

 private:
  TForm_Main& main_;
};

}  // namespace app
