#include "printerlink/thread/LevelChange.h"

namespace printerthread {

std::vector<const char*> LevelCommands(int target, int state) {
  switch (target) {
    case 10:
      if (state == 40 || state == 80) return {"STANDBY 1"};
      if (state == 50) return {"ENABLE 0", "STANDBY 1"};
      break;
    case 40:
      if (state == 10) return {"STANDBY 0"};
      if (state == 50) return {"ENABLE 0"};
      if (state == 80) return {"ENABLE 1"};
      break;
    case 50:
      if (state == 10) return {"STANDBY 0", "ENABLE 1"};
      if (state == 40) return {"ENABLE 1"};
      if (state == 80) return {"ENABLE 1", "ENABLE 1"};  // clear the error, then start
      break;
    default: break;
  }
  return {};
}

namespace {

std::uint16_t Bit(int level) {
  return level >= 0 && level <= 150 && level % 10 == 0 ? static_cast<std::uint16_t>(1u << (level / 10)) : 0;
}

}  // namespace

LevelOnTheWay LevelSentFrom(const LevelOnTheWay& before, int from, int target, std::size_t commands,
                            std::uint32_t now) {
  std::uint16_t passing = Bit(from);
  if (commands > 1) passing |= Bit(40);
  if (before.Target != kUnknown) passing |= before.Passing;
  return {target, passing, now};
}

int CountedLevel(LevelOnTheWay& sent, int reported, std::uint32_t now) {
  if (sent.Target == kUnknown) return reported;
  const bool passing = reported != sent.Target && (sent.Passing & Bit(reported)) != 0;
  // Unsigned, so the comparison survives the tick count's wrap-around.
  if (passing && now - sent.SentAt < kLevelOnTheWayMs) return sent.Target;
  sent = LevelOnTheWay{};
  return reported;
}

}  // namespace printerthread
