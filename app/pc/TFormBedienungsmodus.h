#pragma once
// The operating-mode login: step down freely, step up with a password. The
// window owns the mode that about seventy gates of the program read.
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <atomic>

#include "app/pc/OperatingModeLogin.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class QLabel;

class TFormBedienungsmodus : public QDialog {
 public:
  explicit TFormBedienungsmodus(QWidget* owner);
  ~TFormBedienungsmodus() override;

  platform::Panel* PanelMain;
  platform::Panel* PanelBenutzer;
  platform::SpeedButton* SpeedButtonBenutzer;
  platform::Panel* PanelAdministrator;
  platform::SpeedButton* SpeedButtonAdministrator;
  platform::Panel* PanelService;
  platform::SpeedButton* SpeedButtonService;
  platform::Panel* PanelPasswort;
  QLabel* LabelPasswortTitel;
  platform::Panel* PanelEingabe;
  QLineEdit* EditEingabe;
  QMenu* PopupMenuLeer;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  unsigned StartupMode = 0;
  unsigned ChosenMode = 0;
  // Written only by the GUI thread, read by every thread's gates.
  std::atomic<unsigned> CurrentMode{0};
  bool StoreStartupMode = false;
  QString NameBenutzer = QStringLiteral("Benutzer");
  QString NameAdministrator = QStringLiteral("Administrator");
  QString NameTechniker = QStringLiteral("Techniker");

  app::OperatingMode GetOperatingMode() const { return app::ValidMode(CurrentMode.load()); }
  void SetOperatingMode(unsigned mode);
  app::OperatingMode GetStartupMode() const { return app::ValidMode(StartupMode); }
  void SetStartupMode(unsigned mode);

  void FormShow();
  void UpdateModeView();
  void EditEingabeChange();
  void SpeedButtonBenutzerClick(QObject* sender);
  void SpeedButtonAdministratorClick(QObject* sender);
  void SpeedButtonServiceClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  // Closing through the window manager is "Abbrechen" (7).
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

extern TFormBedienungsmodus* FormBedienungsmodus;
