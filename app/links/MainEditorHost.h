#pragma once
// The main window as the editor page sees it (editor::ui::EditorHost): the
// back-to-idle step, the operating mode, the message window, the pages and
// the dialogs the editor opens.
#include "editor/ui/EditorHost.h"

class TForm_Main;

namespace app {

class MainEditorHost final : public editor::ui::EditorHost {
 public:
  explicit MainEditorHost(TForm_Main& main) : main_(main) {}

  void CloseMenusAndRefresh() override;
  int HideMenuFrames() override;
  int OperatingMode() const override;
  void ShowProtectionNotice(const QString& title) override;
  void HideOtherPages() override;
  void ShowDataPage() override;
  void ShowQuickHelp() override;
  void ShowUserGuide() override;
  std::optional<std::string> ChooseBitmapFile(const QString& title) override;

 private:
  TForm_Main& main_;
};

}  // namespace app
