#pragma once
// The console's and the configuration editor's side of their sequences:
// the steps the printer thread has the GUI thread run (through
// PrinterSession::Synchronize) to lock and free the console, show its
// answer, keep a typed command, open the editor or the firmware installer
// and report how a fetch or a store of the configuration ended. The
// program implements it over its windows; texts are Windows-1252 bytes.
#include <string>

namespace printerthread {

class ServiceDesk {
 public:
  virtual ~ServiceDesk() = default;

  // The console: input disabled and yellow, answer cleared.
  virtual void LockConsoleInput() = 0;
  // The reply appended to the answer.
  virtual void ShowConsoleAnswer(const std::string& reply) = 0;
  // A typed command that the printer took joins the command list (not one
  // picked from the list, not beyond the list's limit).
  virtual void AddConsoleHistory(const std::string& command) = 0;
  // The console usable again.
  virtual void UnlockConsoleInput() = 0;
  // A line too long for the printer's command buffer: the console says so.
  virtual void ShowLineTooLong() = 0;
  // The console closes and the firmware installer shows (or comes to the
  // front).
  virtual void OpenFirmwareInstaller() = 0;

  // The configuration was fetched into the editor's work copy: the console
  // closes, the editor shows it.
  virtual void OpenConfigEditor() = 0;
  // The fetch failed: the console is freed and the operator told.
  virtual void ShowConfigFetchFailed() = 0;
  // How the editor's store ended: the editor is given back either way.
  virtual void ShowConfigStored() = 0;
  virtual void ShowConfigStoreFailed() = 0;
};

}  // namespace printerthread
