#pragma once
// The restore's choice of parts: "Daten" (DATA and DATAEASY), "Grafiken"
// (BMP) and "Einstellungen" (CONFIG and SERVICE), each a toggle that starts
// chosen. OK (6) is refused to the user operating mode; "Abbrechen" gives 7.
#include <QDialog>
#include <QLabel>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFormHerstellen : public QDialog {
 public:
  explicit TFormHerstellen(QWidget* owner);
  ~TFormHerstellen() override;

  platform::Panel* PanelMain;
  QLabel* LabelWasTitel;
  platform::Panel* PanelDaten;
  platform::SpeedButton* SpeedButtonDaten;
  platform::Panel* PanelBilder;
  platform::SpeedButton* SpeedButtonBilder;
  platform::Panel* PanelEinstellungen;
  platform::SpeedButton* SpeedButtonEinstellungen;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // 6 for OK, 7 otherwise; the chosen parts are the toggles' Tags (1 chosen).
  int ShowModal();

  void FormShow();
  void SpeedButtonDatenClick(QObject* sender);
  void SpeedButtonBilderClick(QObject* sender);
  void SpeedButtonEinstellungenClick(QObject* sender);
  void PanelOKClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Toggle(platform::Panel* panel, platform::SpeedButton* button);
  void UpdateOk();
  bool UserMode() const;
};

extern TFormHerstellen* FormHerstellen;
