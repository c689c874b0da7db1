#pragma once
// The printer thread with the firmware installation plugged in (every other
// service sequence answers "not available"), and an installer window that
// records what the thread shows in it.
#include <memory>
#include <string>
#include <vector>

#include "ThreadRig.h"
#include "printerlink/thread/FirmwareInstall.h"
#include "printerlink/thread/NotAvailable.h"

namespace threadtest {

class FirmwareOnly final : public printerthread::ServiceSequences {
 public:
  void BackupConfig(printerthread::PrinterSession& s, const printerthread::BackupConfigRequest& r) override {
    printerthread::ReportNotAvailable(s, r.Title);
  }
  void RestoreConfig(printerthread::PrinterSession& s, const printerthread::RestoreConfigRequest& r) override {
    printerthread::ReportNotAvailable(s, r.Title);
  }
  void RunConsoleCommand(printerthread::PrinterSession& s, const printerthread::ConsoleCommandRequest& r) override {
    printerthread::ReportNotAvailable(s, r.Title);
  }
  void StoreConfigFromEditor(printerthread::PrinterSession& s, const printerthread::StoreConfigRequest& r) override {
    printerthread::ReportNotAvailable(s, r.Title);
  }
  void FetchConfigForEditor(printerthread::PrinterSession& s, const printerthread::FetchConfigRequest& r) override {
    printerthread::ReportNotAvailable(s, r.Title);
  }
  void InstallFirmware(printerthread::PrinterSession& s, const printerthread::FirmwareInstallRequest& r) override {
    printerthread::InstallFirmware(s, r);
  }
};

// Runs in the GUI thread (the test's, while it pumps).
class RecordingInstaller final : public printerthread::FirmwareInstallView {
 public:
  void ShowFirmwareProgress(int position, int maximum) override;
  void ShowFirmwareResult(int result) override;

  std::vector<int> positions;
  std::vector<int> maxima;
  std::vector<int> results;
  int progressAfterResult = 0;
  // While the boot loader was being written: whether the GUI thread could
  // have taken the port lock, and whether the port was open at the result.
  int lockFreeWhileWriting = 0;
  int progressWhileWriting = 0;
  bool portClosedAtResult = false;
};

class FirmwareRig : public ThreadRig {
 public:
  explicit FirmwareRig(printeremu::EmulatorOptions options = {});
  // Waits for the printer, raises the request with `image`, and pumps until
  // the result's box came (false when it never did).
  bool Install(const std::vector<std::uint8_t>& image, int cliWord = 8058);
  bool ConnectedAndPolling();

  FirmwareOnly services;
  RecordingInstaller installer;
};

// A full image: `dataBlocks` blocks of changing bytes (with some all-0xFF
// blocks among them), the rest 0xFF.
std::vector<std::uint8_t> FirmwareImage(std::size_t dataBlocks, unsigned seed = 1);

}  // namespace threadtest
