#pragma once
// The remote control's level changes: the commands that take the printer
// from its level to the one asked for, and how a level sent stands against
// the "STATUS" replies that follow it.
//
// A printer may change its level only after a delay of its own, so the
// first "STATUS" after "ENABLE 1" can still report the level it left. The
// level sent therefore counts as the printer's until "STATUS" reports it,
// reports a level that is not on the way there (the printer refused, or fell
// to an error), or kLevelOnTheWayMs passed. A reply that only shows the
// printer still on its way does not override the operator's click, so the
// next click starts from the level the last one asked for.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "printerlink/thread/PrinterMirror.h"

namespace printerthread {

// As long as the settings level is given to come (EnterSettingsLevel).
inline constexpr std::uint32_t kLevelOnTheWayMs = 5000;

// "STANDBY" and "ENABLE" commands, in order, that take the printer from
// `state` to `target` (10 Standby, 40 Stop, 50 Drucken); none when it is
// there, its state is unknown or not one they leave, or the target is none
// of the three.
std::vector<const char*> LevelCommands(int target, int state);

// The level `target` sent at `now` as `commands` commands from `from`: on
// its way the printer may still report `from`, Stop when two commands pass
// through it, and what it could still report on its way to a level sent
// before (`before`) that it has not yet been seen to reach.
LevelOnTheWay LevelSentFrom(const LevelOnTheWay& before, int from, int target, std::size_t commands,
                            std::uint32_t now);

// The state the printer counts as in once "STATUS" reported `reported` at
// `now` (kUnknown for a state it does not name). `sent` ends, and the
// reported state counts, unless the reply only shows the printer still on
// its way within the time.
int CountedLevel(LevelOnTheWay& sent, int reported, std::uint32_t now);

}  // namespace printerthread
