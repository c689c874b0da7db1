#pragma once
// The info window: the program's version and release, the PC identifier and
// the maker's contact block in the UI language, with buttons for the
// maker's e-mail contact, home pages and support page. The help menu shows
// it and acts on the button that closed it.
#include <QDialog>

#include "app/pc/MemoView.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

class TFormInfo : public QDialog {
 public:
  // The modal results.
  static constexpr int kEmail = 100;
  static constexpr int kInternet = 200;
  static constexpr int kSupport = 300;
  static constexpr int kCancel = 2;

  explicit TFormInfo(QWidget* owner);
  ~TFormInfo() override;

  platform::Panel* PanelMain;
  app::MemoView* Memo;
  platform::Panel* PanelUnten;
  platform::Panel* PanelEmail;
  platform::SpeedButton* SpeedButtonEmail;
  platform::Panel* PanelInternet;
  platform::SpeedButton* SpeedButtonInternet;
  platform::Panel* PanelSupport;
  platform::SpeedButton* SpeedButtonSupport;
  platform::Panel* PanelAbbrechen;
  platform::SpeedButton* SpeedButtonAbbrechen;

  // Centres the window and fills the memo in the current UI language.
  void FormShow();
  // The memo's lines for `language`; until the first showing the window
  // holds the German ones (which is what a hard copy prints then).
  void FillMemo(int language);

  void SpeedButtonEmailClick(QObject* sender);
  void SpeedButtonInternetClick(QObject* sender);
  void SpeedButtonSupportClick(QObject* sender);
  void SpeedButtonAbbrechenClick(QObject* sender);

  // Closing the window by other means counts as "Abbrechen".
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

extern TFormInfo* FormInfo;
