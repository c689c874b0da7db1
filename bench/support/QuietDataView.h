#pragma once
// The windows around the data page, doing nothing: for benchmarks that
// build the data view's rows without the main window.
#include "printdata/ui/DataViewHost.h"

namespace bench {

class QuietDataViewHost final : public DataViewHost {
 public:
  void CloseMenusAndRefresh() override {}
  int HideMenuFrames() override { return 0; }
  int OperatingMode() const override { return 1; }
  bool MessageVisible() const override { return false; }
  QString CatalogueText(int) const override { return {}; }
  void ShowNotice(const QString&, const QString&, std::uint32_t) override {}
  void ShowNotice2(const QString&, const QString&, const QString&, std::uint32_t) override {}
  void ProcessMessages() override {}
  bool PasteDialogVisible() const override { return false; }
  void ShowPasteDialog() override {}
  void PrintReport(bool, bool, bool, bool, bool) override {}
  void ShowQuickHelp() override {}
};

}  // namespace bench
