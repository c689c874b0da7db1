#pragma once
// The 31 request flags of the printer windows, in the order the printer
// thread serves them. A window raises its flag with the values to send:
//
//   printerthread::PrinterRequests().MachineType.Raise({{caption}, EditMachineType});
//
// and withdraws it when it shows again. The thread takes each pending flag
// once per request step, runs its sequence and restarts the poll cycle.
#include "printerlink/thread/RequestSlot.h"
#include "printerlink/thread/Requests.h"

namespace printerthread {

struct RequestBoard {
  // The 19 setting forms' SendRequest.
  RequestSlot<MachineTypeRequest> MachineType;           // 1 TFormPrinterGeraetTyp
  RequestSlot<AlignmentRequest> Alignment;               // 2 TFormPrinterGeraetAusrichtung
  RequestSlot<StartupRequest> Startup;                   // 3 TFormPrinterGeraetAufstarten
  RequestSlot<SleepRequest> Sleep;                       // 4 TFormPrinterGeraetSleep
  RequestSlot<PrintModesRequest> PrintModes;             // 5 TFormPrinterGeraetDPI
  RequestSlot<StartModeRequest> StartMode;               // 6 TFormPrinterStartModus
  RequestSlot<ShiftRequest> StartShift;                  // 7 TFormPrinterStartVerschieben
  RequestSlot<InterfaceStartRequest> InterfaceStart;     // 8 TFormPrinterStartInterface
  RequestSlot<SuppressionRequest> Suppression;           // 9 TFormPrinterUnterdrueckungModus
  RequestSlot<ShiftRequest> SuppressionShift;            // 10 TFormPrinterUnterdrueckungVerschieben
  RequestSlot<RunOutRequest> RunOut;                     // 11 TFormPrinterAuslaufModus
  RequestSlot<ClockSourceRequest> ClockSource;           // 12 TFormPrinterGeschwindigkeitTaktquelle
  RequestSlot<SpeedFactorRequest> SpeedFactor;           // 13 TFormPrinterGeschwindigkeitFaktor
  RequestSlot<PanelTypeRequest> PanelType;               // 14 TFormPrinterBedienteilTyp
  RequestSlot<PanelOptionRequest> PanelOption;           // 15 TFormPrinterBedienteilOption
  RequestSlot<ProgramsRequest> Programs;                 // 16 TFormPrinterBedienteilProgramme
  RequestSlot<ClockRequest> Clock;                       // 17 TFormPrinterSteuerungUhr
  RequestSlot<CounterRequest> Counter;                   // 18 TFormPrinterSteuerungCounter
  RequestSlot<PulseDurationRequest> PulseDuration;       // 19 TFormPrinterSteuerungPulsdauer
  // The remote control TFormPrinterFernsteuerung.
  RequestSlot<SelectDtRequest> SelectDt;                 // 20 SelectDtRequest
  RequestSlot<RemoteDpiRequest> RemoteDpi;               // 21 RemoteDpiRequest
  RequestSlot<LevelRequest> Level;                       // 22 LevelRequest
  RequestSlot<DisplayButtonRequest> DisplayButton;       // 23 DisplayButtonRequest
  // TFramePrinter.
  RequestSlot<BackupConfigRequest> BackupConfig;         // 24 BackupConfigRequest
  RequestSlot<RestoreConfigRequest> RestoreConfig;       // 25 RestoreConfigRequest
  // TFormPrinterCLI.
  RequestSlot<ConsoleCommandRequest> ConsoleCommand;     // 26 ConsoleCommandRequest
  RequestSlot<StoreConfigRequest> StoreConfig;           // 27 StoreConfigRequest
  RequestSlot<FetchConfigRequest> FetchConfig;           // 28 FetchConfigRequest
  RequestSlot<FirmwareInstallRequest> FirmwareInstall;   // 29 FirmwareInstallRequest
  // TFrameMenuPrinter.
  RequestSlot<DownloadGroupRequest> DownloadGroup;       // 30 DownloadGroupRequest
  RequestSlot<UploadGroupRequest> UploadGroup;           // 31 UploadGroupRequest
};

// The program's one board.
RequestBoard& PrinterRequests();

}  // namespace printerthread
