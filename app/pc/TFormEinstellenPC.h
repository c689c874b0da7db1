#pragma once
// The PC settings: which kinds of serial port the printer thread may use
// ("RS232 + USB", "Bluetooth", "LAN + WLAN") and the simulation switch that
// lets the program run without a printer. The window keeps the settings in
// force for the whole program; while it is open it shows the chosen ones,
// which OK puts in force. It also starts the USB serial driver installer
// and, on a double click on its background, lists the machine's serial
// ports.
#include <QDialog>
#include <atomic>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFormEinstellenPC : public QDialog {
 public:
  explicit TFormEinstellenPC(QWidget* owner);
  ~TFormEinstellenPC() override;

  platform::Panel* Panel0;
  platform::Panel* PanelRS232USB;
  platform::SpeedButton* SpeedButtonRS232USB;
  platform::Panel* PanelBluetooth;
  platform::SpeedButton* SpeedButtonBluetooth;
  platform::Panel* PanelLANWLAN;
  platform::SpeedButton* SpeedButtonLANWLAN;
  platform::Panel* Panel1;
  platform::Panel* PanelTreiberUSB;
  platform::SpeedButton* SpeedButtonTreiberUSB;
  platform::Panel* Panel3;
  platform::Panel* PanelSimulation;
  platform::SpeedButton* SpeedButtonSimulation;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // Each 0 or 1. The chosen values matter only while the dialog is open;
  // the ones in force hold for the whole program. Written by the GUI
  // thread, read by the printer thread at every turn of its loop.
  unsigned ChosenRS232USB = 1;
  std::atomic<unsigned> UseRS232USB{1};
  unsigned ChosenBluetooth = 0;
  std::atomic<unsigned> UseBluetooth{0};
  unsigned ChosenLANWLAN = 0;
  std::atomic<unsigned> UseLANWLAN{0};  // only stored and restored
  unsigned ChosenSimulation = 0;
  std::atomic<unsigned> UseSimulation{0};  // never stored: off at every start

  unsigned GetUseRS232USB() const { return UseRS232USB.load(); }
  unsigned GetUseBluetooth() const { return UseBluetooth.load(); }
  unsigned GetUseLANWLAN() const { return UseLANWLAN.load(); }
  unsigned GetSimulation() const { return UseSimulation.load(); }
  // Any value above 1 is stored as 1.
  void SetUseRS232USB(unsigned value) { UseRS232USB.store(value > 1 ? 1 : value); }
  void SetUseBluetooth(unsigned value) { UseBluetooth.store(value > 1 ? 1 : value); }
  void SetUseLANWLAN(unsigned value) { UseLANWLAN.store(value > 1 ? 1 : value); }

  // The toggles' panels from the chosen values: grey when on.
  void UpdateConnectionView();
  // DRIVER/"CDM212364_Setup.exe".
  std::string DriverInstallerPath() const;

  void FormShow();
  void SpeedButtonRS232USBClick(QObject* sender);
  void SpeedButtonBluetoothClick(QObject* sender);
  void SpeedButtonLANWLANClick(QObject* sender);
  void SpeedButtonTreiberUSBClick(QObject* sender);
  void SpeedButtonSimulationClick(QObject* sender);
  // 6: every chosen value goes in force. 7: nothing is taken over.
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  // The port list in the system message box.
  void Panel0DblClick(QObject* sender);
  void Panel1DblClick(QObject* sender);

  // Closing the window by other means counts as "Abbrechen".
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Toggle(platform::SpeedButton* button, unsigned& chosen);
};

extern TFormEinstellenPC* FormEinstellenPC;
