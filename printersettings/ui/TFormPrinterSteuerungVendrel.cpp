#include "printersettings/ui/TFormPrinterSteuerungVendrel.h"

#include <algorithm>

#include "platform/qt/LanguageTexts.h"
#include "platform/qt/TextCodec.h"
#include "printerlink/thread/DisplayRules.h"
#include "printersettings/ui/InfoRows.h"

TFormPrinterSteuerungVendrel* FormPrinterSteuerungVendrel = nullptr;

namespace {

using namespace printersettings::ui;

constexpr int kRight = kInfoColumnWidth + 8;
constexpr int kWidth = kRight + kInfoColumnWidth + 8;
constexpr int kButtonRowHeight = 65;
constexpr int kResultCancel = 7;

}  // namespace

TFormPrinterSteuerungVendrel::TFormPrinterSteuerungVendrel(QWidget* owner)
    : PrinterWindow(owner, "FormPrinterSteuerungVendrel", QStringLiteral(" Steuerung Kommunikation"), false) {
  FormPrinterSteuerungVendrel = this;
  InfoColumn wired{this, 0};
  wired.Section(LabelBT, QStringLiteral("Bluetooth"));
  wired.Row(LabelBT_NameTitel, PanelBT_Name, LabelBT_Name, QStringLiteral("Name"));
  wired.Row(LabelBT_KeyTitel, PanelBT_Key, LabelBT_Key, QStringLiteral("Key"));
  wired.Gap();
  wired.Section(LabelLAN, QStringLiteral("LAN"));
  wired.Row(LabelLAN_NameTitel, PanelLAN_Name, LabelLAN_Name, QStringLiteral("Name"));
  wired.Row(LabelLAN_MACTitel, PanelLAN_MAC, LabelLAN_MAC, QStringLiteral("MAC"));
  wired.Row(LabelLAN_IPTitel, PanelLAN_IP, LabelLAN_IP, QStringLiteral("IP (DHCP)"));
  wired.Gap();
  wired.Section(LabelLK, QStringLiteral("LiNK"));
  wired.Row(LabelLK_NameTitel, PanelLK_Name, LabelLK_Name, QStringLiteral("Name"));
  wired.Row(LabelLK_DomainTitel, PanelLK_Domain, LabelLK_Domain, QStringLiteral("Domain"));

  InfoColumn wireless{this, kRight};
  wireless.Section(LabelWLAN, QStringLiteral("WLAN"));
  wireless.Row(LabelWLAN_NameTitel, PanelWLAN_Name, LabelWLAN_Name, QStringLiteral("Name"));
  wireless.Row(LabelWLAN_MACTitel, PanelWLAN_MAC, LabelWLAN_MAC, QStringLiteral("MAC"));
  wireless.Row(LabelWLAN_IPTitel, PanelWLAN_IP, LabelWLAN_IP, QStringLiteral("IP (DHCP)"));
  wireless.Row(LabelWLAN_SSIDTitel, PanelWLAN_SSID, LabelWLAN_SSID, QStringLiteral("SSID"));
  wireless.Row(LabelWLAN_SignalTitel, PanelWLAN_Signal, LabelWLAN_Signal, QStringLiteral("Signal"));
  wireless.Gap();
  wireless.Section(LabelNTP, QStringLiteral("NTP"));
  wireless.Row(LabelNTP_ServerTitel, PanelNTP_Server, LabelNTP_Server, QStringLiteral("Server"));
  wireless.Row(LabelNTP_ZeitzoneTitel, PanelNTP_Zeitzone, LabelNTP_Zeitzone, QStringLiteral("Zeitzone"));
  wireless.Row(LabelNTP_ZeitTitel, PanelNTP_Zeit, LabelNTP_Zeit, QStringLiteral("Zeit"));

  const int rowsBottom = std::max(wired.top, wireless.top) + 4;
  PanelUnten = platform::AddButtonRow(this, QRect(0, rowsBottom, kWidth, kButtonRowHeight));
  platform::AddButtonPanel(PanelUnten, QRect(kWidth - 96, 9, 88, 48), QStringLiteral("Abbrechen"), PanelAbbrechen,
                           SpeedButtonAbbrechen);
  connect(SpeedButtonAbbrechen, &QAbstractButton::clicked, this,
          [this] { SpeedButtonAbbrechenClick(SpeedButtonAbbrechen); });

  NAME_AFTER_MEMBER(LabelBT);
  NAME_AFTER_MEMBER(LabelBT_NameTitel);
  NAME_AFTER_MEMBER(LabelBT_KeyTitel);
  NAME_AFTER_MEMBER(LabelLAN);
  NAME_AFTER_MEMBER(LabelLAN_NameTitel);
  NAME_AFTER_MEMBER(LabelLAN_MACTitel);
  NAME_AFTER_MEMBER(LabelLAN_IPTitel);
  NAME_AFTER_MEMBER(LabelWLAN);
  NAME_AFTER_MEMBER(LabelWLAN_NameTitel);
  NAME_AFTER_MEMBER(LabelWLAN_MACTitel);
  NAME_AFTER_MEMBER(LabelWLAN_IPTitel);
  NAME_AFTER_MEMBER(LabelWLAN_SSIDTitel);
  NAME_AFTER_MEMBER(LabelWLAN_SignalTitel);
  NAME_AFTER_MEMBER(LabelLK);
  NAME_AFTER_MEMBER(LabelLK_NameTitel);
  NAME_AFTER_MEMBER(LabelLK_DomainTitel);
  NAME_AFTER_MEMBER(LabelNTP);
  NAME_AFTER_MEMBER(LabelNTP_ServerTitel);
  NAME_AFTER_MEMBER(LabelNTP_ZeitzoneTitel);
  NAME_AFTER_MEMBER(LabelNTP_ZeitTitel);
  NAME_AFTER_MEMBER(PanelBT_Name);
  NAME_AFTER_MEMBER(LabelBT_Name);
  NAME_AFTER_MEMBER(PanelBT_Key);
  NAME_AFTER_MEMBER(LabelBT_Key);
  NAME_AFTER_MEMBER(PanelLAN_Name);
  NAME_AFTER_MEMBER(LabelLAN_Name);
  NAME_AFTER_MEMBER(PanelLAN_MAC);
  NAME_AFTER_MEMBER(LabelLAN_MAC);
  NAME_AFTER_MEMBER(PanelLAN_IP);
  NAME_AFTER_MEMBER(LabelLAN_IP);
  NAME_AFTER_MEMBER(PanelWLAN_Name);
  NAME_AFTER_MEMBER(LabelWLAN_Name);
  NAME_AFTER_MEMBER(PanelWLAN_MAC);
  NAME_AFTER_MEMBER(LabelWLAN_MAC);
  NAME_AFTER_MEMBER(PanelWLAN_IP);
  NAME_AFTER_MEMBER(LabelWLAN_IP);
  NAME_AFTER_MEMBER(PanelWLAN_SSID);
  NAME_AFTER_MEMBER(LabelWLAN_SSID);
  NAME_AFTER_MEMBER(PanelWLAN_Signal);
  NAME_AFTER_MEMBER(LabelWLAN_Signal);
  NAME_AFTER_MEMBER(PanelNTP_Server);
  NAME_AFTER_MEMBER(LabelNTP_Server);
  NAME_AFTER_MEMBER(PanelNTP_Zeitzone);
  NAME_AFTER_MEMBER(LabelNTP_Zeitzone);
  NAME_AFTER_MEMBER(PanelNTP_Zeit);
  NAME_AFTER_MEMBER(LabelNTP_Zeit);
  NAME_AFTER_MEMBER(PanelLK_Name);
  NAME_AFTER_MEMBER(LabelLK_Name);
  NAME_AFTER_MEMBER(PanelLK_Domain);
  NAME_AFTER_MEMBER(LabelLK_Domain);
  NAME_AFTER_MEMBER(SpeedButtonAbbrechen);
  setFixedSize(kWidth, rowsBottom + kButtonRowHeight);
  ShowUnknown();
}

TFormPrinterSteuerungVendrel::~TFormPrinterSteuerungVendrel() {
  if (FormPrinterSteuerungVendrel == this) FormPrinterSteuerungVendrel = nullptr;
}

void TFormPrinterSteuerungVendrel::SpeedButtonAbbrechenClick(QObject* sender) {
  platform::RepaintSender(sender);
  done(kResultCancel);
}

void TFormPrinterSteuerungVendrel::reject() { done(kResultCancel); }

void TFormPrinterSteuerungVendrel::ResetDisplay(const printerthread::DisplayView&) { ShowUnknown(); }

void TFormPrinterSteuerungVendrel::ShowUnknown() {
  for (platform::Panel* p : {PanelBT_Name, PanelBT_Key, PanelLAN_Name, PanelLAN_MAC, PanelLAN_IP, PanelWLAN_Name,
                             PanelWLAN_MAC, PanelWLAN_IP, PanelWLAN_SSID, PanelWLAN_Signal, PanelNTP_Server,
                             PanelNTP_Zeitzone, PanelNTP_Zeit, PanelLK_Name, PanelLK_Domain})
    p->SetColor(printerthread::kWithheldColour);
  for (QLabel* l : {LabelBT_Name, LabelBT_Key, LabelLAN_Name, LabelLAN_MAC, LabelLAN_IP, LabelWLAN_Name, LabelWLAN_MAC,
                    LabelWLAN_IP, LabelWLAN_SSID, LabelWLAN_Signal, LabelNTP_Server, LabelNTP_Zeitzone, LabelNTP_Zeit,
                    LabelLK_Name, LabelLK_Domain})
    l->setText(QStringLiteral("?"));
}

void TFormPrinterSteuerungVendrel::RefreshDisplay(const printerthread::DisplayView& view) {
  const printerthread::CommunicationRows rows = printerthread::CommunicationWindowRows(view.mirror);
  auto show = [](const printerthread::CommunicationRow& row, std::initializer_list<platform::Panel*> panels,
                 std::initializer_list<QLabel*> labels) {
    for (platform::Panel* p : panels)
      p->SetColor(row.fitted ? printerthread::kOfferedColour : printerthread::kWithheldColour);
    std::size_t i = 0;
    for (QLabel* l : labels) l->setText(platform::ToQt(row.labels[i++]));
  };
  show(rows.bluetooth, {PanelBT_Name, PanelBT_Key}, {LabelBT_Name, LabelBT_Key});
  show(rows.lan, {PanelLAN_Name, PanelLAN_MAC, PanelLAN_IP}, {LabelLAN_Name, LabelLAN_MAC, LabelLAN_IP});
  show(rows.wlan, {PanelWLAN_Name, PanelWLAN_MAC, PanelWLAN_IP, PanelWLAN_SSID, PanelWLAN_Signal},
       {LabelWLAN_Name, LabelWLAN_MAC, LabelWLAN_IP, LabelWLAN_SSID, LabelWLAN_Signal});
  show(rows.ntp, {PanelNTP_Server, PanelNTP_Zeitzone, PanelNTP_Zeit},
       {LabelNTP_Server, LabelNTP_Zeitzone, LabelNTP_Zeit});
  show(rows.link, {PanelLK_Name, PanelLK_Domain}, {LabelLK_Name, LabelLK_Domain});
}
