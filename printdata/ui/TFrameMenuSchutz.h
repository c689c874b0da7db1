#pragma once
// The data page's protection menu: shows and changes the protection value of
// the open group (bit 2 the parameters, bit 4 the notes; bit 1, the layers,
// is never shown nor written). The value binds the user operating mode,
// which therefore may not change it. The toggle states are the Tags of the
// three buttons (1 on).
#include <QObject>
#include <QWidget>
#include <cstdint>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;

class TFrameMenuSchutz : public QWidget {
 public:
  explicit TFrameMenuSchutz(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain;
  platform::Panel* PanelEbenen;
  platform::Panel* PanelParameter;
  platform::Panel* PanelNotizen;
  platform::SpeedButton* SpeedButtonEbenen;  // always disabled
  platform::SpeedButton* SpeedButtonParameter;
  platform::SpeedButton* SpeedButtonNotizen;

  // The data view whose group it protects; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }

  // Sets and paints the toggles from a protection value and highlights the
  // data view's Schutz button while any is on.
  void ShowFlags(std::int32_t value);
  // The toggles into the open group's protection value (marks the data as
  // changed).
  void StoreFlags();

  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizenClick(QObject* sender);
  void SpeedButtonEbenenClick(QObject* sender);
  void PanelEbenenClick(QObject* sender);
  void PanelMainClick(QObject* sender);

 private:
  void Toggle(platform::SpeedButton* button);
  void RefuseInUserMode(platform::SpeedButton* button);
  bool UserMode() const;

  TFrameDaten* view_ = nullptr;
};
