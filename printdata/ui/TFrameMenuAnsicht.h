#pragma once
// The data page's view menu: which of the columns layers, parameters and
// notes the rows show, and the zoom of the row pictures (1 to 5). The
// settings live in Tags: of the three toggle buttons (1 shown, anything
// else hidden) and of LabelZoom. They belong to the view, not to the open
// data, and the window configuration keeps them.
#include <QObject>
#include <QWidget>

#include "platform/qt/Label.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;

class TFrameMenuAnsicht : public QWidget {
 public:
  explicit TFrameMenuAnsicht(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain1;
  platform::Panel* PanelEbenen;
  platform::Panel* PanelParameter;
  platform::Panel* PanelNotizen;
  platform::SpeedButton* SpeedButtonEbenen;
  platform::SpeedButton* SpeedButtonParameter;
  platform::SpeedButton* SpeedButtonNotizen;
  platform::Panel* PanelMain2;
  platform::Panel* PanelZoom;
  platform::Panel* PanelZoomDown;  // the halves of the zoom field
  platform::Panel* PanelZoomUp;
  platform::SpeedButton* SpeedButtonZoomDown;
  platform::SpeedButton* SpeedButtonZoomUp;
  platform::Label* LabelZoomTitel;
  platform::Label* LabelZoom;

  // The data view it lays out; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }

  void SpeedButtonEbenenClick(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizenClick(QObject* sender);
  void SpeedButtonZoomDownClick(QObject* sender);
  void SpeedButtonZoomUpClick(QObject* sender);
  // Paints the toggles from their Tags and lays the data view out.
  void ApplyColumns();
  // Keeps the zoom within 1..5, shows it and lays the data view out.
  void ApplyZoom();
  void PanelMain1Click(QObject* sender);

 private:
  void Toggle(platform::SpeedButton* button);
  void StepZoom(platform::SpeedButton* button, int step);
  void ShowZoom();
  void IdleStep();

  TFrameDaten* view_ = nullptr;
};
