#pragma once
// The paste dialog (" Einfügen..."): copies chosen parts of the data view's
// clipboard print text (the five layers, the parameters, the note) into
// the marked print text or into every print text in use. It is modeless
// and stays open after each paste, so the operator can mark another row
// (click, or Up/Down here) and paste again. While it shows, the main
// window's side bar and the data view's top bar are disabled, a double or
// right click on a row only marks it, and the main window's Enter and Esc
// act on it.
//
// A paste never changes a part that the open data protects while
// protection binds (the user operating mode): such a paste is refused
// whole with the protection notice.
//
// One instance, FormEinfuegen, created at start-up; the edit menu's
// "Einfügen..." connects it to the data view and shows it.
#include <QDialog>
#include <QLabel>
#include <QPointer>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/PasteParts.h"

class TFrameDaten;
class DataSetHost;

class TFormEinfuegen : public QDialog {
 public:
  explicit TFormEinfuegen(QWidget* owner);
  ~TFormEinfuegen() override;

  platform::Panel* PanelMain;
  QLabel* LabelWasTitel;
  QLabel* LabelWoTitel;
  platform::Panel* PanelEbenen;
  platform::SpeedButton* SpeedButtonEbenen;
  platform::Panel* PanelParameter;
  platform::SpeedButton* SpeedButtonParameter;
  platform::Panel* PanelNotiz;
  platform::SpeedButton* SpeedButtonNotiz;
  platform::Panel* PanelEinfuegenMarkierterDrucktext;
  platform::SpeedButton* SpeedButtonEinfuegenMarkierterDrucktext;
  platform::Panel* PanelEinfuegenFuerAlle;
  platform::SpeedButton* SpeedButtonEinfuegenFuerAlle;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // The data view it pastes into, the program's services (centring, hard
  // copy, user guide) and the main window's side bar, which it locks.
  void Connect(TFrameDaten* view, DataSetHost* host, QWidget* sideBar);

  // The choice the buttons' Tags hold.
  printdata::PasteParts Parts() const;
  printdata::PasteTarget Target() const;

  void FormShow();
  void SpeedButtonEbenenClick(QObject* sender);
  void SpeedButtonParameterClick(QObject* sender);
  void SpeedButtonNotizClick(QObject* sender);
  void SpeedButtonEinfuegenMarkierterDrucktextClick(QObject* sender);
  void SpeedButtonEinfuegenFuerAlleClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  // Lets go of the side bar and the top bar; runs whenever the dialog goes.
  void FormClose();
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TogglePart(platform::SpeedButton* button, platform::Panel* panel);
  void ChooseTarget(platform::SpeedButton* chosen);
  void Paste();
  void SelectRow(int row);

  QPointer<TFrameDaten> view_;
  DataSetHost* host_ = nullptr;
  QPointer<QWidget> sideBar_;
};

// The one instance, created at start-up.
extern TFormEinfuegen* FormEinfuegen;
