#pragma once
// The printer settings view, the third page of the main window: the
// printer's settings as tiles in six sections ("Gerät", "Start",
// "Unterdrückung" with "Auslauf", "Geschwindigkeit", "Bedienteil",
// "Steuerung"). A tile shows its title and the printer's value (written by
// the printer thread's display steps, "?" while unknown); pressing it
// opens its setting form, and OK there raises the form's request. Other
// tiles toggle the diagnosis window, the console and the remote control,
// back up or restore the printer's configuration file through the file
// dialog, or open the communication window. "Rapport" prints all settings
// (platform::PrintPrinterSettings), "?" shows the quick help, "OK" leaves
// the view.
//
// The tiles follow the printer: after a lost link every value shows "?",
// the conditional tiles are withheld and no section reacts until the next
// refresh (printerlink/thread/DisplayRules.h has the rules). The forms of
// other sections and the service windows come through
// OtherPrinterWindows() (PrinterWindowHooks.h).
#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/Panel.h"
#include "platform/qt/SpeedButton.h"
#include "printerlink/thread/DisplayRules.h"
#include "printerlink/thread/PrinterDisplay.h"
#include "printersettings/ui/PrinterViewHost.h"
#include "printersettings/ui/SettingForm.h"

class TFramePrinter : public QWidget, public printerthread::PrinterDisplay {
 public:
  explicit TFramePrinter(QWidget* owner);
  ~TFramePrinter() override;

  void SetHost(printersettings::ui::PrinterViewHost* host) { host_ = host; }

  // A tile: its panel, title and value lines and the button over it. Tiles
  // whose button carries their caption have no lines.
  struct Tile {
    platform::Panel* panel = nullptr;
    QLabel* title = nullptr;
    QLabel* value = nullptr;
    platform::SpeedButton* button = nullptr;
  };

  platform::Panel* PanelTitel;
  platform::Panel *PanelGeraet, *PanelDruckstart, *PanelUnterdrueckung, *PanelDruckgeschwindigkeit, *PanelBedienteil,
      *PanelDruckersteuerung;
  QLabel *LabelGeraetTitel, *LabelDruckstartTitel, *LabelUnterdrueckungTitel, *LabelAuslaufTitel,
      *LabelDruckgeschwindigkeitTitel, *LabelBedienteilTitel, *LabelDruckersteuerungTitel;
  Tile GeraetTyp, GeraetAusrichtung, GeraetAufstarten, GeraetSleep, GeraetDPI;
  Tile DruckstartModus, DruckstartInterface, DruckstartVerschieben;
  Tile UnterdrueckungModus, UnterdrueckungVerschieben, AuslaufModus;
  Tile DruckgeschwindigkeitTaktquelle, DruckgeschwindigkeitFaktor, DruckgeschwindigkeitAktuell;
  Tile BedienteilTyp, BedienteilOption, BedienteilProgramme;
  Tile DruckersteuerungSichern, DruckersteuerungDiagnose, DruckersteuerungUhr, DruckersteuerungVendrel,
      DruckersteuerungStatus, DruckersteuerungHerstellen, DruckersteuerungCLI, DruckersteuerungZaehler,
      DruckersteuerungPulsdauer;
  platform::Panel* PanelUnten;
  platform::Panel *PanelRapport, *PanelOK, *PanelHilfe;
  platform::SpeedButton *SpeedButtonRapport, *SpeedButtonOK, *SpeedButtonHilfe;

  // The configuration backup and restore: the PC file chosen last.
  std::string BackupPath, RestorePath;

  void ShowView();
  void CloseView();

  void SpeedButtonGeraetTypClick(QObject* sender);
  void SpeedButtonGeraetAusrichtungClick(QObject* sender);
  void SpeedButtonGeraetAufstartenClick(QObject* sender);
  void SpeedButtonGeraetSleepClick(QObject* sender);
  void SpeedButtonGeraetDPIClick(QObject* sender);
  void SpeedButtonDruckstartModusClick(QObject* sender);
  void SpeedButtonDruckstartInterfaceClick(QObject* sender);
  void SpeedButtonDruckstartVerschiebenClick(QObject* sender);
  void SpeedButtonUnterdrueckungModusClick(QObject* sender);
  void SpeedButtonUnterdrueckungVerschiebenClick(QObject* sender);
  void SpeedButtonAuslaufModusClick(QObject* sender);
  void SpeedButtonDruckgeschwindigkeitTaktquelleClick(QObject* sender);
  void SpeedButtonDruckgeschwindigkeitFaktorClick(QObject* sender);
  void SpeedButtonDruckgeschwindigkeitAktuellClick(QObject* sender);
  void SpeedButtonBedienteilTypClick(QObject* sender);
  void SpeedButtonBedienteilOptionClick(QObject* sender);
  void SpeedButtonBedienteilProgrammeClick(QObject* sender);
  void SpeedButtonDruckersteuerungSichernClick(QObject* sender);
  void SpeedButtonDruckersteuerungHerstellenClick(QObject* sender);
  void SpeedButtonDruckersteuerungUhrClick(QObject* sender);
  void SpeedButtonDruckersteuerungZaehlerClick(QObject* sender);
  void SpeedButtonDruckersteuerungVendrelClick(QObject* sender);
  void SpeedButtonDruckersteuerungPulsdauerClick(QObject* sender);
  void SpeedButtonDruckersteuerungDiagnoseClick(QObject* sender);
  void SpeedButtonDruckersteuerungCLIClick(QObject* sender);
  void SpeedButtonDruckersteuerungStatusClick(QObject* sender);
  void SpeedButtonOKClick(QObject* sender);
  void SpeedButtonRapportClick(QObject* sender);
  void SpeedButtonHilfeClick(QObject* sender);

  // The printer thread's display steps.
  void ResetDisplay(const printerthread::DisplayView& view) override;
  void RefreshDisplay(const printerthread::DisplayView& view) override;

  // The tile of a window that stays open beside the view (diagnosis,
  // console, remote control): dark blue with white bold text while the
  // window is shown, back to the look it was made with when the window
  // closes, however it closes.
  static void ShowWindowShown(const Tile& tile, bool shown);

  // Offers the buttons of the tiles whose windows exist (after start-up
  // filled OtherPrinterWindows(); also at every showing).
  void ApplyWindowHooks();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Each tile's lines in the largest font that shows them whole.
  void FitTexts();
  // Every tile that opens a setting form: back to idle, the form modally,
  // on OK `couple` (the start/selection coupling) and the form's request.
  void OpenSetting(QObject* sender, printersettings::ui::SettingForm* form, const std::function<void()>& couple = {});
  void Toggle(QObject* sender, QWidget* window);
  void CoupleAfterStart();
  void CoupleAfterSelection();
  // "Sichern" and "Herstellen" through the file dialog: the chosen file, or
  // nothing when the operator cancelled (or the refusal ended it).
  void ChooseConfigFile(QObject* sender, bool backup);
  void SetUpConfigDialog(TForm_FileDialog& dialog, const QString& title, bool backup) const;
  // Tile buttons by the display rules and by whether their window exists.
  void OfferButton(const Tile& tile, bool offeredByRule);
  void ApplyTileState(const Tile& tile, const printerthread::TileState& state);
  void ApplyTiles(const printerthread::SettingsTiles& tiles);
  // The value labels of the tiles that show values.
  std::vector<QLabel*> ValueLabels() const;
  // Writes the value labels from the mirror's texts.
  void ShowTileValues(const printerthread::PrinterMirror& m, const printerthread::PrinterCaptions& c);
  // After a change of language: the values again from the mirror last
  // shown, their names in the new language.
  void ShowValuesInNewLanguage();
  std::vector<platform::Panel*> Sections() const;
  void LayOut();

  printersettings::ui::PrinterViewHost* host_ = nullptr;
  // What the last display step brought.
  int cliWord_ = -1;
  printerthread::SettingsTiles tiles_;
  // The mirror the values were last written from; none after a reset, when
  // every value shows "?".
  std::optional<printerthread::PrinterMirror> shown_;
  struct Placed {
    Tile* tile;
    int section, column, row;
  };
  std::vector<Placed> placed_;
};
