// The PC menu's backup ("Sichern") and restore ("Herstellen").
#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "app/links/ArchiveServiceTools.h"
#include "app/links/DataViewLinks.h"
#include "app/pc/ProgramBackup.h"
#include "app/pc/TFormBedienungsmodus.h"
#include "app/pc/TFormHerstellen.h"
#include "app/TFormMessage.h"
#include "app/TForm_Main.h"
#include "app/pc/TFrameMenuPC.h"
#include "filedialog/ui/TForm_FileDialog.h"
#include "platform/Clock.h"
#include "printdata/ui/ComputerPlaces.h"
#include "printdata/ui/TFrameDaten.h"
#include "printdata/ui/TFrameMenuSchliessen.h"

namespace {

// Sets up the file dialog for a backup file (mode 1 save, 0 open) and shows
// it; the chosen path, or "" when cancelled.
std::string ChooseBackupFile(TFrameMenuPC& menu, const QString& title, std::uint8_t mode) {
  TForm_FileDialog* files = Form_FileDialog;
  if (!files || !Form_Main) return {};
  printdata::ui::SetUpComputerFileDialog(*files, title, app::kBackupExtension, mode, "", Form_Main->TmpDir + "BAK12");
  menu.FileDialogActive = 1;
  return files->ShowModal() == 1 ? files->GetFileName() : std::string();
}

void Notice(const QString& title, const QString& text, std::uint32_t colour) {
  QCoreApplication::processEvents();
  if (FormMessage) FormMessage->ShowNotice(title, text, colour, true);
}

void Busy(const QString& title) {
  QCoreApplication::processEvents();
  if (FormMessage) FormMessage->ShowBusy(title, FormMessage->MsgRunning, TFormMessage::kYellow, false);
  platform::SleepMs(1000);
}

}  // namespace

void TFrameMenuPC::SpeedButtonSichernClick(QObject*) {
  SpeedButtonSichern->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  const QString title = SpeedButtonSichern->Caption();
  if (!Form_Main || !FormMessage) return;
  for (;;) {
    if (Form_Main->FrameDaten->IsModified()) {
      Notice(title, FormMessage->MsgSaveOrCloseFirst, TFormMessage::kSilver);
      break;
    }
    const std::string target = ChooseBackupFile(*this, title, 1);
    if (target.empty()) break;
    std::error_code ec;
    if (FormBedienungsmodus && FormBedienungsmodus->GetOperatingMode() == 0 &&
        std::filesystem::exists(target, ec)) {
      // The user mode never overwrites a backup; the dialog comes again.
      Notice(title, FormMessage->MsgBackupNoOverwrite, TFormMessage::kSilver);
      continue;
    }
    Busy(title);
    app::ArchiveServiceTools tools;
    if (app::WriteBackup(tools, app::BackupFolders::Of(*Form_Main), target))
      Notice(title, FormMessage->MsgDoneOk, TFormMessage::kGreen);
    else
      Notice(title, FormMessage->MsgDoneFailed, TFormMessage::kRed);
    break;
  }
  FileDialogActive = 0;
}

void TFrameMenuPC::SpeedButtonHerstellenClick(QObject*) {
  SpeedButtonHerstellen->repaint();
  if (Form_Main) Form_Main->CloseMenusAndRefresh();
  const QString title = SpeedButtonHerstellen->Caption();
  if (!Form_Main || !FormMessage || !FormHerstellen) return;
  const std::string source = ChooseBackupFile(*this, title, 0);
  if (!source.empty() && FormHerstellen->ShowModal() == 6) {
    const app::RestoreParts parts{FormHerstellen->SpeedButtonDaten->Tag == 1,
                                  FormHerstellen->SpeedButtonBilder->Tag == 1,
                                  FormHerstellen->SpeedButtonEinstellungen->Tag == 1};
    Busy(title);
    app::ArchiveServiceTools tools;
    const app::BackupFolders folders = app::BackupFolders::Of(*Form_Main);
    // Nothing of the program tree or the open data is touched before the
    // backup has been read completely.
    auto unpacked = app::UnpackBackup(tools, folders, source);
    bool restored = false;
    if (unpacked) {
      TFrameMenuSchliessen* close = Form_Main->FrameMenuSchliessen;
      close->SpeedButtonSchliessenJaClick(close->SpeedButtonSchliessenJa);
      restored = app::RestoreBackup(folders, *unpacked, parts).ok();
    }
    if (restored) {
      Notice(title, FormMessage->MsgDoneOk, TFormMessage::kGreen);
      // The restored configuration is read at the next start, and nothing
      // may write over it before.
      if (parts.settings) TerminateWithMessage(*Form_Main->DataViewLinks);
    } else {
      Notice(title, FormMessage->MsgDoneFailed, TFormMessage::kRed);
    }
  }
  FileDialogActive = 0;
}
