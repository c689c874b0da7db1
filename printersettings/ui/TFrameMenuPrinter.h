#pragma once
// The printer menu of the main window's side bar: open the printer's print
// data on the PC, save the open print data to the printer. Both raise a
// request that the printer thread serves.
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
  // "Daten öffnen" and "Daten speichern" (the latter enabled only while
  // data is open).
  platform::SpeedButton* SpeedButtonOeffnenVonDrucker;
  platform::SpeedButton* SpeedButtonSpeichernAufDrucker;

  // What the menu needs of the main window, which sets it after creating
  // the menu: the back-to-idle step, whether the open data has unsaved
  // changes, and the grey refusal ("save or close first" when opening,
  // "save first" when saving) titled with the button's caption.
  std::function<void()> CloseMenusAndRefresh;
  std::function<bool()> DataModified;
  std::function<void(const QString& title, bool opening)> ShowRefusal;

  void PanelMain1Click(QObject* sender);
  void SpeedButtonOeffnenVonDruckerClick(QObject* sender);
  void SpeedButtonSpeichernAufDruckerClick(QObject* sender);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Repaint, back to idle, then the refusal or the request.
  bool MayRequest(platform::SpeedButton* button, bool opening);
};
