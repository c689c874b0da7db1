#pragma once
// What the printer windows share with the printer thread outside the
// display steps, each one word read and written whole:
// - which windows are open: the poll schedule asks some values fast only
//   while a window shows them (the windows set the flag when shown and
//   hidden; the thread reads it when it tests an item);
// - the remote control's printer-side print text and print mode, which the
//   display steps and the remote control's writers set (so a change the
//   thread has just sent counts as no longer pending).
#include <atomic>

namespace printerthread {

struct PrinterWindowState {
  std::atomic<bool> SpeedFactorFormVisible{false};  // TFormPrinterGeschwindigkeitFaktor
  std::atomic<bool> DiagnosisVisible{false};        // TFormPrinterSteuerungDiagnose
  std::atomic<bool> RemoteControlVisible{false};    // TFormPrinterFernsteuerung
  std::atomic<bool> CounterFormVisible{false};      // TFormPrinterSteuerungCounter

  std::atomic<int> PrinterPrintText{-1};  // TFormPrinterFernsteuerung
  std::atomic<int> PrinterPrintMode{-1};
};

// The program's one set.
PrinterWindowState& PrinterWindows();

}  // namespace printerthread
