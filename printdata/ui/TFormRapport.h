#pragma once
// The report options ("Rapport"): which blocks the printed report of the
// open data shows besides each print text's picture: its layers, its
// parameters, its note, and a last page with the info window. The report
// shows the dialog modally each time it starts and goes on only after OK.
// The choice holds for the rest of the program's run and starts with every
// block on; "Drucktexte" (the pictures themselves) is always on.
//
// One instance, FormRapport, created at start-up.
#include <QDialog>
#include <cstdint>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class DataSetHost;

class TFormRapport : public QDialog {
 public:
  explicit TFormRapport(QWidget* owner);
  ~TFormRapport() override;

  platform::Panel* PanelMain;
  platform::Panel* PanelDrucktexte;
  platform::SpeedButton* SpeedButtonDrucktexte;
  platform::Panel* PanelEbenen;
  platform::SpeedButton* SpeedButtonEbenen;
  platform::Panel* PanelParameter;
  platform::SpeedButton* SpeedButtonParameter;
  platform::Panel* PanelNotizen;
  platform::SpeedButton* SpeedButtonNotizen;
  platform::Panel* PanelInfo;
  platform::SpeedButton* SpeedButtonInfo;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // Each 1 (the block is shown) or 0.
  std::uint8_t IncludeTexts = 1;  // always 1
  std::uint8_t IncludeLayers = 1;
  std::uint8_t IncludeParameters = 1;
  std::uint8_t IncludeNotes = 1;
  std::uint8_t IncludeInfo = 1;

  // The program's services: centring, hard copy, user guide.
  void Connect(DataSetHost* host) { host_ = host; }
  // 6 after OK, 7 after "Abbrechen" (Esc, or closing the window).
  int ShowModal();

  void FormShow();
  void ShowFlags();
  void SpeedButtonDrucktexteClick(QObject* sender);
  void SpeedButtonEbenenClick(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizenClick(QObject* sender);
  void SpeedButtonInfoClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void Toggle(platform::SpeedButton* button, std::uint8_t& flag);

  DataSetHost* host_ = nullptr;
};

// The one instance, created at start-up.
extern TFormRapport* FormRapport;
