#pragma once
// The two storage-slot dialogs, TFormOeffnen ("Öffnen") and TFormSpeichern
// ("Speichern unter..."): twenty slot buttons for the data sets in the slot
// store, a tall "..." button that hands over to the file dialog for any file
// below DATA, and the slot clipboard ("Verwalten": remove, cut, copy and
// paste whole slots). The save dialog adds the name entry over the selected
// slot. A dialog only chooses: after ShowModal returned 6 the chosen path is
// SelectedFolder + SelectedFile; the data-set menus load or write there.
//
// Both are twins and share this class; each is created once at start-up and
// connected to the data view and the program's services before it is
// shown. Everything runs in the GUI thread.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printdata/SlotStore.h"

class QEventLoop;
class QLineEdit;
class QMenu;
class TFrameDaten;
class DataSetHost;

namespace printdata::ui {

class SlotDialog : public QDialog {
 public:
  static constexpr int kSlots = kSlotCount;
  // Sizes of the parts the window is made of.
  static constexpr int kMainWidth = 785;
  static constexpr int kMainHeight = 569;
  static constexpr int kBottomHeight = 65;
  static constexpr int kManageWidth = 104;
  // A slot that is not selected; a selected one is navy with a white bold
  // caption.
  static constexpr std::uint32_t kSlotColour = 13149858;

  ~SlotDialog() override;

  platform::Panel* PanelMain;
  std::array<platform::Panel*, kSlots> PanelSpeicher{};             // PanelSpeicher01 .. 20
  std::array<platform::SpeedButton*, kSlots> SpeedButtonSpeicher{};  // SpeedButtonSpeicher01 .. 20
  platform::Panel* PanelDateiManager;
  platform::SpeedButton* SpeedButtonDateiManager;
  platform::Panel* PanelUnten;
  platform::Panel* PanelVerwalten;
  platform::SpeedButton* SpeedButtonVerwalten;
  platform::Panel* PanelUnten2;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;
  platform::Panel* PanelLinks;
  platform::Panel* PanelDEL;
  platform::SpeedButton* SpeedButtonDEL;
  platform::Panel* PanelCUT;
  platform::SpeedButton* SpeedButtonCUT;
  platform::Panel* PanelCOPY;
  platform::SpeedButton* SpeedButtonCOPY;
  platform::Panel* PanelPASTE;
  platform::SpeedButton* SpeedButtonPASTE;
  // The save dialog's name entry (nullptr in the open dialog).
  QLineEdit* EditEingabe = nullptr;
  QMenu* PopupMenuLeer = nullptr;

  // The choice: the folder with its final "/" and the file name, "" while
  // nothing is chosen. They keep their values after the dialog ends until
  // it is shown again.
  std::string SelectedFolder;
  std::string SelectedFile;
  // Save dialog: the choice is a slot, whose earlier content goes once the
  // data set has been saved there (false for a file chosen through "...").
  bool SlotChosen = false;

  // The data view whose open data the dialog starts from and marks, and the
  // program's services.
  void Connect(TFrameDaten* view, DataSetHost* host);
  // 6 when something was chosen, 7 otherwise.
  int ShowModal();

  std::string FindSlotFile(const std::string& folder) const;
  void FillSlotCaptions();
  void ResetSlotHighlight();
  void UpdateSlotButtons();

  void FormShow();
  // The handlers SpeedButtonSpeicher01Click .. SpeedButtonSpeicher20Click:
  // one routine, the slot 1 to 20 fixed per button.
  void SpeedButtonSpeicherClick(int slot);
  void SpeedButtonDateiManagerClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);
  void EditEingabeChange();
  // Runs at every end of the dialog: open data whose file has gone (removed
  // or cut through the clipboard) stays open, marked changed, without a
  // path.
  void FormClose();
  // Enter, Esc, Ctrl+P and F1; whether the key was one of them.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

  // The slot clipboard.
  void SpeedButtonVerwaltenClick(QObject* sender);
  void SpeedButtonDELClick(QObject* sender);
  void SpeedButtonCUTClick(QObject* sender);
  void SpeedButtonCOPYClick(QObject* sender);
  void SpeedButtonPASTEClick(QObject* sender);

  bool Saving() const { return saving_; }

 protected:
  SlotDialog(QWidget* owner, bool saving, const char* objectName, const QString& caption, const QString& okCaption);

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(const QString& okCaption);
  void SizeToPanels();
  void SetModalResult(int result);
  void DrawSelected(platform::Panel* panel, platform::SpeedButton* button);
  void SelectSlot(int slot);
  void SetEntryText(const QString& text);
  // The save dialog's OK: a slot whose folder exists and a usable name.
  bool SaveAllowed() const;
  std::string DataEasyDir() const;

  bool saving_;
  TFrameDaten* view_ = nullptr;
  DataSetHost* host_ = nullptr;
  QEventLoop* loop_ = nullptr;
  int modalResult_ = 0;
};

}  // namespace printdata::ui
