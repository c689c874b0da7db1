#pragma once
// The data page's close menu: "Ja" closes the open print data (unsaved
// changes are dropped; the menu is the only question), "Nein" only closes
// the menu. Opening, importing, restoring and fetching data from the printer
// close the current data through the same step.
#include <QObject>
#include <QWidget>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;

class TFrameMenuSchliessen : public QWidget {
 public:
  explicit TFrameMenuSchliessen(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain;
  platform::Panel* PanelSchliessenJa;
  platform::Panel* PanelSchliessenNein;
  platform::SpeedButton* SpeedButtonSchliessenJa;
  platform::SpeedButton* SpeedButtonSchliessenNein;

  // The data view it closes; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }

  // Closes the open data: title and file path reset, not modified, group
  // reset, nothing marked, Count 0. The clipboard and the view stay.
  void SpeedButtonSchliessenJaClick(QObject* sender);
  void SpeedButtonSchliessenNeinClick(QObject* sender);
  void PanelMainClick(QObject* sender);

 private:
  void IdleStep();

  TFrameDaten* view_ = nullptr;
};
