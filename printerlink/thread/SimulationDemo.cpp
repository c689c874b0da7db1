#include "printerlink/thread/SimulationDemo.h"

namespace printerthread {

void FillDemoValues(PrinterMirror& m, const PrinterCaptions& c) {
  const std::string& off = c.RunOut[0];
  switch (m.MachineType) {
    case 0:
      m.AlignmentText = c.Orientation[0];
      m.HeadMode = 0;
      m.Orientation = {0, 0, 0};
      m.HeadOffset = {0, 0, 0};
      m.SleepText = off;
      m.WaitTime = 0;
      m.ReverseTime = 0;
      m.ReversePower = 0;
      m.RunOutText = off;
      m.RunOutMode = 0;
      m.RunOutFilter = 0;
      m.ClockSource = 1;
      m.InternalSpeed = 150;
      break;
    case 2:
      m.AlignmentText = c.Orientation[2];
      m.HeadMode = 0;
      m.Orientation = {2, 2, 2};
      m.HeadOffset = {0, 0, 0};
      m.SleepText = "30 s";
      m.WaitTime = 30;
      m.ReverseTime = 700;
      m.ReversePower = 910;
      m.RunOutText = off;
      m.RunOutMode = 0;
      m.RunOutFilter = 0;
      m.ClockSource = 1;
      m.InternalSpeed = 150;
      break;
    case 3:
    case 4:
      m.AlignmentText = c.Orientation[2];
      m.HeadMode = 0;
      m.Orientation = {2, 2, 2};
      m.HeadOffset = {0, 0, 0};
      m.SleepText = off + "+";
      m.WaitTime = 1;
      m.ReverseTime = 0;
      m.ReversePower = 910;
      m.RunOutText = c.RunOut[1];
      m.RunOutMode = 1;
      m.RunOutFilter = 0;
      m.ClockSource = 1;
      m.InternalSpeed = 150;
      break;
    default: break;
  }

  m.StartupText = c.Startup[0];
  m.StartupState = 0;
  m.PrintModeText = "1..5";
  m.DpiIndex = kUnknown;
  m.ModeCount = 5;
  m.ModeIndex = {0, 1, 4, 8, 11, 0, 0, 0};
  m.StartMode = 1;
  m.StartFilter = 0;
  m.StartShiftMode = m.StartShiftDistance = m.StartShiftTime = 0;
  m.InterfaceModeText = c.InterfaceMode[0];
  m.InterfaceMode = 0;
  m.SignalLines = 3;
  for (int n = 0; n < 16; ++n) m.SignalText[static_cast<std::size_t>(n)] = n;
  m.SuppressionMode = m.SuppressionFilter = 0;
  m.SuppressionShiftMode = m.SuppressionShiftDistance = m.SuppressionShiftTime = 0;
  m.FactorMode = 0;
  m.FactorText = c.FactorOff;
  m.Factor = 1000;
  m.PanelTypeText = c.PanelType[2];
  m.PanelType = 2;
  m.PanelMode = 0;
  m.OptionText = c.Option[0];
  m.Option = m.OptionMmiMode = m.DisplayMode = m.DisplayButton = 0;
  m.ProgramMode = {0, 0, 0};
  m.ProgramText = {1, 1, 1};
  m.ProgramSpeed = {200, 200, 200};
  m.ProgramPause = {1000, 1000, 1000};
  m.CounterIncrement = 1;
  m.Pulse = 36;
  m.PulsePause = m.PrePulse = m.RefreshPulse = m.InkQuantity = 0;
}

}  // namespace printerthread
