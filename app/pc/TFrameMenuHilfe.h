#pragma once
// The help menu of the main window's side bar: user guide, remote support,
// e-mail and info. Its user guide action is also what F1 does in every
// window (platform/qt/UserGuide.h).
#include <QObject>
#include <QWidget>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameMenuHilfe : public QWidget {
 public:
  explicit TFrameMenuHilfe(QWidget* owner);
  ~TFrameMenuHilfe() override;

  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelBenutzerhandbuch;
  platform::SpeedButton* SpeedButtonBenutzerhandbuch;
  platform::Panel* PanelFernsteuerung;
  platform::SpeedButton* SpeedButtonFernsteuerung;
  platform::Panel* PanelEmail;
  platform::SpeedButton* SpeedButtonEmail;
  platform::Panel* PanelInfo;
  platform::SpeedButton* SpeedButtonInfo;

  // HELP/"Benutzerhandbuch Tarvik23.pdf", HELP/"User Guide Tarvik23.pdf",
  // TEAMVIEWER/"TeamViewerQS.exe".
  std::string GuidePathDE, GuidePathEN, RemoteSupportPath;

  // Opens the guide of the UI language (else the other one, else the
  // product's support page) behind a short busy message. Works whether the
  // button is enabled or not; the guide files are looked for at every call.
  void SpeedButtonBenutzerhandbuchClick(QObject* sender);
  void SpeedButtonFernsteuerungClick(QObject* sender);
  void SpeedButtonEmailClick(QObject* sender);
  // The info window; its buttons open the maker's pages.
  void SpeedButtonInfoClick(QObject* sender);
  // A click on the background closes the menu.
  void PanelMain1Click(QObject* sender);
};
