#pragma once
// The option unit attached to the printer: "Aus" (0), "REDAdid" (1, with
// its mode), "DEZOzed" (2, shown, never chosen), "DisplayUnit" (3, with its
// key, its mode and, in mode 2, the set-up of its two lines) and
// "SignalUnit" (4, its type and the lamp, horn and alarm contact per
// printer state). The display panel and the signal panel stand right of
// the choices, each shown only for its unit; the form grows with them.
//
// OK raises "OPTION %d" with the unit's sub-commands (the signal unit's
// values go with every option) and a restart of the printer. With the
// display unit in mode 2 OK first writes the two display-line files into
// the work folder (TmpDir); when they cannot be written the form says so
// and stays open.
#include <QLabel>
#include <QString>
#include <array>
#include <string>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/PanelRules.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterBedienteilOption : public printersettings::ui::SettingFormFor<printerthread::PanelOptionRequest> {
 public:
  using Entries = std::array<int, printersettings::kSignalEntries>;

  explicit TFormPrinterBedienteilOption(QWidget* owner,
                                        printerthread::RequestSlot<printerthread::PanelOptionRequest>& slot =
                                            printerthread::PrinterRequests().PanelOption);
  ~TFormPrinterBedienteilOption() override;

  int PrinterOption = -1, EditOption = -1;
  int PrinterMmiMode = -1, EditMmiMode = -1;
  int PrinterDisplayMode = -1, EditDisplayMode = -1;
  int PrinterDisplayButton = -1, EditDisplayButton = -1;
  int PrinterLine1Content = -1, EditLine1Content = -1;
  int PrinterLine2Content = -1, EditLine2Content = -1;
  int PrinterDisplayBehaviour = -1, EditDisplayBehaviour = -1;
  int PrinterDisplayPause = -1, EditDisplayPause = -1;  // 100 ms
  int PrinterSignalType = -1, EditSignalType = -1;
  Entries PrinterLamp{-1, -1, -1, -1, -1, -1, -1, -1}, EditLamp{-1, -1, -1, -1, -1, -1, -1, -1};
  Entries PrinterHorn{-1, -1, -1, -1, -1, -1, -1, -1}, EditHorn{-1, -1, -1, -1, -1, -1, -1, -1};
  Entries PrinterAlarm{-1, -1, -1, -1, -1, -1, -1, -1}, EditAlarm{-1, -1, -1, -1, -1, -1, -1, -1};

  // The program's work folder (ending in "/"), where the display-line files
  // go for the printer thread to send.
  std::string TmpDir;

  // "Direkt", "Verlängerung"; "Typ 1", "Typ 2"; "Modus " (with its blank).
  QString ModeNames[2];
  QString TypeNames[2];
  QString ModeWord;

  // The unit choices, top to bottom.
  platform::Panel *Panel0, *Panel1, *Panel2, *Panel3, *Panel4;
  platform::SpeedButton *SpeedButton0, *SpeedButton2;
  QLabel *Label1Titel, *Label1, *Label3Titel, *Label3, *Label4Titel, *Label4;
  platform::SpeedButton *SpeedButtonDown1, *SpeedButtonUp1, *SpeedButtonDown3, *SpeedButtonUp3, *SpeedButtonDown4,
      *SpeedButtonUp4;

  // The display panel: "Taste" (30), then "Verhalten" (31), "Pause" (32),
  // "Zeile 1" (33), "Zeile 2" (34), editable in mode 2 and read-only
  // (3101 ... 3401) in modes 0 and 1.
  platform::Panel* PanelDisplay;
  using Row = printersettings::ui::ValueRow;  // no arrows on the read-only rows
  Row Row30;
  std::array<Row, 4> DisplayRows;   // 31 .. 34
  std::array<Row, 4> FixedRows;     // 3101 .. 3401

  // The signal panel: per named state (entries 0, 1, 2, 3, 7) a column of
  // the state, its lamp, its horn and its alarm.
  platform::Panel* PanelSignal;
  struct StateColumn {
    platform::Panel* state;
    QLabel *stateTitle, *stateName;
    Row lamp;
    platform::Panel* horn;
    QLabel *hornTitle, *hornText;
    platform::SpeedButton* hornButton;
    platform::Panel* alarm;
    QLabel *alarmTitle, *alarmText;
    platform::SpeedButton* alarmButton;
  };
  std::array<StateColumn, 5> StateColumns;

  // The built-in texts in the UI language.
  QString KeyText(int code) const;
  QString BehaviourText(int code) const;
  QString PauseText(int code) const;
  QString LineContentText(int code) const;
  QString LampText(int code) const;
  QString HornText(int code) const;
  QString AlarmText(int code) const;

  // Writes "D0216F0.SYS" (line 1) and "D0216F1.SYS" (line 2) into TmpDir
  // from the Edit values, both together so that the printer never gets one
  // line new and the other stale. True when both are written.
  bool WriteDisplayLineFiles() const;

  void SpeedButton0Click(QObject* sender);
  // The arrows of a unit: the first click chooses it, the next ones step
  // its mode or type.
  void UnitArrowClick(QObject* sender, int option, int step);
  void DisplayRowClick(QObject* sender, int row, int step);  // 30 .. 34
  void LampClick(QObject* sender, int column, int step);
  void HornClick(QObject* sender, int column);
  void AlarmClick(QObject* sender, int column);
  void UpdateView() override;
  // OK: the display-line files first where they are needed.
  void done(int result) override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::PanelOptionRequest MakeRequest() const override;
  void changeEvent(QEvent* event) override;

 private:
  int OptionToSend() const;
  int Language() const;
  void BuildDisplayPanel();
  void BuildSignalPanel();
  void FitToPanels();
};

extern TFormPrinterBedienteilOption* FormPrinterBedienteilOption;
