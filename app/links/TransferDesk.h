#pragma once
// The windows' side of the print-data transfer with the printer: the open
// data of the data view, the printer file set drawn through the program's
// layer rendering, the archive service and the close menu, as the printer
// thread's sequences use them (printerlink/thread/PrintDataDesk.h). Every
// call runs in the GUI thread. The main window creates it with the printer
// thread and keeps it until the thread is gone.
#include <memory>

#include "rendering/PreviewImages.h"
#include "editor/WorkCopyRenderer.h"
#include "platform/qt/InputBlocker.h"
#include "printdata/PrintText.h"
#include "printerlink/thread/PrintDataDesk.h"

class TForm_Main;

namespace app {

class TransferDesk final : public printerthread::PrintDataDesk {
 public:
  explicit TransferDesk(TForm_Main& main);
  ~TransferDesk() override;

  void BlockInput(bool on) override;
  std::string PrinterCaption() override;
  printerthread::OpenDataFacts Facts() override;
  int WriteDownloadFiles(int count, const std::string& tmpDir) override;
  int PackArchive(const std::string& file, const std::string& archive) override;
  void CloseOpenData() override;
  void ShowTitle(const std::string& title) override;
  int UnpackArchive(const std::string& archive, const std::string& folder) override;
  printerthread::GroupLoadEnd LoadGroup(const std::string& groupFile, const std::function<void()>& step) override;

  bool InputBlocked() const { return blocker_ != nullptr; }

 private:
  // The archive service's work folder for the printer transfer.
  std::string ArchiveWorkDir() const;

  TForm_Main& main_;
  std::unique_ptr<platform::InputBlocker> blocker_;
  // The file set is drawn in a working copy of its own, so the editor's
  // stays as the user left it.
  printdata::PrintText work_;
  editor::PreviewImages images_;
  editor::WorkCopyRenderer renderer_{work_, images_};
};

}  // namespace app
