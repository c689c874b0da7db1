#pragma once
// The selection input ("Wahl"): the print text chosen by a signal code on
// up to four lines. "Modus" is off (0), positive level (1) or negative
// level (2); "Leitungen" the number of lines minus one (0 to 3, so 2, 4, 8
// or 16 codes); "Signal 0" to "Signal 15" the print text of each code (0
// "Aus", 1 to 99). Rows beyond the codes in use are grey but still sent. A
// held row button repeats every 250 ms after 500 ms by 1, 2, 4 and 8. OK
// raises "AUX.CMD %d %d" and sixteen "AUX.PROG %d %d".
#include <array>

#include "printerlink/thread/RequestBoard.h"
#include "printersettings/ui/HelpPanel.h"
#include "printersettings/ui/RepeatTimer.h"
#include "printersettings/ui/SettingForm.h"
#include "printersettings/ui/SettingWidgets.h"

class TFormPrinterStartInterface
    : public printersettings::ui::SettingFormFor<printerthread::InterfaceStartRequest> {
 public:
  explicit TFormPrinterStartInterface(QWidget* owner,
                                      printerthread::RequestSlot<printerthread::InterfaceStartRequest>& slot =
                                          printerthread::PrinterRequests().InterfaceStart);
  ~TFormPrinterStartInterface() override;

  int PrinterInterfaceMode = -1, EditInterfaceMode = -1;
  int PrinterSignalLines = -1, EditSignalLines = -1;
  std::array<int, 16> PrinterSignalText{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int, 16> EditSignalText{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  // The row whose button is held, -1 none.
  int RepeatRow = -1;
  // "Aus", "Positiver Pegel", "Negativer Pegel" and the word "Drucktext"
  // (the language file replaces them).
  std::array<QString, 3> ModeNames{QStringLiteral("Aus"), QStringLiteral("Positiver Pegel"),
                                   QStringLiteral("Negativer Pegel")};
  QString PrintTextWord = QStringLiteral("Drucktext");

  printersettings::ui::ValueRow RowModus;   // PanelModus, LabelModusTitel, LabelModus
  printersettings::ui::ValueRow RowAnzahl;  // PanelAnzahl, LabelAnzahlTitel, LabelAnzahl
  std::array<printersettings::ui::ValueRow, 16> Rows;  // PanelDrucktext0, LabelDrucktext0Titel ...
  printersettings::ui::RepeatTimer* TimerDrucktext0;
  printersettings::ui::HelpPanel* PanelHilfe;

  void SpeedButtonDownModusClick(QObject* sender);
  void SpeedButtonUpModusClick(QObject* sender);
  void SpeedButtonDownAnzahlClick(QObject* sender);
  void SpeedButtonUpAnzahlClick(QObject* sender);
  // The shared handlers of the 32 row buttons: the sender tells the row.
  void SpeedButtonDownDrucktextClick(QObject* sender);
  void SpeedButtonUpDrucktextClick(QObject* sender);
  void SpeedButtonDownDrucktextMouseDown(QObject* sender);
  void SpeedButtonUpDrucktextMouseDown(QObject* sender);
  void SpeedButtonDrucktextMouseUp(QObject* sender);
  void TimerDrucktext0Timer();
  // The row (0 to 15) of a row button, -1 for any other.
  int SignalRowOf(const QObject* button) const;
  platform::SpeedButton* DownButtonOf(int row) const;
  platform::SpeedButton* UpButtonOf(int row) const;
  QLabel* ValueLabelOf(int row) const;
  void UpdateView() override;

 protected:
  void TakePrinterValues(const printerthread::DisplayView& view, bool reset) override;
  void CopyPrinterToEdit() override;
  bool OkAllowed() const override;
  void PublishCaptions(printerthread::PrinterCaptions& captions) const override;
  printerthread::InterfaceStartRequest MakeRequest() const override;

 private:
  void StepText(QObject* sender, int step);
  void PressRow(QObject* sender, int direction);
  int printerStartMode_ = -1;  // the start form's, for the pictures
};

extern TFormPrinterStartInterface* FormPrinterStartInterface;
