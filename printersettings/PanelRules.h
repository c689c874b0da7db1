#pragma once
// The value rules of the operator panel forms (panel type, option unit) and
// of the panel programs form, without widgets.
#include <array>

namespace printersettings {

// The display behaviours run 1, 2, 3, 4, 11, 12, 13, 14, 21, 22, 23, 24, 31.
// A value from the printer is brought to the nearest one below a gap (7 is
// 4, 26 is 24, anything above 30 is 31).
int BehaviourInSequence(int value);
// One step back or on along the sequence, staying at its ends.
int BehaviourDown(int value);
int BehaviourUp(int value);

// The signal unit's eight entries per printer state: Startup, Standby, Stop,
// Drucken, three more that follow Drucken, Fehler.
inline constexpr int kSignalEntries = 8;
inline constexpr int kSignalPrintEntry = 3;
inline constexpr int kSignalErrorEntry = 7;
// The entries the form has a row for (Startup, Standby, Stop, Drucken,
// Fehler).
inline constexpr std::array<int, 5> kSignalRows = {0, 1, 2, 3, kSignalErrorEntry};
// Lamps 0 to 11; horns other than 0 and 1 off; alarms other than 0 and 1
// closed; entries 4 to 6 take entry 3's value.
void NormaliseSignalEntries(std::array<int, kSignalEntries>& lamp, std::array<int, kSignalEntries>& horn,
                            std::array<int, kSignalEntries>& alarm);
// A horn or alarm button: 0 becomes 1, anything else 0.
int Toggled(int value);

// The line set-up the printer itself uses in display modes 0 and 1: the
// behaviour, the pause and the two content codes the form shows read-only.
struct FixedDisplayLines {
  int behaviour, pause, line1, line2;
};
FixedDisplayLines FixedLinesOfMode(int displayMode);

}  // namespace printersettings
