#pragma once
// The demo state the simulation shows without a printer: values by machine
// type, then the common ones. Texts that are captions follow the UI
// language.
#include "printerlink/thread/PrinterCaptions.h"
#include "printerlink/thread/PrinterMirror.h"

namespace printerthread {

// CliWord while simulating: every feature bit but the pulse presets.
inline constexpr int kSimulatedCliWord = 8058;  // 0x1F7A

// Writes the demo values of machine type `m.MachineType` (0, 2, 3 and 4
// have their own; other types keep theirs) and the common ones.
void FillDemoValues(PrinterMirror& m, const PrinterCaptions& captions);

}  // namespace printerthread
