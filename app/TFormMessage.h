#pragma once
// The program's one message window: busy messages without buttons, notices
// with an OK button and yes/no questions. Colours carry the meaning (silver
// neutral, yellow busy, green success, red failure); the window holds the
// catalogue of message texts that the language file replaces.
#include <QDialog>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/qt/InputBlocker.h"
#include "platform/qt/NamedColours.h"
#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"

enum class MessageKind { None = 0, Busy = 1, Notice = 2, Question = 3 };

class TFormMessage : public QDialog {
 public:
  explicit TFormMessage(QWidget* owner);
  ~TFormMessage() override;

  // Colours callers pass (system colour numbers).
  static constexpr std::uint32_t kSilver = platform::colours::kSilver;
  static constexpr std::uint32_t kYellow = platform::colours::kYellow;
  static constexpr std::uint32_t kGreen = platform::colours::kGreen;
  static constexpr std::uint32_t kRed = platform::colours::kRed;
  static constexpr int kYes = 6;
  static constexpr int kNo = 7;

  platform::Panel* PanelMain;
  QLabel* LabelText1;
  QLabel* LabelText2;
  platform::Panel* PanelUnten1;
  platform::Panel* PanelInformationOK;
  platform::SpeedButton* SpeedButtonInformationOK;
  platform::Panel* PanelUnten2;
  platform::Panel* PanelJa;
  platform::SpeedButton* SpeedButtonJa;
  platform::Panel* PanelNein;
  platform::SpeedButton* SpeedButtonNein;

  MessageKind Kind = MessageKind::None;

  // The catalogue, in the order in which the language file replaces it.
  QString MsgSaveOrCloseFirst, MsgSaveFirst, MsgBackupNoOverwrite, MsgDeniedUser, MsgDeniedUserAdmin,
      MsgRunning, MsgTransferring, MsgDoneOk, MsgNoData, MsgDoneFailed, MsgUnplugUsb, MsgStarting,
      MsgClosing, MsgNotAvailable, MsgPrinterNoSupport, MsgFirewall, MsgFixAndRestart, MsgServerDown,
      MsgTryLater, MsgNoInternet, MsgBrowserAccess, MsgYes, MsgNo, MsgRestart, MsgNoPrinter,
      MsgUserCannotChange, MsgProtectionOn, MsgPrinterProtection, MsgUpdateNewest;
  // The 29 texts in the order of the language file's message section.
  QString* CatalogueEntry(int number);  // 1 to 29; nullptr otherwise

  void ShowBusy(const QString& title, const QString& text, std::uint32_t colour, bool modal);
  void ShowNotice(const QString& title, const QString& text, std::uint32_t colour, bool modal);
  void ShowNotice2(const QString& title, const QString& line1, const QString& line2, std::uint32_t colour,
                   bool modal);
  int AskYesNo(const QString& title, const QString& line1, const QString& line2, const QString& yesCaption,
               const QString& noCaption, std::uint32_t colour);

  void SpeedButtonInformationOKClick(QObject* sender);
  void SpeedButtonJaClick(QObject* sender);
  void SpeedButtonNeinClick(QObject* sender);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Content {
    MessageKind kind;
    bool twoLines;
    QString title, text, line1, line2, yes, no;
    std::uint32_t colour;
    bool modal;
  };
  int Present(Content c);
  void SaveMainPanels();
  void RestoreMainPanels();

  // What the main window's side bar and page area were before the first
  // message of a sequence disabled them.
  bool savedValid_ = false;
  // Held while a busy message is shown: the user's input waits, so nothing
  // changes the data under the running work.
  std::unique_ptr<platform::InputBlocker> busyBlock_;
  bool savedLinks_ = true;
  bool savedMain_ = true;
};

extern TFormMessage* FormMessage;
