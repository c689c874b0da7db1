#pragma once
// The option form's texts built into the program, by UI language (0 German;
// 1, 3 and 4 English; 2 French; any other German). Windows-1252 bytes. A
// code without a text gives "?".
#include <string>

namespace printersettings {

// The display unit's key setting ("Taste"), 0 to 2.
std::string KeyText(int code, int language);
// The display behaviour ("Verhalten"): 1 to 4, 11 to 14, 21 to 24, 31.
std::string BehaviourText(int code, int language);
// The pause between two showings, in 100 ms: "500 ms".
std::string PauseText(int code, int language);
// What a display line shows ("Zeile 1", "Zeile 2"), 0 to 14.
std::string LineContentText(int code, int language);
// The signal unit's lamp per state, 0 to 11.
std::string LampText(int code, int language);
// Horn 0 off, 1 on.
std::string HornText(int code, int language);
// Alarm contact 0 open, 1 closed; "-" unless the signal unit is of type 2
// (`signalType` 1).
std::string AlarmText(int code, int signalType, int language);

}  // namespace printersettings
