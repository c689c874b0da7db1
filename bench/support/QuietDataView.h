#pragma once
// The windows around the data page, doing nothing, and the data page in a
// stand-in main window: for benchmarks that build the data view's rows
// without the main window.
#include <QWidget>

#include "printdata/ui/DataViewHost.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuAnsicht.h"
#include "printdata/ui/TFrameMenuBearbeiten.h"
#include "printdata/ui/TFrameMenuSchutz.h"

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

// The data page in `main` with the menus the rows need, every column shown;
// its rows are not built yet.
inline TFrameDaten* AddDataView(QWidget& main, DataViewHost& host, DataViewEditor& editor) {
  auto* view = new TFrameDaten(&main);
  view->setGeometry(106, 2, 784, 669);
  DataPageMenus menus;
  menus.Ansicht = new TFrameMenuAnsicht(&main);
  menus.Bearbeiten = new TFrameMenuBearbeiten(&main);
  menus.Schutz = new TFrameMenuSchutz(&main);
  view->Connect(&host, &editor, menus);
  menus.Ansicht->SpeedButtonEbenen->Tag = 1;
  menus.Ansicht->SpeedButtonParameter->Tag = 1;
  menus.Ansicht->SpeedButtonNotizen->Tag = 1;
  return view;
}

}  // namespace bench
