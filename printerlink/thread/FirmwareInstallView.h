#pragma once
// The window in which the firmware installation shows its progress and its
// result: implemented by the installer window, called in the GUI thread.
namespace printerthread {

class FirmwareInstallView {
 public:
  virtual ~FirmwareInstallView() = default;
  // The installation reached `position` of `maximum`.
  virtual void ShowFirmwareProgress(int position, int maximum) = 0;
  // The installation ended with `result` (FirmwareResult): the progress
  // hidden, the result's box shown modally, the window usable again. Returns
  // once the box has been confirmed.
  virtual void ShowFirmwareResult(int result) = 0;
};

}  // namespace printerthread
