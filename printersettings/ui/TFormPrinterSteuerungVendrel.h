#pragma once
// The communication window (" Steuerung Kommunikation"): the modules of the
// printer's communication kit (Bluetooth, LAN, WLAN, LiNK, NTP), each row
// lit while the module is fitted and grey with "-" while it is not; the LAN
// values as the printer reports them, "..." for the values it is not asked
// for. Modal and read-only: the settings view's "Kommunikation" tile shows
// it with exec(); "Abbrechen" and Esc close it with 7.
#include <QLabel>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printersettings/ui/PrinterWindow.h"

class TFormPrinterSteuerungVendrel : public printersettings::ui::PrinterWindow {
 public:
  explicit TFormPrinterSteuerungVendrel(QWidget* owner);
  ~TFormPrinterSteuerungVendrel() override;

  QLabel* LabelBT;
  QLabel* LabelBT_NameTitel;
  QLabel* LabelBT_KeyTitel;
  QLabel* LabelLAN;
  QLabel* LabelLAN_NameTitel;
  QLabel* LabelLAN_MACTitel;
  QLabel* LabelLAN_IPTitel;
  QLabel* LabelWLAN;
  QLabel* LabelWLAN_NameTitel;
  QLabel* LabelWLAN_MACTitel;
  QLabel* LabelWLAN_IPTitel;
  QLabel* LabelWLAN_SSIDTitel;
  QLabel* LabelWLAN_SignalTitel;
  QLabel* LabelLK;
  QLabel* LabelLK_NameTitel;
  QLabel* LabelLK_DomainTitel;
  QLabel* LabelNTP;
  QLabel* LabelNTP_ServerTitel;
  QLabel* LabelNTP_ZeitzoneTitel;
  QLabel* LabelNTP_ZeitTitel;

  platform::Panel* PanelBT_Name;
  QLabel* LabelBT_Name;
  platform::Panel* PanelBT_Key;
  QLabel* LabelBT_Key;
  platform::Panel* PanelLAN_Name;
  QLabel* LabelLAN_Name;
  platform::Panel* PanelLAN_MAC;
  QLabel* LabelLAN_MAC;
  platform::Panel* PanelLAN_IP;
  QLabel* LabelLAN_IP;
  platform::Panel* PanelWLAN_Name;
  QLabel* LabelWLAN_Name;
  platform::Panel* PanelWLAN_MAC;
  QLabel* LabelWLAN_MAC;
  platform::Panel* PanelWLAN_IP;
  QLabel* LabelWLAN_IP;
  platform::Panel* PanelWLAN_SSID;
  QLabel* LabelWLAN_SSID;
  platform::Panel* PanelWLAN_Signal;
  QLabel* LabelWLAN_Signal;
  platform::Panel* PanelNTP_Server;
  QLabel* LabelNTP_Server;
  platform::Panel* PanelNTP_Zeitzone;
  QLabel* LabelNTP_Zeitzone;
  platform::Panel* PanelNTP_Zeit;
  QLabel* LabelNTP_Zeit;
  platform::Panel* PanelLK_Name;
  QLabel* LabelLK_Name;
  platform::Panel* PanelLK_Domain;
  QLabel* LabelLK_Domain;

  platform::Panel* PanelUnten;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  void SpeedButtonAbbrechenClick(QObject* sender);
  void reject() override;

  void ResetDisplay(const printerthread::DisplayView& view) override;
  void RefreshDisplay(const printerthread::DisplayView& view) override;

 private:
  // Every value unknown, as before the printer's first answer.
  void ShowUnknown();
};

extern TFormPrinterSteuerungVendrel* FormPrinterSteuerungVendrel;
