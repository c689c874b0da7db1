#pragma once
// The printer menu of the main window's side bar, in three groups: open
// the printer's print data on the PC and save the open print data to the
// printer (both raise a request that the printer thread serves); the
// remote control ("Fernsteuerung", shown only where there is one); the
// printer settings view ("Einstellungen").
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameMenuPrinter : public QWidget {
 public:
  explicit TFrameMenuPrinter(QWidget* owner);

  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelMain3;
  // "Daten öffnen" and "Daten speichern" (the latter enabled only while
  // data is open).
  platform::SpeedButton* SpeedButtonOeffnenVonDrucker;
  platform::SpeedButton* SpeedButtonSpeichernAufDrucker;
  platform::SpeedButton* SpeedButtonFernsteuerungDrucker;
  platform::SpeedButton* SpeedButtonEinstellen;

  // What the menu needs of the main window, which sets it after creating
  // the menu: the back-to-idle step, whether the open data has unsaved
  // changes, and the grey refusal ("save or close first" when opening,
  // "save first" when saving) titled with the button's caption.
  std::function<void()> CloseMenusAndRefresh;
  std::function<bool()> DataModified;
  std::function<void(const QString& title, bool opening)> ShowRefusal;
  // Shows the printer settings view (TFramePrinter::ShowView).
  std::function<void()> ShowSettingsView;

  void PanelMain1Click(QObject* sender);
  void SpeedButtonOeffnenVonDruckerClick(QObject* sender);
  void SpeedButtonSpeichernAufDruckerClick(QObject* sender);
  void SpeedButtonFernsteuerungDruckerClick(QObject* sender);
  void SpeedButtonEinstellenClick(QObject* sender);

  // Lays the groups out: "Fernsteuerung" only while there is a remote
  // control (OtherPrinterWindows()); the menu is as high as its groups.
  void ArrangeGroups();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Repaint, back to idle, then the refusal or the request.
  bool MayRequest(platform::SpeedButton* button, bool opening);
};
