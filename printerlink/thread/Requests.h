#pragma once
// The values each request carries, copied from the window's Edit fields
// when it raises the flag. A setting request also carries the caption of
// its form, which titles the busy box of its sequence.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace printerthread {

struct SettingRequest {
  std::string Title;  // Windows-1252, for example " Ger\xE4t Typ"
};

// TFormPrinterGeraetTyp
struct MachineTypeRequest : SettingRequest {
  int EditMachineType = -1;
};
// TFormPrinterGeraetAusrichtung
struct AlignmentRequest : SettingRequest {
  std::array<int, 3> EditOrientation{-1, -1, -1};
  std::array<int, 3> EditHeadOffset{-1, -1, -1};  // mm
  int EditHeadMode = -1;
};
// TFormPrinterGeraetAufstarten
struct StartupRequest : SettingRequest {
  int EditStartupState = -1;
};
// TFormPrinterGeraetSleep
struct SleepRequest : SettingRequest {
  int EditWaitTime = -1, EditReverseTime = -1, EditReversePower = -1;
};
// TFormPrinterGeraetDPI
struct PrintModesRequest : SettingRequest {
  int EditModeCount = -1;
  std::array<int, 8> EditModeIndex{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int, 8> EditModeCode{-1, -1, -1, -1, -1, -1, -1, -1};
};
// TFormPrinterStartModus
struct StartModeRequest : SettingRequest {
  int EditStartMode = -1, EditFilter = -1;
};
// TFormPrinterStartVerschieben and TFormPrinterUnterdrueckungVerschieben
struct ShiftRequest : SettingRequest {
  int EditShiftMode = -1, EditShiftDistance = -1, EditShiftTime = -1;
};
// TFormPrinterStartInterface
struct InterfaceStartRequest : SettingRequest {
  int EditInterfaceMode = -1, EditSignalLines = -1;
  std::array<int, 16> EditSignalText{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
// TFormPrinterUnterdrueckungModus
struct SuppressionRequest : SettingRequest {
  int EditSuppressionMode = -1, EditFilter = -1;
};
// TFormPrinterAuslaufModus
struct RunOutRequest : SettingRequest {
  int EditRunOutMode = -1, EditFilter = -1;
};
// TFormPrinterGeschwindigkeitTaktquelle
struct ClockSourceRequest : SettingRequest {
  int EditClockSource = -1, EditSpeed = -1;
};
// TFormPrinterGeschwindigkeitFaktor
struct SpeedFactorRequest : SettingRequest {
  int EditFactorMode = -1, EditFactor = -1;
};
// TFormPrinterBedienteilTyp
struct PanelTypeRequest : SettingRequest {
  int EditPanelType = -1, EditPanelMode = -1;
};
// TFormPrinterBedienteilOption
struct PanelOptionRequest : SettingRequest {
  int EditOption = -1, EditMmiMode = -1, EditDisplayButton = -1, EditDisplayMode = -1, EditSignalType = -1;
  std::array<int, 8> EditAlarm{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int, 8> EditHorn{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int, 8> EditLamp{-1, -1, -1, -1, -1, -1, -1, -1};
};
// TFormPrinterBedienteilProgramme (programs P1..P3)
struct ProgramsRequest : SettingRequest {
  std::array<int, 3> EditProgramMode{-1, -1, -1}, EditProgramText{-1, -1, -1}, EditProgramSpeed{-1, -1, -1},
      EditProgramPause{-1, -1, -1};
};
// TFormPrinterSteuerungUhr: the printer clock is always set from the PC's.
struct ClockRequest : SettingRequest {};
// TFormPrinterSteuerungCounter
struct CounterRequest : SettingRequest {
  int EditIncrement = -1, EditCounterReset = 0;
};
// TFormPrinterSteuerungPulsdauer
struct PulseDurationRequest : SettingRequest {
  int EditPulse = -1, EditPulsePause = -1, EditPrePulse = -1, EditRefresh = -1, EditInkQuantity = -1;
};

// TFormPrinterFernsteuerung
struct SelectDtRequest {
  int EditPrintText = -1;
};
struct RemoteDpiRequest {
  int EditPrintMode = -1;
  int PrintModeIndex = -1;  // with the printer's print-mode table: the index chosen, sent as "DPI.INDEX"
};
struct LevelRequest {
  int TargetState = -1;  // 10, 40 or 50
};
struct DisplayButtonRequest {
  int ButtonPressValue = 1;
};

// The sequences of the configuration file, the console, the firmware and
// the print-data transfer; Title names the action in their message boxes.
struct BackupConfigRequest {
  std::string Title, BackupPath;
};
struct RestoreConfigRequest {
  std::string Title, RestorePath;
};
struct ConsoleCommandRequest {
  std::string Title, CommandText;
};
struct StoreConfigRequest {
  std::string Title;
};
struct FetchConfigRequest {
  std::string Title;
};
class FirmwareInstallView;
struct FirmwareInstallRequest {
  std::string Title;
  // The printer's "INFO.CLI" word when the request was raised.
  int CliWord = -1;
  // A copy of the installer's image (1 MiB): the window may open another
  // package while this one is written, without changing what goes out.
  std::shared_ptr<const std::vector<std::uint8_t>> Image;
  // The installer window, which shows the progress and the result box; it
  // lives until the printer thread is gone.
  FirmwareInstallView* View = nullptr;
};
struct DownloadGroupRequest {
  std::string Title;  // the caption of "Daten speichern"
};
struct UploadGroupRequest {
  std::string Title;  // the caption of "Daten öffnen"
};

}  // namespace printerthread
