#include "printerlink/thread/ServiceTools.h"

#include "platform/FileIO.h"
#include "printerlink/thread/ConsoleLine.h"
#include "printerlink/thread/FirmwareInstall.h"
#include "printerlink/thread/LockedFileSync.h"

namespace printerthread {
namespace {

constexpr std::uint32_t kConsolePauseMs = 250;
constexpr std::uint32_t kAfterFileStepMs = 500;

// A GUI step of the desk; one that fails leaves the rest of the sequence going.
void RunDeskStep(PrinterSession& session, ServiceDesk& desk, void (ServiceDesk::*step)()) {
  session.Synchronize([&] {
    try {
      (desk.*step)();
    } catch (...) {
    }
  });
}

// Frees the console when the exchange ends, however it ends: a console
// left yellow and disabled could not be used or closed again.
class ConsoleHold {
 public:
  ConsoleHold(PrinterSession& session, ServiceDesk& desk) : session_(session), desk_(desk) {
    Run(&ServiceDesk::LockConsoleInput);
  }
  ~ConsoleHold() { Run(&ServiceDesk::UnlockConsoleInput); }
  ConsoleHold(const ConsoleHold&) = delete;
  ConsoleHold& operator=(const ConsoleHold&) = delete;

  void Run(void (ServiceDesk::*step)()) {
    try {
      RunDeskStep(session_, desk_, step);
    } catch (...) {
      // Skipped once the thread is ending.
    }
  }

 private:
  PrinterSession& session_;
  ServiceDesk& desk_;
};

}  // namespace

bool UsableConfigFile(const std::string& path) {
  if (path.empty() || !platform::IsFile(path)) return false;
  auto bytes = platform::ReadWholeFile(path);
  return bytes.ok() && !bytes.value().empty();
}

void ServiceTools::Step(PrinterSession& session, void (ServiceDesk::*step)()) { RunDeskStep(session, desk_, step); }

// ---- backup and restore, from the printer settings view ----

void ServiceTools::BackupConfig(PrinterSession& s, const BackupConfigRequest& request) {
  s.BoxTitle = request.Title;
  s.BoxText = MessageText::Of(CatalogueText::Running);
  s.ShowBusyMessage();
  s.Sleep(1000);
  // A failing step has sent "STATUS 40 ZAMFI" and shown its own box.
  if (!s.EnterSettingsLevel()) return;
  if (FetchFileFromPrinter(request.BackupPath, kPrinterConfigFile) != 0) {
    s.EndTransfer(CatalogueText::DoneFailed);
    return;
  }
  if (s.SendChecked("STATUS 40 ZAMFI", kCommandMs) != 1) return;
  s.BoxText = MessageText::Of(CatalogueText::DoneOk);
  s.ShowSuccess();
}

void ServiceTools::RestoreConfig(PrinterSession& s, const RestoreConfigRequest& request) {
  s.BoxTitle = request.Title;
  s.BoxText = MessageText::Of(CatalogueText::Running);
  s.ShowBusyMessage();
  s.Sleep(1000);
  // A file that is not there, cannot be read or is empty never takes the
  // configuration's place; the printer is not even raised to its settings
  // level (and so keeps printing).
  if (!UsableConfigFile(request.RestorePath)) {
    s.BoxText = MessageText::Of(CatalogueText::DoneFailed);
    s.ShowFailure();
    return;
  }
  if (!s.EnterSettingsLevel()) return;
  const int sent = SendFileToPrinter(request.RestorePath, kPrinterStagingFile);
  s.Sleep(kAfterFileStepMs);
  // The configuration is deleted only once its successor has arrived whole.
  bool ok = sent >= 0;
  for (const char* command : {"DEL SYSTEM\\KONFIG.SYS", "REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS", "RESET"}) {
    if (!ok) break;
    ok = s.SendChecked(command, kCommandMs) == 1;
    s.Sleep(kAfterFileStepMs);
  }
  if (!ok) {
    s.EndTransfer(CatalogueText::DoneFailed);
    return;
  }
  s.BoxText = MessageText::Of(CatalogueText::DoneOk);
  s.ShowSuccess();
}

// ---- the configuration editor ----

void ServiceTools::FetchConfigForEditor(PrinterSession& s, const FetchConfigRequest&) {
  int r = -1;
  try {
    if (s.EnterSettingsLevel()) {
      r = FetchFileFromPrinter(WorkCopy(), kPrinterConfigFile);
      s.SendQuiet("STATUS 40 ZAMFI");
    }
  } catch (...) {
    r = -1;
  }
  // Either ending frees the console, which "EDIT.KONFIG" left locked.
  Step(s, r == 0 ? &ServiceDesk::OpenConfigEditor : &ServiceDesk::ShowConfigFetchFailed);
}

void ServiceTools::StoreConfigFromEditor(PrinterSession& s, const StoreConfigRequest&) {
  int r = -1;
  try {
    // An empty or unreadable work copy is no configuration: nothing is
    // sent and nothing on the printer changes.
    if (UsableConfigFile(WorkCopy())) {
      bool replaceFailed = false;
      if (s.EnterSettingsLevel()) {
        r = SendFileToPrinter(WorkCopy(), kPrinterStagingFile);
        s.Sleep(kAfterFileStepMs);
        for (const char* command : {"DEL SYSTEM\\KONFIG.SYS", "REN TMP\\KONFIG.SYS SYSTEM\\KONFIG.SYS"}) {
          if (r < 0) break;
          if (s.SendChecked(command, kCommandMs) != 1) {
            r = -1;
            replaceFailed = true;
          } else {
            s.Sleep(kAfterFileStepMs);
          }
        }
      }
      // The restart, also after a failed level or transfer (the old
      // configuration is still in place); never once "DEL" or "REN" failed,
      // which has already sent "STATUS 40 ZAMFI": a restart then could
      // find no configuration at all.
      if (!replaceFailed) s.SendQuiet("RESET");
    }
  } catch (...) {
    r = -1;
  }
  // Either ending gives the editor back.
  Step(s, r >= 0 ? &ServiceDesk::ShowConfigStored : &ServiceDesk::ShowConfigStoreFailed);
}

// ---- the console ----

void ServiceTools::ConsoleExchange(PrinterSession& s, const std::string& command, std::uint32_t t) {
  ConsoleHold hold(s, desk_);
  s.Sleep(kConsolePauseMs);
  std::string reply;
  const int r = s.AskPrinter(command, reply, t);
  s.Synchronize([&] {
    try {
      desk_.ShowConsoleAnswer(reply);
      if (r == 1) desk_.AddConsoleHistory(command);
    } catch (...) {
    }
  });
}

void ServiceTools::RunConsoleCommand(PrinterSession& s, const ConsoleCommandRequest& request) {
  const std::string line = TrimConsoleLine(request.CommandText);
  switch (ClassifyConsoleLine(line)) {
    case ConsoleWord::Empty:
      return;
    case ConsoleWord::ClearAnswer: {
      ConsoleHold hold(s, desk_);
      s.Sleep(kConsolePauseMs);
      return;
    }
    case ConsoleWord::Format:
      ConsoleExchange(s, line, kFormatReplyMs);
      return;
    case ConsoleWord::EditConfig:
      // Served right after this command, in the same pass; its endings
      // free the console.
      requests_.FetchConfig.Raise({request.Title});
      Step(s, &ServiceDesk::LockConsoleInput);
      return;
    case ConsoleWord::FirmwareInstaller:
      Step(s, &ServiceDesk::LockConsoleInput);
      s.Sleep(kConsolePauseMs);
      Step(s, &ServiceDesk::OpenFirmwareInstaller);
      return;
    case ConsoleWord::TooLong: {
      ConsoleHold hold(s, desk_);
      hold.Run(&ServiceDesk::ShowLineTooLong);
      return;
    }
    case ConsoleWord::Command:
      ConsoleExchange(s, line, kConsoleReplyMs);
      return;
  }
}

void ServiceTools::InstallFirmware(PrinterSession& s, const FirmwareInstallRequest& request) {
  printerthread::InstallFirmware(s, request);
}

// ---- requests the lost link took with it ----

void ServiceTools::Abandon(PrinterSession& s, ServiceRequest which, const std::string& title) {
  switch (which) {
    case ServiceRequest::ConsoleCommand: {
      ConsoleHold hold(s, desk_);
      s.Synchronize([&] { desk_.ShowConsoleAnswer(kNoConnectionText); });
      return;
    }
    case ServiceRequest::FetchConfig:
      Step(s, &ServiceDesk::ShowConfigFetchFailed);
      return;
    case ServiceRequest::StoreConfig:
      Step(s, &ServiceDesk::ShowConfigStoreFailed);
      return;
    default:
      ServiceSequences::Abandon(s, which, title);
  }
}

}  // namespace printerthread
