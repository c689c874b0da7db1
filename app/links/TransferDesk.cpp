#include "app/links/TransferDesk.h"

#include <QCoreApplication>

#include "app/links/ArchiveServiceTools.h"
#include "app/links/DataViewLinks.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "platform/qt/TextCodec.h"
#include "printdata/DownloadSet.h"
#include "printdata/GroupFile.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuOeffnen.h"
#include "printdata/ui/TFrameMenuSchliessen.h"
#include "printerlink/thread/PrintDataFiles.h"

namespace app {

TransferDesk::TransferDesk(TForm_Main& main) : main_(main) {}

TransferDesk::~TransferDesk() = default;

void TransferDesk::BlockInput(bool on) {
  if (on && !blocker_)
    blocker_ = std::make_unique<platform::InputBlocker>(FormMessage);
  else if (!on)
    blocker_.reset();
}

std::string TransferDesk::PrinterCaption() { return platform::FromQt(main_.SpeedButtonPrinter->Caption()); }

printerthread::OpenDataFacts TransferDesk::Facts() {
  printerthread::OpenDataFacts facts;
  const TFrameDaten& d = *main_.FrameDaten;
  facts.Count = d.Count;
  facts.OperatingMode = main_.DataViewLinks ? main_.DataViewLinks->OperatingMode() : -1;
  facts.Protected = d.LayersProtected() == 1 || d.ParametersProtected() == 1 || d.NotesProtected() == 1;
  facts.PrinterCaption = PrinterCaption();
  return facts;
}

int TransferDesk::WriteDownloadFiles(int count, const std::string& tmpDir) {
  TFrameDaten& d = *main_.FrameDaten;
  const int result = printdata::BuildDownloadSet(d.Group, count, platform::FromQt(d.PanelTitel->Caption()), tmpDir,
                                                 renderer_, [] { QCoreApplication::processEvents(); });
  // The group's copy is written whatever became of the set; the result is
  // the set's.
  const std::string groupDir = printerthread::DownloadGroupDir(tmpDir);
  (void)main_.ShellDeletePath(groupDir, false);
  // Saving fills in graphic sizes; the open data stays as it is.
  printdata::PrintGroup copy = d.Group;
  (void)printdata::GroupSave(copy, count, groupDir + "GP.g23");
  return result;
}

std::string TransferDesk::ArchiveWorkDir() const { return main_.TmpDir + "Zxx"; }

int TransferDesk::PackArchive(const std::string& file, const std::string& archive) {
  ArchiveServiceTools tools;
  (void)tools.SetArchiveTempDir(ArchiveWorkDir());
  return tools.ZipToArchive(file, archive, "", "", 0);
}

int TransferDesk::UnpackArchive(const std::string& archive, const std::string& folder) {
  ArchiveServiceTools tools;
  (void)tools.SetArchiveTempDir(ArchiveWorkDir());
  // The extraction writes nothing outside `folder` and fails when it had
  // to leave an entry out.
  return tools.UnzipArchive(archive, folder, tools.ArchivePassword());
}

void TransferDesk::CloseOpenData() {
  TFrameMenuSchliessen* close = main_.FrameMenuSchliessen;
  close->SpeedButtonSchliessenJaClick(close->SpeedButtonSchliessenJa);
}

void TransferDesk::ShowTitle(const std::string& title) {
  main_.FrameDaten->PanelTitel->SetCaption(platform::ToQt(title));
}

printerthread::GroupLoadEnd TransferDesk::LoadGroup(const std::string& groupFile, const std::function<void()>& step) {
  using printerthread::GroupLoadEnd;
  using End = TFrameMenuOeffnen::GroupFileEnd;
  TFrameDaten& d = *main_.FrameDaten;
  // The printer's title, which the upload has shown, stays the data's.
  const QString title = d.PanelTitel->Caption();
  try {
    switch (main_.FrameMenuOeffnen->LoadGroupFileEnding(groupFile, title, TFrameMenuOeffnen::LoadAs::Changed, step)) {
      case End::Loaded: return GroupLoadEnd::Loaded;
      case End::Incomplete: return GroupLoadEnd::Incomplete;
      // The printer holds no print text: the data stays closed, which is no
      // failure.
      case End::Empty: return GroupLoadEnd::Loaded;
      case End::Failed: return GroupLoadEnd::Failed;
    }
  } catch (const std::exception&) {
    // A row that cannot be drawn (no font renderer): what was reached stays,
    // but the list must not stay frozen, and the upload ends as failed.
    d.Repaint();
  }
  return GroupLoadEnd::Failed;
}

}  // namespace app
