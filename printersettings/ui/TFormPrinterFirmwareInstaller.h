#pragma once
// The firmware installer (" Steuerung - FirmwareInstaller"): a technician
// opens a firmware package (an encrypted ZIP "<name>.b23" holding the image
// "<name>.BIN" and its text "<name>.TXT"), reads the text, and has the
// printer thread install the image on the controller through its boot
// loader. Always on top; shown from the console's word
// "TARVIK23.FIRMWAREINSTALLER" (OtherPrinterWindows().FirmwareInstaller).
//
// The memo's colour carries the state: white idle, yellow while a package
// opens or the installation runs, red after a failed opening, and the
// result box's colour while the thread shows it. The window holds exactly
// the image of the package it shows, or none: a package whose image is not
// exactly 1 MiB, or does not pass its checks, leaves the window empty with
// "Installieren" off. The request carries a copy of the image. "Drucken"
// prints the package's text (or its selected lines).
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printerlink/thread/FirmwareInstallView.h"
#include "printersettings/ui/FirmwareInstallerServices.h"

class TFormPrinterFirmwareInstaller : public QDialog, public printerthread::FirmwareInstallView {
 public:
  TFormPrinterFirmwareInstaller(QWidget* owner, printersettings::ui::FirmwareInstallerServices services);
  ~TFormPrinterFirmwareInstaller() override;

  static constexpr int kImageSize = 0x100000;

  std::vector<std::uint8_t> ImageBuffer;  // kImageSize bytes, 0xFF while no image is loaded
  std::string ArchivePath;                // "" while none is loaded

  QPlainTextEdit* Memo_Editor;
  platform::Panel* Panel_Top;
  platform::Panel* PanelOpen;
  platform::SpeedButton* SpeedButtonOpen;
  platform::Panel* PanelPrint;
  platform::SpeedButton* SpeedButtonPrint;
  platform::Panel* PanelDownload;
  platform::SpeedButton* SpeedButtonDownload;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* Panel_Fortschritt;
  QLabel* Label_Fortschritt;
  QProgressBar* ProgressBar_Fortschritt;

  // 0 and 0 hide the progress with an empty label; otherwise the label
  // (unless `text` is empty), maximum and position are set and it shows.
  void ShowProgress(int position, int maximum, const QString& text);
  // Opens a package; true when its image and text are loaded.
  bool LoadFirmwareArchive(const std::string& path);

  void SpeedButtonOpenClick(QObject* sender);
  void SpeedButtonPrintClick(QObject* sender);
  void SpeedButtonDownloadClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);

  // The printer thread's steps (GUI thread).
  void ShowFirmwareProgress(int position, int maximum) override;
  void ShowFirmwareResult(int result) override;

  printersettings::ui::FirmwareInstallerServices Services;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  // While the progress shows: the stop beep, the caption flashes, true.
  bool RefuseClose();
  bool German() const;
  QString Text(const char* german, const char* english) const;
  void ApplyTexts();
  void SetMemoColour(std::uint32_t colour);
  // The state at creation: nothing loaded, white, only "Öffnen".
  void ShowEmpty();
  // The window usable: "Öffnen" always, "Drucken" and "Installieren" while
  // a package is loaded (ArchivePath).
  void OfferButtons();
  void SetBusyCursor(bool on);
  // Extracts the package into `image` and `text`; false unless its image
  // is exactly kImageSize bytes and both entries passed their checks.
  bool ExtractWholeImage(const std::string& path, std::vector<std::uint8_t>& image, std::string& text);

  std::uint32_t memoColour_ = 0xFFFFFF;
  bool busyCursor_ = false;
};

extern TFormPrinterFirmwareInstaller* FormPrinterFirmwareInstaller;
