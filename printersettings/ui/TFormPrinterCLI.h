#pragma once
// The printer console (" Steuerung CLI (Command Line Interface)"): a
// technician types a printer command, runs it with "Ausführen" or Enter and
// reads the printer's answer. Modeless and on top; the settings view's
// "CLI" tile opens and closes it (Toggle).
//
// The window never talks to the printer: "Ausführen" raises the console
// request with the line as typed, and the printer thread runs it and drives
// the window through the steps below (busy, answer, remember, idle). The
// thread handles the words "CLS", "FORMAT", "EDIT.KONFIG" and
// "TARVIK23.FIRMWAREINSTALLER" itself. A line longer than the printer's
// command buffer is refused here with a notice and never cut. Commands run
// only in the operating modes "Techniker" and above (or without a login
// window); otherwise the operator is told.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <string>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printersettings/ui/PrinterWindow.h"

class TFormPrinterCLI : public printersettings::ui::PrinterWindow {
 public:
  explicit TFormPrinterCLI(QWidget* owner);
  ~TFormPrinterCLI() override;

  static constexpr int kHistoryLimit = 2000;

  QLabel* LabelKommandoTitel;
  platform::Panel* PanelKommandoEingabe;
  QComboBox* ComboBoxKommando;
  platform::Panel* PanelKommandoAusfuehren;
  platform::SpeedButton* SpeedButtonKommandoAusfuehren;
  QLabel* LabelAntwortTitel;
  QPlainTextEdit* MemoAntwort;

  // The line handed to the printer thread with the last request.
  std::string CommandText;

  void SpeedButtonKommandoAusfuehrenClick(QObject* sender);

  // The printer thread's steps (GUI thread).
  void LockInput();
  void ShowAnswer(const std::string& reply);
  // Keeps `command` in the list when it was typed rather than picked and
  // the list has room.
  void AddHistory(const std::string& command);
  void UnlockInput();
  // Busy: a command runs (the answer is yellow); the window stays open.
  bool Busy() const { return busy_; }

  // The command list's entry the line shows as picked, -1 when the line
  // was typed or changed.
  int ItemIndex() const;
  // The input follows the operating mode: usable from "Techniker" on.
  void ApplyOperatingMode(int mode);

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool MayRun() const;
  void ShowDenied();
  void InsertSorted(const QString& line);
  void Arrange();

  bool busy_ = false;
  bool picked_ = false;
  bool adjusting_ = false;
};

extern TFormPrinterCLI* FormPrinterCLI;
