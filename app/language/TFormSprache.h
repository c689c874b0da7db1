#pragma once
// The language choice. It keeps the UI language that the texts built into
// the code are chosen by, loads the chosen language's file into every window
// and Qt's own texts in that language, and shows the checksum of the last
// language file tried (highest operating mode only).
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <array>
#include <atomic>
#include <string>

#include "app/language/QtTranslations.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFormSprache : public QDialog {
 public:
  explicit TFormSprache(QWidget* owner);
  ~TFormSprache() override;

  static constexpr int kLanguages = 5;
  // The file of each language id; any id outside 1..4 means German.
  static std::string FileName(int id);

  platform::Panel* PanelMain;
  platform::Panel* PanelDE;
  platform::SpeedButton* SpeedButtonDE;
  platform::Panel* PanelEN;
  platform::SpeedButton* SpeedButtonEN;
  platform::Panel* PanelES;
  platform::SpeedButton* SpeedButtonES;
  platform::Panel* PanelFR;
  platform::SpeedButton* SpeedButtonFR;
  platform::Panel* PanelIT;
  platform::SpeedButton* SpeedButtonIT;
  platform::Panel* PanelUnten;
  platform::Panel* PanelOK;
  platform::SpeedButton* SpeedButtonOK;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;
  QLineEdit* Edit_SpracheCRC;
  QMenu* PopupMenuLeer;

  // 0 German, 1 English, 2 French, 3 Italian, 4 Spanish. Only SetLanguage
  // changes it, and only to one of these.
  int GetLanguage() const { return ActiveLanguage.load(); }
  int GetChosenLanguage() const { return ChosenLanguage; }
  // 1 when the language's file was loaded and the id stored (any id outside
  // 1..4 as 0), and Qt's texts follow it; -1 when it was not loaded: the
  // active language then stays, Qt's texts with it.
  int SetLanguage(int id);

  std::atomic<int> ActiveLanguage{0};
  int ChosenLanguage = 0;

  void FormShow();
  void UpdateLanguageView();
  // The checksum field's colour: red after a file whose checksum line was
  // wrong, else the window's grey.
  void ShowChecksumWrong(bool wrong);

  void SpeedButtonDEClick(QObject* sender);
  void SpeedButtonENClick(QObject* sender);
  void SpeedButtonFRClick(QObject* sender);
  void SpeedButtonITClick(QObject* sender);
  void SpeedButtonESClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Qt's texts in the active language, from the start on (German) until
  // the dialog goes.
  app::QtTranslations qtTexts_;
  // The language panels and buttons by id.
  std::array<platform::Panel*, kLanguages> LanguagePanels() const;
  std::array<platform::SpeedButton*, kLanguages> LanguageButtons() const;
  void Choose(int id, platform::SpeedButton* button);
};

extern TFormSprache* FormSprache;
