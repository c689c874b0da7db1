#pragma once
// The data list's edit menu (the "Werkzeug" button and a right click on a
// row): open the marked print text in the editor, insert a new one after it,
// remove it, cut, copy and paste it through the clipboard print text, and
// the paste dialog. The list keeps at least one and at most 99 print texts;
// in the user operating mode, protected data cannot be changed here.
//
// The Tags of the two paste buttons say whether anything was cut or copied
// in this program run (0 before, 1 from then on).
#include <QObject>
#include <QWidget>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFrameDaten;

class TFrameMenuBearbeiten : public QWidget {
 public:
  explicit TFrameMenuBearbeiten(QWidget* owner);

  platform::Panel* PanelEingang;
  platform::Panel* PanelMain1;
  platform::Panel* PanelMain2;
  platform::Panel* PanelMain3;
  platform::Panel* PanelBearbeiten;
  platform::Panel* PanelNeu;
  platform::Panel* PanelEntfernen;
  platform::Panel* PanelAusschneiden;
  platform::Panel* PanelKopieren;
  platform::Panel* PanelEinfuegen;
  platform::Panel* PanelEinfuegenErweitert;
  platform::SpeedButton* SpeedButtonBearbeiten;
  platform::SpeedButton* SpeedButtonNeu;
  platform::SpeedButton* SpeedButtonEntfernen;
  platform::SpeedButton* SpeedButtonAusschneiden;
  platform::SpeedButton* SpeedButtonKopieren;
  platform::SpeedButton* SpeedButtonEinfuegen;
  platform::SpeedButton* SpeedButtonEinfuegenErweitert;

  // The data view it edits; set by TFrameDaten::Connect.
  void Attach(TFrameDaten* view) { view_ = view; }

  // The enabled states the back-to-idle step sets: with `locked` (protected
  // data in the user mode) only Bearbeiten and Kopieren; otherwise Neu below
  // 99 print texts, Entfernen from 2, the paste buttons once armed.
  void ApplyEnabledStates(int count, bool locked);

  void SpeedButtonBearbeitenClick(QObject* sender);
  void SpeedButtonNeuClick(QObject* sender);
  void SpeedButtonEntfernenClick(QObject* sender);
  void SpeedButtonAusschneidenClick(QObject* sender);
  void SpeedButtonKopierenClick(QObject* sender);
  void SpeedButtonEinfuegenClick(QObject* sender);
  void SpeedButtonEinfuegenErweitertClick(QObject* sender);
  // A click on the panel of a disabled button: the protection notice.
  void PanelNeuClick(QObject* sender);
  void PanelEntfernenClick(QObject* sender);
  void PanelAusschneidenClick(QObject* sender);
  void PanelEinfuegenClick(QObject* sender);
  void PanelEinfuegenErweitertClick(QObject* sender);
  void PanelMain1Click(QObject* sender);

 private:
  // Repaints the button and runs the back-to-idle step; false when the menu
  // is not tied to a data view.
  bool Begin(platform::SpeedButton* button);
  // Runs a handler's work; a failure sounds the stop beep and lets the list
  // be drawn again, leaving the data as far as the work got.
  void Guarded(void (TFrameMenuBearbeiten::*work)());
  void Bearbeiten();
  void Neu();
  void Entfernen();
  void Ausschneiden();
  void Kopieren();
  void Einfuegen();
  void EinfuegenErweitert();
  void IdleStep();
  void ArmPaste();
  void ProtectionNotice(platform::SpeedButton* button);

  TFrameDaten* view_ = nullptr;
};
